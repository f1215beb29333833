// CTBBDialog: the toolbar created and given room at initialisation, tooltips and its toggle.
#include "sigkit/frames/TBBDialog.h"

#include "framework/core/BarConstants.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/window/CmdUI.h"
#include "sigkit/frames/FrameSupport.h"

IMPLEMENT_DYNAMIC(CTBBDialog, CDialog)

BEGIN_MESSAGE_MAP(CTBBDialog, CDialog)
	ON_WM_SIZE()
	ON_WM_CLOSE()
	ON_WM_PAINT()
	ON_WM_ERASEBKGND()
	ON_WM_QUERYDRAGICON()
	ON_WM_INITMENUPOPUP()
	ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
	ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
	ON_COMMAND(AFX_IDW_TOOLBAR, OnToolBarCheck)
	ON_UPDATE_COMMAND_UI(AFX_IDW_TOOLBAR, OnUpdateToolBarMenu)
END_MESSAGE_MAP()

CTBBDialog::CTBBDialog(UINT nIDTemplate, CWnd* pParent)
	: CDialog(nIDTemplate, pParent), m_hIcon(nullptr), m_pButtons(nullptr), m_nButtons(0), m_nToolBarBitmap(0)
{
}

CTBBDialog::~CTBBDialog()
{
	m_wndToolBar.DestroyWindow();
}

BOOL CTBBDialog::Set(const UINT* pButtons, int nButtons, UINT nToolBarBitmap)
{
	m_pButtons = pButtons;
	m_nButtons = nButtons;
	m_nToolBarBitmap = nToolBarBitmap;
	return TRUE;
}

BOOL CTBBDialog::OnInitDialog()
{
	CDialog::OnInitDialog();
	CreateFrameToolBar(this, m_wndToolBar, m_nToolBarBitmap, m_pButtons, m_nButtons);
	MakeRoomForBars(this);
	SetIcon(m_hIcon, TRUE);
	SetIcon(m_hIcon, FALSE);
	CenterWindow();
	return TRUE;
}

CToolBar* CTBBDialog::GetToolBar()
{
	return &m_wndToolBar;
}

void CTBBDialog::OnSize(UINT nType, int cx, int cy)
{
	CDialog::OnSize(nType, cx, cy);
	if (m_wndToolBar.GetSafeHwnd() != nullptr)
	{
		CRect rcBar;
		m_wndToolBar.GetWindowRect(&rcBar);
		m_wndToolBar.MoveWindow(0, 0, cx, rcBar.Height(), TRUE);
	}
}

void CTBBDialog::OnClose()
{
	Default();
}

// Default painting begins and ends a paint, which erases the background first: Windows erases a
// dialog as it is shown even when its paint handler only validates, our windows only here.
void CTBBDialog::OnPaint()
{
	if (!PaintMinimizedIcon(this, m_hIcon))
		CDialog::OnPaint();
}

BOOL CTBBDialog::OnEraseBkgnd(CDC* pDC)
{
	if (IsIconic() && m_hIcon != nullptr)
		return TRUE;
	return CDialog::OnEraseBkgnd(pDC);
}

HCURSOR CTBBDialog::OnQueryDragIcon()
{
	return reinterpret_cast<HCURSOR>(m_hIcon);
}

void CTBBDialog::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
	UpdateFramePopup(this, pPopupMenu, bSysMenu);
}

BOOL CTBBDialog::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
	return AnswerToolTipRequest(pNMHDR, pResult);
}

void CTBBDialog::OnToolBarCheck()
{
	ToggleBar(m_wndToolBar);
}

void CTBBDialog::OnUpdateToolBarMenu(CCmdUI* pCmdUI)
{
	pCmdUI->SetCheck(m_wndToolBar.IsWindowVisible());
}
