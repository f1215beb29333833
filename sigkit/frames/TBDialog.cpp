// CTBDialog: bars created and given room at initialisation, menu prompts on the status bar,
// tooltips, bar toggles and key indicators.
#include "sigkit/frames/TBDialog.h"

#include "framework/core/BarConstants.h"
#include "framework/core/MenuConstants.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/CmdUI.h"
#include "sigkit/frames/FrameSupport.h"
#include "sigkit/resources/SigkitResourceIds.h"

namespace
{
	constexpr UINT MENU_CLOSED = 0xFFFF;
	constexpr UINT NO_PROMPT_FLAGS = MF_SEPARATOR | MF_POPUP | MF_MENUBREAK | MF_MENUBARBREAK;
	constexpr UINT FIRST_SYSTEM_COMMAND = 0xF000;
	constexpr UINT LAST_SYSTEM_COMMAND = 0xF1EF;
	// System commands prompt with the framework's strings from 0xEF00 on, one per command.
	constexpr UINT SYSTEM_PROMPT_BASE = 0xEF00;
}

IMPLEMENT_DYNAMIC(CTBDialog, CDialog)

BEGIN_MESSAGE_MAP(CTBDialog, CDialog)
	ON_WM_SIZE()
	ON_WM_CLOSE()
	ON_WM_PAINT()
	ON_WM_ERASEBKGND()
	ON_WM_QUERYDRAGICON()
	ON_WM_ENTERIDLE()
	ON_WM_INITMENUPOPUP()
	ON_WM_MENUSELECT()
	ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
	ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
	ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
	ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
	ON_COMMAND(AFX_IDW_STATUS_BAR, OnStatusBarCheck)
	ON_COMMAND(AFX_IDW_TOOLBAR, OnToolBarCheck)
	ON_UPDATE_COMMAND_UI(AFX_IDW_STATUS_BAR, OnUpdateStatusBarMenu)
	ON_UPDATE_COMMAND_UI(AFX_IDW_TOOLBAR, OnUpdateToolBarMenu)
	ON_UPDATE_COMMAND_UI_RANGE(ID_INDICATOR_CAPS, ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

CTBDialog::CTBDialog(UINT nIDTemplate, CWnd* pParent)
	: CDialog(nIDTemplate, pParent), m_hIcon(nullptr), m_nIDTracking(0), m_nIDLastMessage(0),
	  m_pIndicators(nullptr), m_nIndicators(0), m_pButtons(nullptr), m_nButtons(0), m_nToolBarBitmap(0)
{
}

CTBDialog::~CTBDialog()
{
	m_wndToolBar.DestroyWindow();
	m_wndStatusBar.DestroyWindow();
}

BOOL CTBDialog::Set(const UINT* pIndicators, int nIndicators, const UINT* pButtons, int nButtons, UINT nToolBarBitmap)
{
	m_pIndicators = pIndicators;
	m_nIndicators = nIndicators;
	m_pButtons = pButtons;
	m_nButtons = nButtons;
	m_nToolBarBitmap = nToolBarBitmap;
	return TRUE;
}

BOOL CTBDialog::OnInitDialog()
{
	CDialog::OnInitDialog();

	if (m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_HIDE_INPLACE, AFX_IDW_STATUS_BAR))
	{
		m_wndStatusBar.SetIndicators(m_pIndicators, m_nIndicators);
		OnSetMessageString(AFX_IDS_IDLEMESSAGE, 0);
		m_wndStatusBar.SetPaneInfo(0, m_wndStatusBar.GetItemID(0), SBPS_STRETCH, 0);
	}
	CreateFrameToolBar(this, m_wndToolBar, m_nToolBarBitmap, m_pButtons, m_nButtons);
	MakeRoomForBars(this);

	SetIcon(m_hIcon, TRUE);
	SetIcon(m_hIcon, FALSE);
	CenterWindow();
	return TRUE;
}

CToolBar* CTBDialog::GetToolBar()
{
	return &m_wndToolBar;
}

CStatusBar* CTBDialog::GetStatusBar()
{
	return &m_wndStatusBar;
}

void CTBDialog::OnSize(UINT nType, int cx, int cy)
{
	CDialog::OnSize(nType, cx, cy);
	if (m_wndStatusBar.GetSafeHwnd() != nullptr)
	{
		CRect rcBar;
		m_wndStatusBar.GetWindowRect(&rcBar);
		ScreenToClient(&rcBar);
		const int nHeight = rcBar.Height();
		m_wndStatusBar.MoveWindow(rcBar.left, cy - nHeight, cx, nHeight, TRUE);
		m_wndStatusBar.Invalidate();
	}
	if (m_wndToolBar.GetSafeHwnd() != nullptr)
	{
		CRect rcBar;
		m_wndToolBar.GetWindowRect(&rcBar);
		m_wndToolBar.MoveWindow(0, 0, cx, rcBar.Height(), TRUE);
	}
}

void CTBDialog::OnClose()
{
	Default();
}

// Default painting begins and ends a paint, which erases the background first: Windows erases a
// dialog as it is shown even when its paint handler only validates, our windows only here.
void CTBDialog::OnPaint()
{
	if (!PaintMinimizedIcon(this, m_hIcon))
		CDialog::OnPaint();
}

BOOL CTBDialog::OnEraseBkgnd(CDC* pDC)
{
	if (IsIconic() && m_hIcon != nullptr)
		return TRUE;
	return CDialog::OnEraseBkgnd(pDC);
}

HCURSOR CTBDialog::OnQueryDragIcon()
{
	return reinterpret_cast<HCURSOR>(m_hIcon);
}

void CTBDialog::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU)
{
	if (nFlags == MENU_CLOSED)
	{
		m_nIDTracking = AFX_IDS_IDLEMESSAGE;
		OnSetMessageString(AFX_IDS_IDLEMESSAGE, 0);
	}
	else if (nItemID == 0 || (nFlags & NO_PROMPT_FLAGS) != 0)
		m_nIDTracking = 0;
	else if (nItemID < FIRST_SYSTEM_COMMAND || nItemID > LAST_SYSTEM_COMMAND)
		m_nIDTracking = nItemID;
	else
		m_nIDTracking = ((nItemID - FIRST_SYSTEM_COMMAND) >> 4) + SYSTEM_PROMPT_BASE;
}

// The tracked prompt reaches the status bar when the menu loop goes idle.
void CTBDialog::OnEnterIdle(UINT nWhy, CWnd*)
{
	if (nWhy == MSGF_MENU && m_nIDTracking != m_nIDLastMessage)
		OnSetMessageString(m_nIDTracking, 0);
}

void CTBDialog::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
	UpdateFramePopup(this, pPopupMenu, bSysMenu);
}

// The prompt is the first line of the command's string; an id without a string leaves the
// text as it was.
LRESULT CTBDialog::OnSetMessageString(WPARAM wParam, LPARAM)
{
	const UINT nID = static_cast<UINT>(wParam);
	CString strMessage;
	if (nID != 0 && strMessage.LoadString(nID) && m_wndStatusBar.GetSafeHwnd() != nullptr)
	{
		const int nBreak = strMessage.Find('\n');
		if (nBreak >= 0)
			strMessage = strMessage.Left(nBreak);
		m_wndStatusBar.SetPaneText(0, strMessage);
	}
	const UINT nPrevious = m_nIDLastMessage;
	m_nIDLastMessage = nID;
	m_nIDTracking = nID;
	return nPrevious;
}

LRESULT CTBDialog::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
	if (m_nFlags & WF_NOPOPMSG)
		return 0;
	return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

BOOL CTBDialog::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
	return AnswerToolTipRequest(pNMHDR, pResult);
}

void CTBDialog::OnStatusBarCheck()
{
	ToggleBar(m_wndStatusBar);
}

void CTBDialog::OnToolBarCheck()
{
	ToggleBar(m_wndToolBar);
}

void CTBDialog::OnUpdateStatusBarMenu(CCmdUI* pCmdUI)
{
	pCmdUI->SetCheck(m_wndStatusBar.IsWindowVisible());
}

void CTBDialog::OnUpdateToolBarMenu(CCmdUI* pCmdUI)
{
	pCmdUI->SetCheck(m_wndToolBar.IsWindowVisible());
}

void CTBDialog::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
	int nKey;
	switch (pCmdUI->m_nID)
	{
	case ID_INDICATOR_CAPS:
		nKey = VK_CAPITAL;
		break;
	case ID_INDICATOR_NUM:
		nKey = VK_NUMLOCK;
		break;
	case ID_INDICATOR_SCRL:
		nKey = VK_SCROLL;
		break;
	default:
		pCmdUI->ContinueRouting();
		return;
	}
	pCmdUI->Enable(GetKeyState(nKey) & 1);
}
