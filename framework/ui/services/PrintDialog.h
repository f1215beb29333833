// CPrintDialog: the print and print set-up dialogs, whose answers are a printer (the records
// behind hDevNames and hDevMode), pages, copies and, when asked for, a printer DC.
#pragma once

#include "framework/core/CommonDialogConstants.h"
#include "framework/core/GlobalMemory.h"
#include "framework/core/Handles.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/services/PrinterRecords.h"

class CWnd;

struct PRINTDLG
{
	DWORD lStructSize;
	HWND hwndOwner;
	HGLOBAL hDevMode;
	HGLOBAL hDevNames;
	HDC hDC;
	DWORD Flags;
	WORD nFromPage;
	WORD nToPage;
	WORD nMinPage;
	WORD nMaxPage;
	WORD nCopies;
};

typedef PRINTDLG* LPPRINTDLG;

class CPrintDialog : public CObject
{
	DECLARE_DYNAMIC(CPrintDialog)

public:
	// A set-up dialog chooses a printer and its settings; a print dialog also pages and copies, and
	// returns a printer DC (PD_RETURNDC).
	explicit CPrintDialog(BOOL bPrintSetupOnly,
		DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION,
		CWnd* pParentWnd = nullptr);
	// Frees the printer records the dialog made, unless the application now keeps them. The
	// printer DC is the caller's to delete.
	~CPrintDialog() override;

	CPrintDialog(const CPrintDialog&) = delete;
	CPrintDialog& operator=(const CPrintDialog&) = delete;

	// Through the modal seam (ModalKind::PrintDialog, pData the PRINTDLG); IDOK or IDCANCEL. Without
	// records it starts from the default printer.
	virtual INT_PTR DoModal();
	// The default printer's records, and its DC with PD_RETURNDC, without asking the user.
	BOOL GetDefaults();
	HDC GetPrinterDC() const;
	// A new DC on the chosen printer, also left in m_pd.hDC; null when the printer is missing.
	HDC CreatePrinterDC();

	CString GetDeviceName() const;
	CString GetDriverName() const;
	CString GetPortName() const;
	LPDEVMODE GetDevMode() const;
	int GetCopies() const;
	BOOL PrintAll() const;
	BOOL PrintRange() const;
	BOOL PrintSelection() const;
	BOOL PrintCollate() const;
	// The range asked for, or -1 when the user did not ask for pages.
	int GetFromPage() const;
	int GetToPage() const;

	PRINTDLG m_pd;

protected:
	CWnd* m_pParentWnd;

private:
	// The application takes over the records of a dialog it ran.
	friend class CWinApp;

	void TakeDefaults();
	void ReleaseOwnedRecords();

	HGLOBAL m_hOwnedDevNames;
	HGLOBAL m_hOwnedDevMode;
};
