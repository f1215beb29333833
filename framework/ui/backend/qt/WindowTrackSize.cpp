// Track size limits: asking the window, bringing a new size within them, and the widget's
// minimum that holds the desktop to them.
#include "framework/ui/backend/qt/WindowTrackSize.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/window/UserServices.h"

#include <QSize>
#include <QWidget>

#include <algorithm>

bool HasTrackSize(const CWindowHost& host)
{
	if (host.IsChildWindow())
	{
		return false;
	}
	return (host.m_dwStyle & WS_THICKFRAME) != 0 || (host.m_dwStyle & WS_POPUP) == 0;
}

bool QueryTrackSize(CWindowHost& host, MINMAXINFO& info)
{
	if (!HasTrackSize(host))
	{
		return false;
	}
	// The defaults Windows fills in: maximised, the client area covers the screen and the border
	// lies just off it; the smallest track size is the system's minimum window.
	const CRect margins = host.NonClientMargins();
	info = {};
	info.ptReserved = host.m_rcWindow.TopLeft();
	info.ptMaxSize.x = GetSystemMetrics(SM_CXSCREEN) + margins.left + margins.right;
	info.ptMaxSize.y = GetSystemMetrics(SM_CYSCREEN) + margins.top + margins.bottom;
	info.ptMaxPosition.x = -margins.left;
	info.ptMaxPosition.y = -margins.top;
	info.ptMinTrackSize.x = GetSystemMetrics(SM_CXMIN);
	info.ptMinTrackSize.y = GetSystemMetrics(SM_CYMIN);
	info.ptMaxTrackSize = info.ptMaxSize;
	HWND hWnd = host.Handle();
	host.Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
	return CWindowHost::FromHandle(hWnd) != nullptr;
}

CRect WithinTrackSize(const CRect& rcWindow, const MINMAXINFO& info)
{
	CRect rc = rcWindow;
	rc.right = rc.left + std::max(rc.Width(), static_cast<int>(info.ptMinTrackSize.x));
	rc.bottom = rc.top + std::max(rc.Height(), static_cast<int>(info.ptMinTrackSize.y));
	return rc;
}

// The widget holds the menu bar and the client area; the rest of the frame is the desktop's.
void SetWidgetMinimum(CWindowHost& host, POINT ptMinTrackSize)
{
	if (host.m_pWidget == nullptr)
	{
		return;
	}
	const CRect margins = host.NonClientMargins();
	const int nFrameWidth = margins.left + margins.right;
	const int nFrameHeight = margins.top + margins.bottom - host.m_nMenuBarHeight;
	const QSize size(std::max(0, static_cast<int>(ptMinTrackSize.x) - nFrameWidth),
		std::max(0, static_cast<int>(ptMinTrackSize.y) - nFrameHeight));
	if (host.m_pWidget->minimumSize() != size)
	{
		host.m_pWidget->setMinimumSize(size);
	}
}

CSize WidgetMinimum(const CWindowHost& host)
{
	if (host.m_pWidget == nullptr)
	{
		return CSize(0, 0);
	}
	const CRect margins = host.NonClientMargins();
	const QSize size = host.m_pWidget->minimumSize();
	return CSize(size.width() + margins.left + margins.right,
		size.height() + margins.top + margins.bottom - host.m_nMenuBarHeight);
}
