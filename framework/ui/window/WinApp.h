// CWinApp: the application object, which starts the toolkit, starts the program through
// InitInstance and runs its message loop with idle processing.
#pragma once

#include "framework/core/GlobalMemory.h"
#include "framework/core/Handles.h"
#include "framework/ui/window/CmdTarget.h"

class CPrintDialog;
class CWnd;
struct PRINTDLG;

class CWinApp : public CCmdTarget
{
	DECLARE_DYNAMIC(CWinApp)

public:
	// There is one application object, usually a static one; AfxGetApp returns it.
	explicit CWinApp(LPCTSTR lpszAppName = nullptr);
	~CWinApp() override;

	CWinApp(const CWinApp&) = delete;
	CWinApp& operator=(const CWinApp&) = delete;

	virtual BOOL InitInstance();
	virtual int ExitInstance();
	// The message loop; returns ExitInstance's result once WM_QUIT arrives. The default
	// ExitInstance returns the exit code that came with WM_QUIT.
	virtual int Run();
	// Called while no message waits, with 0 after each message and counting up while it returns TRUE.
	virtual BOOL OnIdle(LONG lCount);
	virtual CWnd* GetMainWnd();

	// Controls always have the three-dimensional look here.
	BOOL Enable3dControls();

	// An icon of the resource chain; null when no module holds one with that id.
	HICON LoadIcon(UINT nIDResource) const;
	HCURSOR LoadCursor(UINT nIDResource) const;
	HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
	// nCode 1 shows the wait cursor, -1 takes it away, 0 shows it again after a message box.
	void DoWaitCursor(int nCode);

	// Printing (in the print services). The printer chosen in a dialog run here is kept for the rest
	// of the run; the first time, the default printer is taken.
	virtual INT_PTR DoPrintDialog(CPrintDialog* pPD);
	// Lends the kept printer's records to pPrintDlg; FALSE when there is no printer to keep.
	BOOL GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg);
	// Keeps these records from now on; with bFreeOld the records kept before are freed.
	void SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld = TRUE);

	CWnd* m_pMainWnd;
	LPCTSTR m_pszAppName;
	HGLOBAL m_hDevMode = nullptr;
	HGLOBAL m_hDevNames = nullptr;

protected:
	afx_msg void OnHelp();

	int m_nExitCode;
};

CWinApp* AfxGetApp();
// An icon of the resource chain, made once and kept for the run; null when no module holds one.
HICON AfxLoadIconResource(UINT nIDResource);

// Starts the toolkit (offscreen when no display is set is the caller's choice) once per run.
BOOL AfxWinInit(int argc, char* argv[]);
// Destroys the windows that are left and stops the toolkit.
void AfxWinTerm();
// The program: AfxWinInit, the application's InitInstance, then Run or ExitInstance, AfxWinTerm.
int AfxWinMain(int argc, char* argv[]);
