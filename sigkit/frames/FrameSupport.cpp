// Steps shared by CTBDialog and CTBBDialog.
#include "sigkit/frames/FrameSupport.h"

#include "framework/core/BarConstants.h"
#include "framework/ui/bars/BarTypes.h"
#include "framework/ui/bars/RepositionBars.h"
#include "framework/ui/bars/ToolBar.h"
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/window/CmdUI.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/system/SystemServices.h"

#include <algorithm>
#include <cstring>

namespace
{
	constexpr int TOOLTIP_BUFFER = 80;
	constexpr int STRING_LIMIT = 256;

	// Decodes UTF-8 into at most nMax - 1 wide characters and a terminator; bytes that do not
	// form a character are skipped.
	void Utf8ToWide(const char* pText, WCHAR* pWide, int nMax)
	{
		int nOut = 0;
		const unsigned char* p = reinterpret_cast<const unsigned char*>(pText);
		while (*p != 0 && nOut < nMax - 1)
		{
			unsigned nCode = *p++;
			int nMore = nCode >= 0xF0 ? 3 : nCode >= 0xE0 ? 2 : nCode >= 0xC0 ? 1 : 0;
			if (nCode >= 0x80 && nMore == 0)
				continue;
			nCode &= nMore == 3 ? 0x07 : nMore == 2 ? 0x0F : nMore == 1 ? 0x1F : 0x7F;
			for (; nMore > 0 && (*p & 0xC0) == 0x80; nMore--)
				nCode = (nCode << 6) | (*p++ & 0x3F);
			if (nMore == 0)
				pWide[nOut++] = WCHAR(nCode);
		}
		pWide[nOut] = 0;
	}

	UINT ToolCommandId(const NMHDR* pNMHDR, UINT uFlags)
	{
		UINT nID = UINT(pNMHDR->idFrom);
		if (uFlags & TTF_IDISHWND)
		{
			CWnd* pTool = CWnd::FromHandle(reinterpret_cast<HWND>(pNMHDR->idFrom));
			nID = pTool != nullptr ? UINT(pTool->GetDlgCtrlID()) : 0;
		}
		return nID;
	}
}

void CreateFrameToolBar(CDialog* pDialog, CToolBar& toolBar, UINT nBitmap, const UINT* pButtons, int nButtons)
{
	if (toolBar.GetSafeHwnd() == nullptr && toolBar.Create(pDialog, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR))
	{
		toolBar.LoadBitmap(nBitmap);
		toolBar.SetButtons(pButtons, nButtons);
	}
	toolBar.SetBarStyle(toolBar.GetBarStyle() | FRAME_TOOLBAR_STYLE_BITS);
}

void MakeRoomForBars(CDialog* pDialog)
{
	CRect rcClientStart;
	pDialog->GetClientRect(&rcClientStart);
	CRect rcClientNow;
	AfxRepositionBars(pDialog, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0, reposQuery, &rcClientNow,
		&rcClientStart);

	const CPoint ptOffset(rcClientNow.left - rcClientStart.left, rcClientNow.top - rcClientStart.top);
	for (CWnd* pChild = pDialog->GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetNextWindow())
	{
		CRect rcChild;
		pChild->GetWindowRect(&rcChild);
		pDialog->ScreenToClient(&rcChild);
		rcChild.OffsetRect(ptOffset);
		pChild->MoveWindow(&rcChild, FALSE);
	}

	CRect rcWindow;
	pDialog->GetWindowRect(&rcWindow);
	rcWindow.right += rcClientStart.Width() - rcClientNow.Width();
	rcWindow.bottom += rcClientStart.Height() - rcClientNow.Height();
	pDialog->MoveWindow(&rcWindow, FALSE);

	AfxRepositionBars(pDialog, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);
}

CString ToolTipFromString(UINT nID)
{
	CString strFull;
	if (nID == 0 || !strFull.LoadString(nID))
		return CString();
	strFull = strFull.Left(STRING_LIMIT);
	const int nBreak = strFull.Find('\n');
	return nBreak < 0 ? CString() : strFull.Mid(nBreak + 1);
}

BOOL AnswerToolTipRequest(NMHDR* pNMHDR, LRESULT* pResult)
{
	CString strTip;
	if (pNMHDR->code == TTN_NEEDTEXTA)
	{
		TOOLTIPTEXTA* pText = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
		strTip = ToolTipFromString(ToolCommandId(pNMHDR, pText->uFlags));
		std::strncpy(pText->szText, strTip, TOOLTIP_BUFFER - 1);
		pText->szText[TOOLTIP_BUFFER - 1] = '\0';
	}
	else
	{
		TOOLTIPTEXTW* pText = reinterpret_cast<TOOLTIPTEXTW*>(pNMHDR);
		strTip = ToolTipFromString(ToolCommandId(pNMHDR, pText->uFlags));
		Utf8ToWide(strTip, pText->szText, TOOLTIP_BUFFER);
	}
	*pResult = 0;
	CWnd* pTip = CWnd::FromHandle(pNMHDR->hwndFrom);
	if (pTip != nullptr)
		pTip->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
	return TRUE;
}

void UpdateFramePopup(CCmdTarget* pTarget, CMenu* pPopupMenu, BOOL bSysMenu)
{
	if (!bSysMenu)
		AfxUpdateMenuPopup(pPopupMenu, pTarget, TRUE);
}

BOOL PaintMinimizedIcon(CWnd* pWnd, HICON hIcon)
{
	if (!pWnd->IsIconic() || hIcon == nullptr)
		return FALSE;
	CPaintDC dc(pWnd);
	pWnd->SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
	CRect rcClient;
	pWnd->GetClientRect(&rcClient);
	dc.DrawIcon((rcClient.right - GetSystemMetrics(SM_CXICON)) / 2, (rcClient.bottom - GetSystemMetrics(SM_CYICON)) / 2,
		hIcon);
	return TRUE;
}

void ToggleBar(CWnd& bar)
{
	bar.ShowWindow(bar.IsWindowVisible() ? SW_HIDE : SW_SHOWNA);
}

namespace
{
	BOOL IsShownBar(CWnd& bar)
	{
		return bar.GetSafeHwnd() != nullptr && (bar.GetStyle() & WS_VISIBLE) != 0;
	}

}

CRect RectInFrame(CWnd* pFrame, CWnd& child)
{
	CRect rc;
	child.GetWindowRect(&rc);
	pFrame->ScreenToClient(&rc);
	return rc;
}

CRect AreaBetweenBars(CWnd* pFrame, CWnd& toolBar, CWnd* pStatusBar)
{
	CRect rcArea;
	pFrame->GetClientRect(&rcArea);
	if (IsShownBar(toolBar))
		rcArea.top = RectInFrame(pFrame, toolBar).bottom;
	if (pStatusBar != nullptr && IsShownBar(*pStatusBar))
		rcArea.bottom = RectInFrame(pFrame, *pStatusBar).top;
	return rcArea;
}

void KeepAreaBetweenBars(CWnd* pFrame, const CRect& rcBetweenBars, const CSize& sizeArea, MINMAXINFO* lpMMI)
{
	CRect rcWindow;
	pFrame->GetWindowRect(&rcWindow);
	CRect rcClient;
	pFrame->GetClientRect(&rcClient);
	const int nBars = rcClient.Height() - rcBetweenBars.Height();
	lpMMI->ptMinTrackSize.x = std::max<LONG>(lpMMI->ptMinTrackSize.x, sizeArea.cx + rcWindow.Width() - rcClient.Width());
	lpMMI->ptMinTrackSize.y =
		std::max<LONG>(lpMMI->ptMinTrackSize.y, sizeArea.cy + nBars + rcWindow.Height() - rcClient.Height());
}
