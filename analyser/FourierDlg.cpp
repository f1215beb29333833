// The analyser's window: construction, opening, the keyboard shortcuts, the analysis commands
// and their enabling, and closing.
#include "analyser/FourierDlg.h"

#include "analyser/HarmonicCountDlg.h"
#include "analyser/resources/AnalyserResourceIds.h"
#include "framework/core/BarConstants.h"
#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/dialog/DataExchange.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/CmdUI.h"
#include "framework/ui/window/WinApp.h"
#include "sigkit/frames/FrameSupport.h"
#include "sigkit/frames/Shortcuts.h"

namespace
{
	const UINT s_indicators[] = {ID_SEPARATOR};
	const UINT s_buttons[] = {ID_APP_EXIT, ID_SEPARATOR, ID_FILE_OPEN, ID_FILE_PRINT, ID_SEPARATOR, ID_HARMONIC_COUNT,
		ID_ALL_HARMONICS};

	// The shortcuts the menu shows beside "Apri..." and "Esci".
	const FrameShortcut s_shortcuts[] = {{'O', FALSE, ID_FILE_OPEN}, {'Q', FALSE, ID_APP_EXIT}};
}

BEGIN_MESSAGE_MAP(CFourierDlg, CTBDialog)
	ON_WM_PAINT()
	ON_WM_QUERYDRAGICON()
	ON_WM_SIZE()
	ON_WM_GETMINMAXINFO()
	ON_WM_DROPFILES()
	ON_COMMAND(AFX_IDW_TOOLBAR, OnViewToolBar)
	ON_COMMAND(AFX_IDW_STATUS_BAR, OnViewStatusBar)
	ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
	ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
	ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
	ON_COMMAND(ID_EXPORT_TABLE, OnExportTable)
	ON_COMMAND(ID_EXPORT_SIGNAL, OnExportSignal)
	ON_COMMAND(ID_APP_EXIT, OnAppExit)
	ON_COMMAND(ID_HARMONIC_COUNT, OnHarmonicCount)
	ON_COMMAND(ID_ALL_HARMONICS, OnAllHarmonics)
	ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdateNeedsSignal)
	ON_UPDATE_COMMAND_UI(ID_EXPORT_TABLE, OnUpdateNeedsSignal)
	ON_UPDATE_COMMAND_UI(ID_EXPORT_SIGNAL, OnUpdateNeedsSignal)
	ON_UPDATE_COMMAND_UI(ID_HARMONIC_COUNT, OnUpdateNeedsSignal)
	ON_UPDATE_COMMAND_UI(ID_ALL_HARMONICS, OnUpdateAllHarmonics)
END_MESSAGE_MAP()

CFourierDlg::CFourierDlg(CWnd* pParent)
	: CTBDialog(IDD_FOURIER, pParent)
	, m_form(SignalForm::Binary)
	, m_nHarmonics(0)
	, m_bAllHarmonics(FALSE)
	, m_summary()
	, m_layoutTemplate()
	, m_bLayoutKept(FALSE)
{
	Set(s_indicators, 1, s_buttons, 7, IDR_TOOLBAR);
	m_hIcon = AfxLoadIconResource(IDR_MAINFRAME);
}

void CFourierDlg::DoDataExchange(CDataExchange* pDX)
{
	CTBDialog::DoDataExchange(pDX);
	DDX_Control(pDX, IDC_SCOPE_SIGNAL, m_scopeSignal);
	DDX_Control(pDX, IDC_SCOPE_HARMONICS, m_scopeHarmonics);
}

BOOL CFourierDlg::OnInitDialog()
{
	CTBDialog::OnInitDialog();
	SetIcon(m_hIcon, TRUE);
	SetIcon(m_hIcon, FALSE);
	// A file dropped anywhere on the window, its scopes and table included, is opened.
	DragAcceptFiles(TRUE);
	m_gridHarmonics.AttachToDialogItem(this, IDC_HARMONIC_TABLE);
	SetupTable();
	KeepTemplateLayout();
	ShowAnalysis();
	if (!m_strStartFile.IsEmpty())
		OpenSignalFile(m_strStartFile);
	return TRUE;
}

BOOL CFourierDlg::PreTranslateMessage(MSG* pMsg)
{
	if (SendFrameShortcut(this, pMsg, s_shortcuts, sizeof s_shortcuts / sizeof s_shortcuts[0]))
		return TRUE;
	return CTBDialog::PreTranslateMessage(pMsg);
}

BOOL CFourierDlg::HasSignal() const
{
	return !m_strPath.IsEmpty();
}

// Enter belongs to the table; the window closes through "Esci", its close box or Esc.
void CFourierDlg::OnOK()
{
}

void CFourierDlg::OnAppExit()
{
	EndDialog(IDOK);
}

void CFourierDlg::OnPaint()
{
	if (!PaintMinimizedIcon(this, m_hIcon))
		CTBDialog::OnPaint();
}

HCURSOR CFourierDlg::OnQueryDragIcon()
{
	return reinterpret_cast<HCURSOR>(m_hIcon);
}

void CFourierDlg::OnFilePrintSetup()
{
	CPrintDialog dlg(TRUE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION);
	// The application keeps the printer chosen for the rest of the run; "Stampa..." starts from it.
	CWinApp* pApp = AfxGetApp();
	if (pApp != nullptr)
		pApp->DoPrintDialog(&dlg);
	else
		dlg.DoModal();
}

void CFourierDlg::OnHarmonicCount()
{
	CHarmonicCountDlg dlg(m_signal.m_nPoints, m_nHarmonics, this);
	if (dlg.DoModal() == IDOK)
		SetHarmonicCount(static_cast<UINT>(dlg.m_nCount));
}

void CFourierDlg::OnAllHarmonics()
{
	ShowAllHarmonics(!m_bAllHarmonics);
}

void CFourierDlg::OnUpdateNeedsSignal(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(HasSignal());
}

void CFourierDlg::OnUpdateAllHarmonics(CCmdUI* pCmdUI)
{
	pCmdUI->SetCheck(m_bAllHarmonics ? 1 : 0);
}

void CFourierDlg::SetHarmonicCount(UINT nHarmonics)
{
	if (!HasSignal() || nHarmonics == 0)
		return;
	m_nHarmonics = nHarmonics;
	Analyse();
}

void CFourierDlg::ShowAllHarmonics(BOOL bAll)
{
	m_bAllHarmonics = bAll;
	if (!HasSignal())
		return;
	m_rows = HarmonicRows(m_signal, m_bAllHarmonics != FALSE);
	ShowAnalysis();
}

// The analysis takes N × H steps: a long text file keeps the user waiting, and is shown so.
void CFourierDlg::Analyse()
{
	BeginWaitCursor();
	m_signal.DoSpettro(m_nHarmonics);
	m_rows = HarmonicRows(m_signal, m_bAllHarmonics != FALSE);
	m_summary = SummariseSignal(m_signal);
	ShowAnalysis();
	EndWaitCursor();
}
