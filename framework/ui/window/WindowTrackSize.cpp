// Track size limits: asking the window, bringing a new size within them, and the native window's
// minimum that holds the desktop to them.
#include "framework/ui/window/WindowTrackSize.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/system/SystemServices.h"

#include <algorithm>

bool HasTrackSize(const CWindowRecord& record)
{
	if (record.IsChildWindow())
	{
		return false;
	}
	return (record.m_dwStyle & WS_THICKFRAME) != 0 || (record.m_dwStyle & WS_POPUP) == 0;
}

bool QueryTrackSize(CWindowRecord& record, MINMAXINFO& info)
{
	if (!HasTrackSize(record))
	{
		return false;
	}
	// The defaults Windows fills in: maximised, the client area covers the screen and the border
	// lies just off it; the smallest track size is the system's minimum window.
	const CRect margins = record.NonClientMargins();
	info = {};
	info.ptReserved = record.m_rcWindow.TopLeft();
	info.ptMaxSize.x = GetSystemMetrics(SM_CXSCREEN) + margins.left + margins.right;
	info.ptMaxSize.y = GetSystemMetrics(SM_CYSCREEN) + margins.top + margins.bottom;
	info.ptMaxPosition.x = -margins.left;
	info.ptMaxPosition.y = -margins.top;
	info.ptMinTrackSize.x = GetSystemMetrics(SM_CXMIN);
	info.ptMinTrackSize.y = GetSystemMetrics(SM_CYMIN);
	info.ptMaxTrackSize = info.ptMaxSize;
	HWND hWnd = record.Handle();
	record.Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
	return CWindowRecord::FromHandle(hWnd) != nullptr;
}

CRect WithinTrackSize(const CRect& rcWindow, const MINMAXINFO& info)
{
	CRect rc = rcWindow;
	rc.right = rc.left + std::max(rc.Width(), static_cast<int>(info.ptMinTrackSize.x));
	rc.bottom = rc.top + std::max(rc.Height(), static_cast<int>(info.ptMinTrackSize.y));
	return rc;
}

// The native window holds the menu bar and the client area; the rest of the frame is the desktop's.
void SetNativeMinimum(CWindowRecord& record, POINT ptMinTrackSize)
{
	if (!record.m_bNative)
	{
		return;
	}
	const CRect margins = record.NonClientMargins();
	const int nFrameWidth = margins.left + margins.right;
	const int nFrameHeight = margins.top + margins.bottom - record.m_nMenuBarHeight;
	AfxGetDriver().SetNativeMinimumSize(record.Handle(), CSize(std::max(0, static_cast<int>(ptMinTrackSize.x) - nFrameWidth),
		std::max(0, static_cast<int>(ptMinTrackSize.y) - nFrameHeight)));
}

CSize NativeMinimum(CWindowRecord& record)
{
	if (!record.m_bNative)
	{
		return CSize(0, 0);
	}
	const CRect margins = record.NonClientMargins();
	const CSize size = AfxGetDriver().NativeMinimumSize(record.Handle());
	return CSize(size.cx + margins.left + margins.right, size.cy + margins.top + margins.bottom - record.m_nMenuBarHeight);
}
