// CWnd painting: the update region, synchronous painting, and the window's DCs.
#include "framework/ui/window/Wnd.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/DcAttach.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/window/WindowRecord.h"

namespace
{

PixelRegion ClientRegion(CWindowRecord* pRecord, LPCRECT lpRect)
{
	if (lpRect == nullptr)
	{
		CSize size = pRecord->ClientSize();
		return PixelRegion(CRect(0, 0, size.cx, size.cy));
	}
	CRect rc(lpRect);
	rc.NormalizeRect();
	return PixelRegion(rc);
}

}

void CWnd::Invalidate(BOOL bErase)
{
	InvalidateRect(nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd))
	{
		pRecord->Invalidate(ClientRegion(pRecord, lpRect), bErase != FALSE);
	}
}

void CWnd::ValidateRect(LPCRECT lpRect)
{
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd))
	{
		pRecord->Validate(ClientRegion(pRecord, lpRect));
	}
}

void CWnd::UpdateWindow()
{
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd))
	{
		pRecord->PaintPending();
	}
}

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return FALSE;
	}
	const CRect rcBounds = pRecord->m_updateRegion.BoundingRect();
	if (lpRect != nullptr)
	{
		*lpRect = rcBounds;
	}
	if (rcBounds.IsRectEmpty())
	{
		return FALSE;
	}
	// Asked to, Windows erases the update region now and leaves it to be painted.
	if (bErase && pRecord->m_bErasePending)
	{
		pRecord->m_bErasePending = false;
		const PixelRegion clip = pRecord->m_updateRegion;
		CDC dc;
		AttachDcToSurface(dc, AfxGetDriver().WindowSurface(m_hWnd, pRecord->ClientSize()), &clip);
		pRecord->Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
		DetachDc(dc);
	}
	return TRUE;
}

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord == nullptr)
	{
		return nullptr;
	}
	CDC* pDC = new CDC;
	pRecord->BeginPaint(*pDC, *lpPaint);
	return pDC;
}

void CWnd::EndPaint(LPPAINTSTRUCT lpPaint)
{
	CDC* pDC = CDC::FromHandle(lpPaint->hdc);
	if (pDC == nullptr)
	{
		return;
	}
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd))
	{
		pRecord->EndPaint(*pDC, *lpPaint);
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
