// The spectrum window: construction, opening with its title, labels, diagram and table, the
// keys it answers and the printing commands.
#include "app/SpectrumDlg.h"

#include "app/resources/AppResourceIds.h"
#include "framework/core/CommonDialogConstants.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/dialog/DataExchange.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/window/WinApp.h"
#include "sigkit/frames/Shortcuts.h"
#include "sigkit/scope/ScopeGeometry.h"
#include "sigkit/signal/Signal.h"

#include <cstring>

namespace
{
	const UINT s_buttons[] = {IDOK, ID_SEPARATOR, ID_FILE_PRINT_TABLE, ID_FILE_PRINT_SETUP};

	const FrameShortcut s_shortcuts[] = {
		{'C', FALSE, ID_EDIT_COPY_ROWS},
		{'P', FALSE, ID_FILE_PRINT_TABLE},
	};

	constexpr int LABEL_DECIMALS = 3;
}

BEGIN_MESSAGE_MAP(CSpectrumDlg, CTBBDialog)
	ON_COMMAND(ID_FILE_PRINT_TABLE, OnFilePrint)
	ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
	ON_COMMAND(ID_EDIT_COPY_ROWS, OnEditCopyRows)
	ON_COMMAND(ID_EDIT_COPY_PICTURE, OnEditCopyPicture)
	ON_COMMAND(ID_VIEW_SCALES, OnViewScales)
	ON_UPDATE_COMMAND_UI(ID_VIEW_SCALES, OnUpdateViewScales)
	ON_COMMAND(AFX_IDW_TOOLBAR, OnViewToolBar)
	ON_WM_SIZE()
	ON_WM_GETMINMAXINFO()
	ON_WM_MOUSEMOVE()
	ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CSpectrumDlg::CSpectrumDlg(ModulationParams* pParams, CWnd* pParent)
	: CTBBDialog(IDD_SPECTRUM, pParent),
	  m_pParams(pParams),
	  m_bScales(FALSE),
	  m_dCentre(0.0),
	  m_dHalfSpan(0.0),
	  m_dPlotYRange(0.0),
	  m_dPlotXRange(0.0),
	  m_nFiguresMeasuredWidth(-1),
	  m_nFiguresMeasuredWidth2(-1),
	  m_nFiguresMeasuredHeight(0),
	  m_layoutTemplate(),
	  m_bLayoutKept(FALSE),
	  m_nTipBar(-1),
	  m_nRowBar(-1)
{
	Set(s_buttons, 4, IDR_SPECTRUM);
}

void CSpectrumDlg::DoDataExchange(CDataExchange* pDX)
{
	CTBBDialog::DoDataExchange(pDX);
	DDX_Control(pDX, IDC_SCOPE_SPECTRUM, m_scopeSpectrum);
}

BOOL CSpectrumDlg::OnInitDialog()
{
	CTBBDialog::OnInitDialog();

	SetWindowText("Spettro Segnale Modulato - Indice di Modulazione (m): "
		+ CSignal::Convert(m_pParams->modIndex, LABEL_DECIMALS));
	SetLabel(IDC_LABEL_FREQ_MOD, "Frequenza Modulante: ", m_pParams->freqMod);
	SetLabel(IDC_LABEL_AMP_MOD, "Ampiezza Modulante: ", m_pParams->ampMod);
	SetLabel(IDC_LABEL_FREQ_CARRIER, "Frequenza Portante: ", m_pParams->freqCarrier);
	SetLabel(IDC_LABEL_AMP_CARRIER, "Ampiezza Portante: ", m_pParams->ampCarrier);

	// The carrier frequency sits on the vertical axis, the lines above the bottom axis.
	m_scopeSpectrum.SetXType(SCOPE_XAXIS_BOTTOM);
	m_scopeSpectrum.SetYType(SCOPE_YAXIS_MIDDLE);

	m_gridLines.AttachToDialogItem(this, IDC_LINE_TABLE);
	SetupLineTable();
	ComputeSpectralLines(this);

	CreateFiguresPanel();
	KeepTemplateLayout();
	m_gridLines.SetOwner(this);
	// The template has no room for the figures: showing them grows the window, which then stands
	// centred on its owner again.
	const BOOL bScales = m_bScales;
	m_bScales = FALSE;
	ShowScales(bScales);
	if (bScales)
		CenterWindow();
	return TRUE;
}

// The table wants every key, Escape included, while it has the focus: the window's own keys are
// taken before it sees them.
BOOL CSpectrumDlg::PreTranslateMessage(MSG* pMsg)
{
	if (SendFrameShortcut(this, pMsg, s_shortcuts, sizeof s_shortcuts / sizeof s_shortcuts[0]))
		return TRUE;
	if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && !m_gridLines.IsEditing())
	{
		SendMessage(WM_COMMAND, IDOK);
		return TRUE;
	}
	return CTBBDialog::PreTranslateMessage(pMsg);
}

// Escape, wherever it comes from, closes the window as "Esci" does.
void CSpectrumDlg::OnCancel()
{
	OnOK();
}

void CSpectrumDlg::SetLabel(UINT nID, LPCSTR lpszText, double dValue)
{
	SetDlgItemText(nID, lpszText + CSignal::Convert(dValue, LABEL_DECIMALS));
}

void CSpectrumDlg::CreateTableFont()
{
	LOGFONT lf;
	std::memset(&lf, 0, sizeof lf);
	lf.lfHeight = 10;
	lf.lfWeight = 400;
	std::strcpy(lf.lfFaceName, "MS Sans Serif");
	m_fontTable.CreateFontIndirect(&lf);
}

void CSpectrumDlg::SetupLineTable()
{
	CreateTableFont();
	m_gridLines.SetDefaultFont(&m_fontTable);
	// A number too long for its column (a carrier of 1e200 Hz) ends in "..." instead of being
	// cut off where the column ends.
	m_gridLines.GetSheet()->m_defaultCell.SetCellTypeStyle(GCS_ELLIPSIS);
	// The lines are computed: a key typed on the table must not change what it shows and prints.
	m_gridLines.GetSheet()->m_defaultCell.SetReadOnly(TRUE);
	// Rows dragged over or taken with Shift are what Ctrl+C copies.
	m_gridLines.GetSheet()->m_bMultipleSelection = TRUE;

	const BOOL bAngle = !IsAmplitudeFamily(m_pParams->kind);
	m_gridLines.SetRowCount(1, TRUE);
	m_gridLines.SetColumnCount(bAngle ? 4 : 3, TRUE);

	const UINT headings[] = {IDS_COLUMN_ROW, IDS_COLUMN_FREQUENCY, IDS_COLUMN_AMPLITUDE, IDS_COLUMN_PHASE};
	const int nHeadings = bAngle ? 4 : 3;
	for (int nCol = 0; nCol < nHeadings; nCol++)
	{
		CString strHeading;
		strHeading.LoadString(headings[nCol]);
		m_gridLines.SetCellText(nCol, -1, strHeading);
	}
}

void CSpectrumDlg::OnFilePrintSetup()
{
	CPrintDialog dlg(TRUE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION);
	AfxGetApp()->DoPrintDialog(&dlg);
}
