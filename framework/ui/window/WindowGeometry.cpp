// Where a window and its client area lie: border thicknesses from the style, screen positions,
// moving or sizing with WM_MOVE and WM_SIZE, and the native windows placed to match.
#include "framework/ui/window/WindowRecord.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/WindowTrackSize.h"

#include <algorithm>

CRect CWindowRecord::NonClientMargins() const
{
	int nFrame = 0;
	if ((m_dwStyle & WS_THICKFRAME) != 0)
	{
		nFrame = GetSystemMetrics(SM_CXFRAME);
	}
	else if ((m_dwStyle & WS_DLGFRAME) != 0 || (m_dwExStyle & WS_EX_DLGMODALFRAME) != 0)
	{
		nFrame = GetSystemMetrics(SM_CXDLGFRAME);
	}
	else if ((m_dwStyle & WS_BORDER) != 0)
	{
		nFrame = GetSystemMetrics(SM_CXBORDER);
	}
	if ((m_dwExStyle & WS_EX_CLIENTEDGE) != 0)
	{
		nFrame += GetSystemMetrics(SM_CXEDGE);
	}
	CRect margins(nFrame, nFrame, nFrame, nFrame);
	if ((m_dwStyle & WS_CAPTION) == WS_CAPTION)
	{
		margins.top += GetSystemMetrics(SM_CYCAPTION);
	}
	margins.top += m_nMenuBarHeight;
	return margins;
}

CSize CWindowRecord::ClientSize() const
{
	CRect margins = NonClientMargins();
	return CSize(std::max(0, m_rcWindow.Width() - margins.left - margins.right),
		std::max(0, m_rcWindow.Height() - margins.top - margins.bottom));
}

CPoint CWindowRecord::ClientOriginOnScreen() const
{
	CRect margins = NonClientMargins();
	return WindowRectOnScreen().TopLeft() + CPoint(margins.left, margins.top);
}

CRect CWindowRecord::WindowRectOnScreen() const
{
	if (IsChildWindow() && m_pParent != nullptr)
	{
		return m_rcWindow + m_pParent->ClientOriginOnScreen();
	}
	return m_rcWindow;
}

CPoint CWindowRecord::ClientOffsetInNative() const
{
	if (!IsChildWindow())
	{
		return CPoint(0, m_nMenuBarHeight);
	}
	CRect margins = NonClientMargins();
	return CPoint(margins.left, margins.top);
}

void CWindowRecord::ApplyGeometry()
{
	if (!m_bNative)
	{
		return;
	}
	NativeGeometry geometry;
	geometry.ptClient = ClientOffsetInNative();
	geometry.bFixedSize = !IsChildWindow() && (m_dwStyle & WS_THICKFRAME) == 0;
	if (IsChildWindow())
	{
		CPoint parentOffset = m_pParent != nullptr ? m_pParent->ClientOffsetInNative() : CPoint(0, 0);
		geometry.rcNative = m_rcWindow + parentOffset;
	}
	else
	{
		CPoint origin = ClientOriginOnScreen();
		CSize size = ClientSize();
		geometry.rcNative.SetRect(origin.x, origin.y - m_nMenuBarHeight, origin.x + size.cx,
			origin.y + size.cy);
	}
	AfxGetDriver().SetNativeGeometry(Handle(), geometry);
	for (CWindowRecord* pChild : m_children)
	{
		pChild->ApplyGeometry();
	}
}

void CWindowRecord::PlaceInZOrder(HWND hWndInsertAfter)
{
	if (!m_bNative)
	{
		return;
	}
	CDriver& driver = AfxGetDriver();
	const bool bTopMostPlace = hWndInsertAfter == HWND_TOPMOST || hWndInsertAfter == HWND_NOTOPMOST;
	if (bTopMostPlace && !IsChildWindow())
	{
		const DWORD dwTopMost = hWndInsertAfter == HWND_TOPMOST ? WS_EX_TOPMOST : 0;
		if ((m_dwExStyle & WS_EX_TOPMOST) != dwTopMost)
		{
			m_dwExStyle = (m_dwExStyle & ~WS_EX_TOPMOST) | dwTopMost;
			ApplyDesktopFrame();
		}
	}
	if (hWndInsertAfter == HWND_TOP || bTopMostPlace)
	{
		driver.RaiseNativeWindow(Handle());
	}
	else if (hWndInsertAfter == HWND_BOTTOM)
	{
		driver.LowerNativeWindow(Handle());
	}
	else if (CWindowRecord* pAfter = FromHandle(hWndInsertAfter))
	{
		// Native windows stack only among the children of one holder.
		if (pAfter != this && pAfter->m_bNative && IsChildWindow() && pAfter->IsChildWindow()
			&& pAfter->m_pParent == m_pParent)
		{
			driver.StackNativeWindowUnder(Handle(), pAfter->Handle());
		}
	}
}

void CWindowRecord::MoveToParent(CWindowRecord* pNewParent)
{
	auto& oldSiblings = m_pParent->m_children;
	oldSiblings.erase(std::remove(oldSiblings.begin(), oldSiblings.end(), this), oldSiblings.end());
	m_pParent = pNewParent;
	pNewParent->m_children.push_back(this);
	if (m_bNative && pNewParent->m_bNative)
	{
		CDriver& driver = AfxGetDriver();
		driver.ReparentNativeWindow(Handle(), pNewParent->Handle());
		ApplyGeometry();
		// A visible window stays visible, as on Windows.
		driver.ShowNativeWindow(Handle(), (m_dwStyle & WS_VISIBLE) != 0 ? NativeShow::Show : NativeShow::Hide);
		driver.RaiseNativeWindow(Handle());
	}
}

void CWindowRecord::SetWindowRect(const CRect& rcWindow, bool bRepaint)
{
	CRect rcNew = rcWindow;
	rcNew.NormalizeRect();
	HWND hWnd = Handle();
	// As on Windows the window is asked for its limits before a new size, while it still has
	// the old one.
	MINMAXINFO info;
	const bool bLimited = rcNew.Size() != m_rcWindow.Size() && QueryTrackSize(*this, info);
	if (FromHandle(hWnd) == nullptr)
	{
		return;
	}
	if (bLimited)
	{
		rcNew = WithinTrackSize(rcNew, info);
		// Lifted first: the desktop would hold a smaller new size to the old minimum.
		SetNativeMinimum(*this, POINT {0, 0});
	}
	CRect rcOld = m_rcWindow;
	CSize oldClient = ClientSize();
	m_rcWindow = rcNew;
	ApplyGeometry();
	if (bLimited)
	{
		SetNativeMinimum(*this, info.ptMinTrackSize);
	}
	CSize newClient = ClientSize();
	if (newClient != oldClient)
	{
		PixelRegion exposed(CRect(0, 0, newClient.cx, newClient.cy));
		if (!bRepaint)
		{
			exposed -= CRect(0, 0, oldClient.cx, oldClient.cy);
		}
		Invalidate(exposed, true);
	}
	if (m_rcWindow.TopLeft() != rcOld.TopLeft())
	{
		CRect margins = NonClientMargins();
		CPoint origin = m_rcWindow.TopLeft() + CPoint(margins.left, margins.top);
		Send(WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(origin.x), static_cast<WORD>(origin.y)));
	}
	CWindowRecord* pRecord = FromHandle(hWnd);
	if (pRecord != nullptr && newClient != oldClient)
	{
		WPARAM nType = m_bIconic ? SIZE_MINIMIZED : (m_bZoomed ? SIZE_MAXIMIZED : SIZE_RESTORED);
		pRecord->Send(WM_SIZE, nType, MAKELPARAM(static_cast<WORD>(newClient.cx), static_cast<WORD>(newClient.cy)));
	}
}
