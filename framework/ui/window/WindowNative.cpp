// A window's native window: making it, showing it, and what the desktop is told of a top-level
// one (its frame, title and icon).
#include "framework/ui/window/WindowRecord.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/DesktopFrame.h"

void CreateNativeWindowFor(CWindowRecord& record)
{
	NativeWindowRequest request = {};
	request.nKind = record.m_pClass->nNativeKind;
	request.bChild = record.IsChildWindow();
	request.dwStyle = record.m_dwStyle;
	request.dwExStyle = record.m_dwExStyle;
	request.strText = record.m_strText;
	// An owned window is held by its owner's top-level window, so the desktop keeps it above.
	if (record.m_pParent != nullptr)
	{
		CWindowRecord* pHolder = request.bChild ? record.m_pParent : record.m_pParent->TopLevel();
		request.hHolder = pHolder->m_bNative ? pHolder->Handle() : nullptr;
	}
	CDriver& driver = AfxGetDriver();
	driver.CreateNativeWindow(record.Handle(), request);
	record.m_bNative = true;
	if (!request.bChild)
	{
		driver.WatchMenuKeys(record.Handle());
		record.ApplyDesktopFrame();
		driver.SetNativeTitle(record.Handle(), record.m_strText);
	}
	driver.EnableNativeWindow(record.Handle(), !request.bChild || (record.m_dwStyle & WS_DISABLED) == 0);
	if ((record.m_dwExStyle & WS_EX_ACCEPTFILES) != 0)
	{
		driver.AcceptFileDrops(record.Handle(), true);
	}
	if (request.bChild && (record.m_dwStyle & WS_VISIBLE) == 0)
	{
		// A toolkit shows every child with its parent unless the child was hidden explicitly.
		driver.ShowNativeWindow(record.Handle(), NativeShow::Hide);
	}
	record.ApplyGeometry();
}

void CWindowRecord::ApplyDesktopFrame()
{
	if (IsChildWindow() || !m_bNative)
	{
		return;
	}
	const bool bOwned = m_pParent != nullptr && m_pParent->TopLevel()->m_bNative;
	AfxGetDriver().SetNativeFrame(Handle(), AfxDesktopFrameOf(m_dwStyle, m_dwExStyle, bOwned),
		(m_dwExStyle & WS_EX_TOPMOST) != 0, m_bModalFrame && bOwned);
}

void CWindowRecord::Show(bool bShow, int nCmdShow)
{
	bool bWasVisible = (m_dwStyle & WS_VISIBLE) != 0;
	HWND hWnd = Handle();
	if (bShow != bWasVisible)
	{
		Send(WM_SHOWWINDOW, bShow ? TRUE : FALSE, 0);
		if (FromHandle(hWnd) == nullptr)
		{
			return;
		}
	}
	if (bShow)
	{
		m_dwStyle |= WS_VISIBLE;
	}
	else
	{
		m_dwStyle &= ~WS_VISIBLE;
	}
	m_bIconic = nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINIMIZED || nCmdShow == SW_SHOWMINNOACTIVE
		|| (m_bIconic && nCmdShow != SW_RESTORE && nCmdShow != SW_SHOWNORMAL && nCmdShow != SW_MAXIMIZE);
	m_bZoomed = nCmdShow == SW_MAXIMIZE || (m_bZoomed && bShow && nCmdShow != SW_RESTORE && nCmdShow != SW_SHOWNORMAL);
	if (m_bNative)
	{
		NativeShow nShow = NativeShow::Normal;
		if (!bShow)
		{
			nShow = NativeShow::Hide;
		}
		else if (IsChildWindow())
		{
			nShow = NativeShow::Show;
		}
		else if (m_bIconic)
		{
			nShow = NativeShow::Minimized;
		}
		else if (m_bZoomed)
		{
			nShow = NativeShow::Maximized;
		}
		AfxGetDriver().ShowNativeWindow(hWnd, nShow);
	}
	if (bShow && !bWasVisible)
	{
		InvalidateClient(true);
	}
}
