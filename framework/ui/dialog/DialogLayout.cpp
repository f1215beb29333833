// Dialog template geometry through the fixed dialog base units.
#include "framework/ui/dialog/DialogLayout.h"

#include "framework/core/ControlConstants.h"
#include "framework/core/DialogUnits.h"

CRect AfxDialogItemRect(const DialogItemTemplate& item)
{
	return DialogUnitsToPixels(CRect(item.x, item.y, item.x + item.cx, item.y + item.cy));
}

CSize AfxDialogClientSize(const DialogTemplate& dlgTemplate)
{
	return CSize(DialogUnitsToPixels(CPoint(dlgTemplate.cx, dlgTemplate.cy)));
}

CPoint AfxCenteredPosition(const CRect& rcArea, CSize sizeWindow, const CRect& rcScreen)
{
	CPoint ptTopLeft(rcArea.left + (rcArea.Width() - sizeWindow.cx) / 2,
		rcArea.top + (rcArea.Height() - sizeWindow.cy) / 2);
	if (ptTopLeft.x + sizeWindow.cx > rcScreen.right)
	{
		ptTopLeft.x = rcScreen.right - sizeWindow.cx;
	}
	if (ptTopLeft.y + sizeWindow.cy > rcScreen.bottom)
	{
		ptTopLeft.y = rcScreen.bottom - sizeWindow.cy;
	}
	if (ptTopLeft.x < rcScreen.left)
	{
		ptTopLeft.x = rcScreen.left;
	}
	if (ptTopLeft.y < rcScreen.top)
	{
		ptTopLeft.y = rcScreen.top;
	}
	return ptTopLeft;
}

DWORD AfxDialogWindowExStyle(const DialogTemplate& dlgTemplate)
{
	DWORD dwExStyle = dlgTemplate.dwExStyle;
	if ((dlgTemplate.dwStyle & DS_MODALFRAME) != 0)
	{
		dwExStyle |= WS_EX_DLGMODALFRAME;
	}
	if ((dlgTemplate.dwStyle & DS_CONTROL) != 0)
	{
		dwExStyle |= WS_EX_CONTROLPARENT;
	}
	return dwExStyle;
}

DWORD AfxDialogItemStyle(const DialogItemTemplate& item)
{
	return item.dwStyle | WS_CHILD;
}
