// CWnd painting: the update region, synchronous painting, and the window's DCs.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/backend/qt/DcBackend.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/window/PaintDC.h"

namespace
{

CWindowHost* Host(HWND hWnd)
{
	return CWindowHost::FromHandle(hWnd);
}

QRegion ClientRegion(CWindowHost* pHost, LPCRECT lpRect)
{
	if (lpRect == nullptr)
	{
		CSize size = pHost->ClientSize();
		return QRegion(0, 0, size.cx, size.cy);
	}
	CRect rc(lpRect);
	rc.NormalizeRect();
	return QRegion(rc.left, rc.top, rc.Width(), rc.Height());
}

}

void CWnd::Invalidate(BOOL bErase)
{
	InvalidateRect(nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
	if (CWindowHost* pHost = Host(m_hWnd))
	{
		pHost->Invalidate(ClientRegion(pHost, lpRect), bErase != FALSE);
	}
}

void CWnd::ValidateRect(LPCRECT lpRect)
{
	if (CWindowHost* pHost = Host(m_hWnd))
	{
		pHost->Validate(ClientRegion(pHost, lpRect));
	}
}

void CWnd::UpdateWindow()
{
	if (CWindowHost* pHost = Host(m_hWnd))
	{
		pHost->PaintPending();
	}
}

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase)
{
	CWindowHost* pHost = Host(m_hWnd);
	if (pHost == nullptr)
	{
		return FALSE;
	}
	QRect rcBounds = pHost->m_updateRegion.boundingRect();
	if (lpRect != nullptr)
	{
		*lpRect = rcBounds.isEmpty()
			? CRect()
			: CRect(rcBounds.left(), rcBounds.top(), rcBounds.left() + rcBounds.width(), rcBounds.top() + rcBounds.height());
	}
	if (rcBounds.isEmpty())
	{
		return FALSE;
	}
	// Asked to, Windows erases the update region now and leaves it to be painted.
	if (bErase && pHost->m_bErasePending)
	{
		pHost->m_bErasePending = false;
		QRegion clip = pHost->m_updateRegion;
		CDC dc;
		AttachDcToDevice(dc, &pHost->Surface(), &clip);
		pHost->Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
		DetachDc(dc);
	}
	return TRUE;
}

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
	CWindowHost* pHost = Host(m_hWnd);
	if (pHost == nullptr)
	{
		return nullptr;
	}
	CDC* pDC = new CDC;
	pHost->BeginPaint(*pDC, *lpPaint);
	return pDC;
}

void CWnd::EndPaint(LPPAINTSTRUCT lpPaint)
{
	CDC* pDC = CDC::FromHandle(lpPaint->hdc);
	if (pDC == nullptr)
	{
		return;
	}
	if (CWindowHost* pHost = Host(m_hWnd))
	{
		pHost->EndPaint(*pDC, *lpPaint);
	}
	else
	{
		DetachDc(*pDC);
	}
	delete pDC;
}

CDC* CWnd::GetDC()
{
	return new CClientDC(this);
}

CDC* CWnd::GetWindowDC()
{
	return new CWindowDC(this);
}

int CWnd::ReleaseDC(CDC* pDC)
{
	delete pDC;
	return 1;
}
