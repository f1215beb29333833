// CFourierDlg: the analyser's window. It reads a signal file, analyses it at once, and shows the
// waveform, the harmonic amplitudes as bars, the harmonic table and a summary; it prints and
// exports the table and exports the signal as text.
#pragma once

#include "analyser/FourierLayout.h"
#include "analyser/model/HarmonicTable.h"
#include "analyser/model/SignalReader.h"
#include "framework/core/String.h"
#include "framework/ui/gdi/Font.h"
#include "grid/window/GridWindow.h"
#include "sigkit/frames/TBDialog.h"
#include "sigkit/scope/EditScope.h"
#include "sigkit/signal/Signal.h"

#include <vector>

class CCmdUI;
class CPrinterDC;

class CFourierDlg : public CTBDialog
{
public:
	explicit CFourierDlg(CWnd* pParent = nullptr);

	BOOL OnInitDialog() override;
	BOOL PreTranslateMessage(MSG* pMsg) override;

	// Reads the file and shows its analysis with the harmonic count that covers its whole band.
	// A file that cannot be read is named to the user with the reason, and the window keeps
	// what it showed.
	BOOL OpenSignalFile(const CString& strPath);
	// The record analysed again with that many entries (the mean and nHarmonics − 1 harmonics).
	void SetHarmonicCount(UINT nHarmonics);
	// Every row in the table and the bars, or only the significant ones.
	void ShowAllHarmonics(BOOL bAll);
	BOOL HasSignal() const;
	// The file's name without its folder.
	static CString FileNameOf(const CString& strPath);

	CEditScope m_scopeSignal;
	CEditScope m_scopeHarmonics;
	CFont m_fontTable;
	GridWindow m_gridHarmonics;
	// The file shown, read and analysed; m_strPath is empty while there is none.
	CSignal m_signal;
	SignalForm m_form;
	CString m_strPath;
	UINT m_nHarmonics;
	BOOL m_bAllHarmonics;
	std::vector<HarmonicRow> m_rows;
	SignalSummary m_summary;
	// A file to open as the window opens (the one named on the command line).
	CString m_strStartFile;

protected:
	void DoDataExchange(CDataExchange* pDX) override;
	void OnOK() override;

	afx_msg void OnPaint();
	afx_msg HCURSOR OnQueryDragIcon();
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
	afx_msg void OnDropFiles(HDROP hDropInfo);
	afx_msg void OnViewToolBar();
	afx_msg void OnViewStatusBar();
	afx_msg void OnFileOpen();
	afx_msg void OnFilePrint();
	afx_msg void OnFilePrintSetup();
	afx_msg void OnExportTable();
	afx_msg void OnExportSignal();
	afx_msg void OnAppExit();
	afx_msg void OnHarmonicCount();
	afx_msg void OnAllHarmonics();
	afx_msg void OnUpdateNeedsSignal(CCmdUI* pCmdUI);
	afx_msg void OnUpdateAllHarmonics(CCmdUI* pCmdUI);

	DECLARE_MESSAGE_MAP()

private:
	// DoSpettro with m_nHarmonics, then the rows and summary, then everything shown again.
	void Analyse();
	void ShowAnalysis();
	void ShowTitle();
	void PlaySignal();
	void PlayHarmonics();
	void FillTable();
	void ShowSummary();
	void SetupTable();
	// The columns share the table's width.
	void FitColumns();

	// A save dialog for the export, starting from the file's name with the extension; empty when
	// the user cancelled.
	CString AskExportPath(LPCTSTR lpszFilter, LPCTSTR lpszExtension);
	void TellWriteFailed(const CString& strPath);
	// The heading of each printed page: the file, its duration and samples, the page.
	void DrawPrintHeading(CPrinterDC& dc, int nPage, int nPages);

	void KeepTemplateLayout();
	CRect AreaBetweenBars();
	void LayOutControls();

	FourierTemplate m_layoutTemplate;
	BOOL m_bLayoutKept;
};
