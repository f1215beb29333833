// Building a dialog's window from its template: frame, place, font, controls in template order,
// then WM_INITDIALOG and the first focus.
#include "framework/ui/dialog/Dialog.h"

#include "framework/core/DialogUnits.h"
#include "framework/ui/dialog/DialogClass.h"
#include "framework/ui/dialog/DialogLayout.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/dialog/DialogFrame.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/WindowMenus.h"

BOOL CDialog::CreateFromTemplate(const DialogTemplate* pTemplate, CWnd* pParentWnd, BOOL bModal)
{
	if (pTemplate == nullptr || m_hWnd != nullptr)
	{
		return FALSE;
	}
	const bool bChild = (pTemplate->dwStyle & WS_CHILD) != 0;
	CWnd* pOwner = bChild ? pParentWnd : FindOwner(pParentWnd, bModal);
	// A control's dialog owns a dialog opened from it: the owner is the nearest window that is not a child.
	while (pOwner != nullptr && !bChild && (pOwner->GetStyle() & WS_CHILD) != 0)
	{
		pOwner = pOwner->GetParent();
	}
	const CSize sizeClient = AfxDialogClientSize(*pTemplate);
	const DWORD dwStyle = pTemplate->dwStyle & ~WS_VISIBLE;
	if (!CreateEx(AfxDialogWindowExStyle(*pTemplate), DIALOG_CLASS_NAME,
			pTemplate->lpszCaption != nullptr ? pTemplate->lpszCaption : "", dwStyle, 0, 0, sizeClient.cx,
			sizeClient.cy, pOwner != nullptr ? pOwner->m_hWnd : nullptr, nullptr))
	{
		return FALSE;
	}
	DialogApplyFrame(m_hWnd, bModal != FALSE);
	// The template's menu bar lies above the client area, which keeps the template's size; the
	// window destroys the menu with itself.
	if (pTemplate->nMenuID != 0 && !bChild)
	{
		HMENU hMenu = ::LoadMenu(nullptr, MAKEINTRESOURCE(pTemplate->nMenuID));
		if (hMenu != nullptr)
		{
			::SetMenu(m_hWnd, hMenu);
		}
	}
	MoveWindow(PlaceWindow(pTemplate, pOwner), FALSE);
	if ((pTemplate->dwStyle & DS_SETFONT) != 0 && pTemplate->lpszFontFace != nullptr && m_font.m_hObject == nullptr)
	{
		m_font.CreatePointFont(pTemplate->wPointSize * 10, pTemplate->lpszFontFace);
	}
	if (m_font.m_hObject != nullptr)
	{
		SetFont(&m_font, FALSE);
	}
	if (!CreateItems(pTemplate))
	{
		DestroyWindow();
		return FALSE;
	}
	HWND hWnd = m_hWnd;
	CWnd* pFirst = GetNextDlgTabItem(nullptr);
	const BOOL bFocusFirst =
		SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(pFirst != nullptr ? pFirst->m_hWnd : nullptr), 0) != 0;
	if (!::IsWindow(hWnd))
	{
		return FALSE;
	}
	// A modal dialog is shown whatever its template says. The focus comes after showing, since
	// a window that appears takes the desktop's focus.
	if (bModal || (pTemplate->dwStyle & WS_VISIBLE) != 0)
	{
		ShowWindow(SW_SHOWNORMAL);
	}
	if (bFocusFirst && ::IsWindow(hWnd))
	{
		GotoDlgCtrl(GetNextDlgTabItem(nullptr));
	}
	return ::IsWindow(hWnd);
}

// The window rectangle: the template's client size plus the frame, centred with DS_CENTER
// (over the owner when it is on screen, else on the screen; Windows always uses the screen's
// work area), otherwise at the template's position from the owner's client area.
CRect CDialog::PlaceWindow(const DialogTemplate* pTemplate, CWnd* pOwner)
{
	CRect rcWindow;
	CRect rcClient;
	GetWindowRect(&rcWindow);
	GetClientRect(&rcClient);
	const CSize sizeClient = AfxDialogClientSize(*pTemplate);
	const CSize sizeWindow(sizeClient.cx + rcWindow.Width() - rcClient.Width(),
		sizeClient.cy + rcWindow.Height() - rcClient.Height());
	const CRect rcScreen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
	const bool bChild = (pTemplate->dwStyle & WS_CHILD) != 0;
	CPoint ptTopLeft = DialogUnitsToPixels(CPoint(pTemplate->x, pTemplate->y));
	if ((pTemplate->dwStyle & DS_CENTER) != 0)
	{
		CRect rcArea = rcScreen;
		if (bChild && pOwner != nullptr)
		{
			pOwner->GetClientRect(&rcArea);
		}
		else if (pOwner != nullptr && pOwner->IsWindowVisible() && !pOwner->IsIconic())
		{
			pOwner->GetWindowRect(&rcArea);
		}
		ptTopLeft = AfxCenteredPosition(rcArea, sizeWindow, bChild ? rcArea : rcScreen);
	}
	else if (!bChild && pOwner != nullptr)
	{
		pOwner->ClientToScreen(&ptTopLeft);
	}
	return CRect(ptTopLeft, sizeWindow);
}

BOOL CDialog::CreateItems(const DialogTemplate* pTemplate)
{
	for (UINT i = 0; i < pTemplate->nItems; ++i)
	{
		const DialogItemTemplate& item = pTemplate->pItems[i];
		// Each control gets a CWnd only while it is made, so that DDX_Control and
		// SubclassDlgItem can attach the dialog's own objects later.
		CWnd wndItem;
		if (!wndItem.CreateEx(item.dwExStyle, item.lpszClass, item.lpszText != nullptr ? item.lpszText : "",
				AfxDialogItemStyle(item), AfxDialogItemRect(item), this, item.nID))
		{
			return FALSE;
		}
		if (m_font.m_hObject != nullptr)
		{
			wndItem.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
		}
		wndItem.Detach();
	}
	return TRUE;
}
