// TrackPopupMenu: a popup shown at a point, run as a modal interaction through the testing seam,
// whose answer is the command chosen.
#include "framework/ui/window/WindowMenus.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/menu/MenuRecord.h"
#include "framework/ui/window/EventLoops.h"
#include "framework/ui/window/MenuLoop.h"
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/Wnd.h"

namespace
{

// Shows the popup and runs the event loop until it closes; the command chosen, or 0.
UINT ShowTracked(HMENU hMenu, UINT uFlags, int x, int y)
{
	if (!::IsMenu(hMenu) || !MenuSessionOpen())
	{
		return 0;
	}
	CDriver& driver = AfxGetDriver();
	if (driver.ShowMenuPopup(hMenu, MenuTrackedOrigin(driver.MenuPopupSize(hMenu), uFlags, CPoint(x, y))))
	{
		CAppLoopFrame frame(true, [](LONG) { return FALSE; }, [] { return MenuSessionOpen() ? TRUE : FALSE; });
		frame.Exec();
	}
	// The loop also ends when the window goes or the program quits, with the popup still up.
	driver.HideMenuPopup(hMenu);
	return MenuSessionChoice();
}

// A command the user could have chosen: an item of the popup (or of its popups) not greyed.
bool IsChoosable(HMENU hMenu, UINT nID)
{
	const UINT nState = nID != 0 ? ::GetMenuState(hMenu, nID, MF_BYCOMMAND) : 0xFFFFFFFF;
	return nState != 0xFFFFFFFF && (nState & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_POPUP)) == 0;
}

}

CPoint MenuTrackedOrigin(const CSize& size, UINT uFlags, const CPoint& pt)
{
	CPoint ptOrigin = pt;
	if ((uFlags & TPM_RIGHTALIGN) != 0)
	{
		ptOrigin.x -= size.cx;
	}
	else if ((uFlags & TPM_CENTERALIGN) != 0)
	{
		ptOrigin.x -= size.cx / 2;
	}
	if ((uFlags & TPM_BOTTOMALIGN) != 0)
	{
		ptOrigin.y -= size.cy;
	}
	else if ((uFlags & TPM_VCENTERALIGN) != 0)
	{
		ptOrigin.y -= size.cy / 2;
	}
	return ptOrigin;
}

// The seam is asked with the menu in pData and the TPM_ flags in nType, after WM_INITMENUPOPUP,
// and answers with the command chosen (0 for none).
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, LPCRECT)
{
	CMenuRecord* pRecord = CMenuRecord::FromHandle(hMenu);
	if (pRecord == nullptr || !MenuBeginSession(hWnd, hMenu, true, (uFlags & TPM_NONOTIFY) == 0))
	{
		return FALSE;
	}
	const bool bSystemMenu = pRecord->m_bSystemMenu;
	MenuInitRootPopup(hMenu);
	ModalRequest request = {};
	request.nKind = ModalKind::PopupMenu;
	request.pOwner = CWnd::FromHandle(hWnd);
	request.nType = uFlags;
	request.pData = hMenu;
	request.pfnShow = [hMenu, uFlags, x, y] { return static_cast<INT_PTR>(ShowTracked(hMenu, uFlags, x, y)); };
	const INT_PTR nAnswer = AfxDoModalRequest(request);
	const UINT nID = nAnswer > 0 && IsChoosable(hMenu, static_cast<UINT>(nAnswer)) ? static_cast<UINT>(nAnswer) : 0;
	MenuEndSession();
	if ((uFlags & TPM_RETURNCMD) != 0)
	{
		return static_cast<BOOL>(nID);
	}
	if (nID != 0 && (uFlags & TPM_NONOTIFY) == 0)
	{
		::PostMessage(hWnd, bSystemMenu ? WM_SYSCOMMAND : WM_COMMAND,
			bSystemMenu ? nID : MAKEWPARAM(static_cast<WORD>(nID), 0), 0);
	}
	return TRUE;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
	return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr, lpRect);
}
