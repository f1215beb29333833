// The main window: construction, opening, the commands other than the modulations and saving,
// their enabling, and closing.
#include "app/MainDlg.h"

#include "app/AboutDlg.h"
#include "app/resources/AppResourceIds.h"
#include "framework/core/BarConstants.h"
#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/dialog/DataExchange.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/window/CmdUI.h"
#include "framework/ui/window/WinApp.h"
#include "sigkit/frames/FrameSupport.h"
#include "sigkit/scope/ScopeGeometry.h"

namespace
{
	const UINT s_indicators[] = {ID_SEPARATOR};
	const UINT s_buttons[] = {IDOK, ID_SEPARATOR, ID_FILE_SAVE_SIGNAL, ID_SEPARATOR, ID_MOD_AMPIEZZA, ID_MOD_FREQUENZA,
		ID_MOD_FASE, ID_SEPARATOR, ID_SPECTRUM, ID_SEPARATOR, ID_APP_ABOUT};

	// Both grids come to 10 pixels: a grid step is converted with the scale in force.
	constexpr int START_PIXELS_PER_UNIT = 2;
	constexpr double START_RANGE = 1.0;
	constexpr double START_GRID = 5.0;
}

BEGIN_MESSAGE_MAP(CMainDlg, CTBDialog)
	ON_WM_SYSCOMMAND()
	ON_WM_SIZE()
	ON_WM_GETMINMAXINFO()
	ON_WM_PAINT()
	ON_WM_QUERYDRAGICON()
	ON_COMMAND(ID_MOD_AMPIEZZA, OnModAmpiezza)
	ON_COMMAND(ID_MOD_FREQUENZA, OnModFrequenza)
	ON_COMMAND(ID_MOD_FASE, OnModFase)
	ON_COMMAND(ID_SPECTRUM, OnSpectrum)
	ON_COMMAND(ID_REFRESH, OnRefresh)
	ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
	ON_COMMAND(ID_APP_ABOUT, OnAbout)
	ON_COMMAND(ID_FILE_SAVE_SIGNAL, OnSaveSignal)
	ON_COMMAND(ID_FILE_SAVE_SIGNAL_AS, OnSaveSignalAs)
	ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_SIGNAL, OnUpdateSaveSignal)
	ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_SIGNAL_AS, OnUpdateSaveSignalAs)
	ON_UPDATE_COMMAND_UI(ID_SPECTRUM, OnUpdateSpectrum)
	ON_COMMAND(AFX_IDW_TOOLBAR, OnViewToolBar)
	ON_COMMAND(AFX_IDW_STATUS_BAR, OnViewStatusBar)
	ON_COMMAND(ID_VIEW_SCALES, OnViewScales)
	ON_UPDATE_COMMAND_UI(ID_VIEW_SCALES, OnUpdateViewScales)
	ON_COMMAND(ID_VIEW_SAME_SCALE, OnViewSameScale)
	ON_UPDATE_COMMAND_UI(ID_VIEW_SAME_SCALE, OnUpdateViewSameScale)
	ON_COMMAND(ID_VIEW_WHOLE, OnViewWhole)
	ON_COMMAND(ID_VIEW_ZOOM_IN, OnViewZoomIn)
	ON_COMMAND(ID_VIEW_ZOOM_OUT, OnViewZoomOut)
	ON_COMMAND(ID_VIEW_CLEAR_CURSORS, OnViewClearCursors)
	ON_UPDATE_COMMAND_UI(ID_VIEW_CLEAR_CURSORS, OnUpdateViewClearCursors)
	ON_COMMAND(ID_FILE_EXPORT_PICTURE, OnFileExportPicture)
	ON_COMMAND(ID_EDIT_COPY_PICTURE, OnEditCopyPicture)
	ON_COMMAND(ID_FILE_PRINT_SCOPES, OnFilePrintScopes)
	ON_WM_MOUSEMOVE()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_LBUTTONDBLCLK()
	ON_WM_MOUSEWHEEL()
	ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CMainDlg::CMainDlg(CWnd* pParent)
	: CTBDialog(IDD_ONDIVAR_DIALOG, pParent)
	, m_modified(FALSE)
	, carrierPeriod(1.0)
	, m_bCappedExplained(FALSE)
	, m_pPressedScope(nullptr)
	, m_bDragging(FALSE)
	, m_layoutTemplate()
	, m_hLabels()
	, m_bLayoutKept(FALSE)
{
	Set(s_indicators, 1, s_buttons, 11, IDR_TOOLBAR);
	m_hIcon = AfxLoadIconResource(IDR_MAINFRAME);
}

void CMainDlg::DoDataExchange(CDataExchange* pDX)
{
	CTBDialog::DoDataExchange(pDX);
	DDX_Control(pDX, IDC_SCOPE_MODULATING, m_scopeModulating);
	DDX_Control(pDX, IDC_SCOPE_CARRIER, m_scopeCarrier);
	DDX_Control(pDX, IDC_SCOPE_MODULATED, m_scopeModulated);
}

BOOL CMainDlg::OnInitDialog()
{
	CTBDialog::OnInitDialog();

	if (CMenu* pSysMenu = GetSystemMenu(FALSE))
	{
		CString strAboutMenu;
		strAboutMenu.LoadString(IDS_ABOUTBOX);
		if (!strAboutMenu.IsEmpty())
		{
			pSysMenu->AppendMenu(MF_SEPARATOR);
			pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
		}
	}
	SetIcon(m_hIcon, TRUE);
	SetIcon(m_hIcon, FALSE);

	CCalibratedScope* const scopes[] = {&m_scopeModulating, &m_scopeCarrier, &m_scopeModulated};
	const LPCTSTR names[] = {"Vm(t)", "Vp(t)", "Vmto(t)"};
	for (int k = 0; k < MAIN_SCOPE_COUNT; k++)
	{
		scopes[k]->SetName(names[k]);
		m_scopes.Attach(scopes[k]);
	}
	for (CEditScope* pScope : scopes)
	{
		pScope->SetYScaleTo(START_PIXELS_PER_UNIT, START_RANGE);
		pScope->SetXScaleTo(START_PIXELS_PER_UNIT, START_RANGE);
	}
	for (CEditScope* pScope : scopes)
	{
		pScope->SetXType(SCOPE_XAXIS_BOTTOM);
		pScope->SetYType(SCOPE_YAXIS_LEFT);
	}
	for (CEditScope* pScope : scopes)
	{
		pScope->SetXGrid(START_GRID);
		pScope->SetYGrid(START_GRID);
	}

	CString strCaption;
	strCaption.LoadString(IDS_CAPTION);
	SetWindowText(" " + strCaption);
	m_strSignalPath.Empty();
	m_modified = FALSE;
	KeepTemplateLayout();
	return TRUE;
}

void CMainDlg::SetModified(BOOL bModified)
{
	m_modified = bModified;
}

BOOL CMainDlg::IsModified() const
{
	return m_modified;
}

void CMainDlg::OnOK()
{
	if (QuerySaveChanges())
		CTBDialog::OnOK();
}

void CMainDlg::OnCancel()
{
	if (QuerySaveChanges())
		CTBDialog::OnCancel();
}

void CMainDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
	if ((nID & 0xFFF0) == IDM_ABOUTBOX)
		OnAbout();
	else
		CTBDialog::OnSysCommand(nID, lParam);
}

void CMainDlg::OnPaint()
{
	if (!PaintMinimizedIcon(this, m_hIcon))
		CTBDialog::OnPaint();
}

HCURSOR CMainDlg::OnQueryDragIcon()
{
	return reinterpret_cast<HCURSOR>(m_hIcon);
}

void CMainDlg::OnRefresh()
{
	m_scopeModulating.InvalidateRect(nullptr, TRUE);
	m_scopeCarrier.InvalidateRect(nullptr, TRUE);
	m_scopeModulated.InvalidateRect(nullptr, TRUE);
}

void CMainDlg::OnFilePrintSetup()
{
	CPrintDialog dlg(TRUE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION);
	AfxGetApp()->DoPrintDialog(&dlg);
}

void CMainDlg::OnAbout()
{
	CAboutDlg dlgAbout;
	dlgAbout.DoModal();
}

void CMainDlg::OnSaveSignal()
{
	SaveSignal();
}

void CMainDlg::OnSaveSignalAs()
{
	SaveSignalAs();
}

void CMainDlg::OnUpdateSaveSignal(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(m_sigModulated.m_nPoints != 0 && m_modified);
}

// A signal file without samples is of no use to anyone: Save As waits for a simulation.
void CMainDlg::OnUpdateSaveSignalAs(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(m_sigModulated.m_nPoints != 0);
}

void CMainDlg::OnUpdateSpectrum(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(m_params.kind > MOD_NONE);
}
