// CWnd geometry: window and client rectangles, conversions between client and screen
// coordinates, moving, sizing and centring.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/system/SystemServices.h"

namespace
{

// Screen origin of a window's client area; the desktop's is the screen's.
CPoint ClientOrigin(HWND hWnd)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd);
	return pRecord != nullptr ? pRecord->ClientOriginOnScreen() : CPoint(0, 0);
}

}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	*lpRect = pRecord != nullptr ? pRecord->WindowRectOnScreen() : CRect();
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	CSize size = pRecord != nullptr ? pRecord->ClientSize() : CSize(0, 0);
	*lpRect = CRect(0, 0, size.cx, size.cy);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
	CPoint origin = ClientOrigin(m_hWnd);
	lpPoint->x += origin.x;
	lpPoint->y += origin.y;
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
	CPoint origin = ClientOrigin(m_hWnd);
	static_cast<CRect*>(lpRect)->OffsetRect(origin);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
	CPoint origin = ClientOrigin(m_hWnd);
	lpPoint->x -= origin.x;
	lpPoint->y -= origin.y;
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
	CPoint origin = ClientOrigin(m_hWnd);
	static_cast<CRect*>(lpRect)->OffsetRect(-origin.x, -origin.y);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
	CPoint delta = ClientOrigin(m_hWnd) - CSize(ClientOrigin(pwndTo != nullptr ? pwndTo->m_hWnd : nullptr));
	for (UINT i = 0; i < nCount; ++i)
	{
		lpPoint[i].x += delta.x;
		lpPoint[i].y += delta.y;
	}
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
	CPoint delta = ClientOrigin(m_hWnd) - CSize(ClientOrigin(pwndTo != nullptr ? pwndTo->m_hWnd : nullptr));
	static_cast<CRect*>(lpRect)->OffsetRect(delta);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
	SetWindowPos(nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
	MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	HWND hWnd = m_hWnd;
	CRect rcWindow = pRecord->m_rcWindow;
	if ((nFlags & SWP_NOMOVE) == 0)
	{
		rcWindow.OffsetRect(x - rcWindow.left, y - rcWindow.top);
	}
	if ((nFlags & SWP_NOSIZE) == 0)
	{
		rcWindow.right = rcWindow.left + cx;
		rcWindow.bottom = rcWindow.top + cy;
	}
	if ((nFlags & SWP_FRAMECHANGED) != 0)
	{
		// The border may have changed with the style: the client area and the children move.
		pRecord->ApplyGeometry();
		pRecord->InvalidateClient(true);
		pRecord->RequestNativePaint();
	}
	if (rcWindow != pRecord->m_rcWindow)
	{
		pRecord->SetWindowRect(rcWindow, (nFlags & SWP_NOREDRAW) == 0);
	}
	pRecord = CWindowRecord::FromHandle(hWnd);
	if (pRecord == nullptr)
	{
		return TRUE;
	}
	if ((nFlags & SWP_NOZORDER) == 0)
	{
		pRecord->PlaceInZOrder(pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : HWND_TOP);
	}
	if ((nFlags & SWP_SHOWWINDOW) != 0)
	{
		pRecord->Show(true, SW_SHOWNA);
	}
	else if ((nFlags & SWP_HIDEWINDOW) != 0)
	{
		pRecord->Show(false, SW_HIDE);
	}
	return TRUE;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return;
	}
	CWindowRecord* pCentre = pAlternateOwner != nullptr ? CWindowRecord::FromHandle(pAlternateOwner->m_hWnd) : pRecord->m_pParent;
	CRect rcArea;
	if (pRecord->IsChildWindow() && pRecord->m_pParent != nullptr)
	{
		CSize size = pRecord->m_pParent->ClientSize();
		rcArea.SetRect(0, 0, size.cx, size.cy);
	}
	else if (pCentre != nullptr && pCentre->IsVisibleOnScreen() && !pCentre->m_bIconic)
	{
		rcArea = pCentre->WindowRectOnScreen();
	}
	else
	{
		rcArea.SetRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
	}
	int nWidth = pRecord->m_rcWindow.Width();
	int nHeight = pRecord->m_rcWindow.Height();
	int x = rcArea.left + (rcArea.Width() - nWidth) / 2;
	int y = rcArea.top + (rcArea.Height() - nHeight) / 2;
	SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
