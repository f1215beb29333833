// Where a window and its client area lie: border thicknesses from the style, screen positions,
// and moving or sizing with WM_MOVE and WM_SIZE.
#include "framework/ui/backend/qt/WindowHost.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/WindowFrame.h"
#include "framework/ui/backend/qt/WindowTrackSize.h"
#include "framework/ui/window/UserServices.h"

#include <QRect>
#include <QWidget>

#include <algorithm>

CRect CWindowHost::NonClientMargins() const
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

CSize CWindowHost::ClientSize() const
{
	CRect margins = NonClientMargins();
	return CSize(std::max(0, m_rcWindow.Width() - margins.left - margins.right),
		std::max(0, m_rcWindow.Height() - margins.top - margins.bottom));
}

CPoint CWindowHost::ClientOriginOnScreen() const
{
	CRect margins = NonClientMargins();
	return WindowRectOnScreen().TopLeft() + CPoint(margins.left, margins.top);
}

CRect CWindowHost::WindowRectOnScreen() const
{
	if (IsChildWindow() && m_pParent != nullptr)
	{
		return m_rcWindow + m_pParent->ClientOriginOnScreen();
	}
	return m_rcWindow;
}

CPoint CWindowHost::ClientOffsetInWidget() const
{
	if (!IsChildWindow())
	{
		return CPoint(0, m_nMenuBarHeight);
	}
	CRect margins = NonClientMargins();
	return CPoint(margins.left, margins.top);
}

void CWindowHost::ApplyGeometryToWidget()
{
	if (m_pWidget == nullptr)
	{
		return;
	}
	QRect rcWidget;
	if (IsChildWindow())
	{
		CPoint parentOffset = m_pParent != nullptr ? m_pParent->ClientOffsetInWidget() : CPoint(0, 0);
		rcWidget.setRect(m_rcWindow.left + parentOffset.x, m_rcWindow.top + parentOffset.y, m_rcWindow.Width(),
			m_rcWindow.Height());
	}
	else
	{
		CPoint origin = ClientOriginOnScreen();
		CSize size = ClientSize();
		rcWidget.setRect(origin.x, origin.y - m_nMenuBarHeight, size.cx, size.cy + m_nMenuBarHeight);
		ApplyFrameSizeLimits(*this, rcWidget.size());
	}
	if (m_pWidget->geometry() != rcWidget)
	{
		m_pWidget->setGeometry(rcWidget);
	}
	for (CWindowHost* pChild : m_children)
	{
		pChild->ApplyGeometryToWidget();
	}
}

void CWindowHost::PlaceInZOrder(HWND hWndInsertAfter)
{
	if (m_pWidget == nullptr)
	{
		return;
	}
	const bool bTopMostPlace = hWndInsertAfter == HWND_TOPMOST || hWndInsertAfter == HWND_NOTOPMOST;
	if (bTopMostPlace && !IsChildWindow())
	{
		const DWORD dwTopMost = hWndInsertAfter == HWND_TOPMOST ? WS_EX_TOPMOST : 0;
		if ((m_dwExStyle & WS_EX_TOPMOST) != dwTopMost)
		{
			m_dwExStyle = (m_dwExStyle & ~WS_EX_TOPMOST) | dwTopMost;
			ApplyDesktopFrame(*this);
		}
	}
	if (hWndInsertAfter == HWND_TOP || bTopMostPlace)
	{
		m_pWidget->raise();
	}
	else if (hWndInsertAfter == HWND_BOTTOM)
	{
		m_pWidget->lower();
	}
	else if (CWindowHost* pAfter = FromHandle(hWndInsertAfter))
	{
		// Qt stacks only the children of one widget among themselves.
		if (pAfter != this && pAfter->m_pWidget != nullptr && pAfter->m_pWidget->parentWidget() == m_pWidget->parentWidget()
			&& IsChildWindow() && pAfter->IsChildWindow())
		{
			m_pWidget->stackUnder(pAfter->m_pWidget);
		}
	}
}

void CWindowHost::MoveToParent(CWindowHost* pNewParent)
{
	auto& oldSiblings = m_pParent->m_children;
	oldSiblings.erase(std::remove(oldSiblings.begin(), oldSiblings.end(), this), oldSiblings.end());
	m_pParent = pNewParent;
	pNewParent->m_children.push_back(this);
	if (m_pWidget != nullptr && pNewParent->m_pWidget != nullptr)
	{
		// Qt hides a widget that changes parent; a visible window stays visible, as on Windows.
		m_pWidget->setParent(pNewParent->m_pWidget);
		ApplyGeometryToWidget();
		m_pWidget->setVisible((m_dwStyle & WS_VISIBLE) != 0);
		m_pWidget->raise();
	}
}

void CWindowHost::SetWindowRect(const CRect& rcWindow, bool bRepaint)
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
		// Lifted first: Qt would hold a smaller new geometry to the old minimum.
		SetWidgetMinimum(*this, POINT {0, 0});
	}
	CRect rcOld = m_rcWindow;
	CSize oldClient = ClientSize();
	m_rcWindow = rcNew;
	ApplyGeometryToWidget();
	if (bLimited)
	{
		SetWidgetMinimum(*this, info.ptMinTrackSize);
	}
	CSize newClient = ClientSize();
	if (newClient != oldClient)
	{
		QRegion exposed(0, 0, newClient.cx, newClient.cy);
		if (!bRepaint)
		{
			exposed -= QRegion(0, 0, oldClient.cx, oldClient.cy);
		}
		Invalidate(exposed, true);
	}
	if (m_rcWindow.TopLeft() != rcOld.TopLeft())
	{
		CRect margins = NonClientMargins();
		CPoint origin = m_rcWindow.TopLeft() + CPoint(margins.left, margins.top);
		Send(WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(origin.x), static_cast<WORD>(origin.y)));
	}
	CWindowHost* pHost = FromHandle(hWnd);
	if (pHost != nullptr && newClient != oldClient)
	{
		WPARAM nType = m_bIconic ? SIZE_MINIMIZED : (m_bZoomed ? SIZE_MAXIMIZED : SIZE_RESTORED);
		pHost->Send(WM_SIZE, nType, MAKELPARAM(static_cast<WORD>(newClient.cx), static_cast<WORD>(newClient.cy)));
	}
}
