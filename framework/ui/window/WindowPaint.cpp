// Painting through the window's surface: the update region, WM_ERASEBKGND and WM_PAINT on the
// surface, and the non-client border the framework draws around a child window.
#include "framework/ui/window/WindowRecord.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/DcAttach.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/Wnd.h"

namespace
{

// Two-colour frame one pixel wide: top and left in one colour, bottom and right in the other.
FrameEdge Edge(int nInset, int nTopLeft, int nBottomRight)
{
	return FrameEdge {nInset, GetSysColor(nTopLeft), GetSysColor(nBottomRight)};
}

}

bool CWindowRecord::PaintsOnSurface() const
{
	return !m_pClass->bNativePaint || (m_pWnd != nullptr && m_pWnd->FindMessageEntry(WM_PAINT) != nullptr);
}

void CWindowRecord::Invalidate(const PixelRegion& region, bool bErase)
{
	CSize size = ClientSize();
	PixelRegion clipped = region;
	clipped &= CRect(0, 0, size.cx, size.cy);
	if (clipped.IsEmpty())
	{
		return;
	}
	m_updateRegion |= clipped;
	if (bErase)
	{
		m_bErasePending = true;
	}
	RequestNativePaint();
}

void CWindowRecord::InvalidateClient(bool bErase)
{
	CSize size = ClientSize();
	Invalidate(PixelRegion(CRect(0, 0, size.cx, size.cy)), bErase);
}

void CWindowRecord::Validate(const PixelRegion& region)
{
	m_updateRegion -= region;
	if (m_updateRegion.IsEmpty())
	{
		m_bErasePending = false;
	}
}

void CWindowRecord::PaintPending()
{
	if (m_updateRegion.IsEmpty() || !IsVisibleOnScreen() || !PaintsOnSurface())
	{
		return;
	}
	HWND hWnd = Handle();
	int nBeginPaints = m_nBeginPaints;
	Send(WM_PAINT, 0, 0);
	CWindowRecord* pRecord = FromHandle(hWnd);
	if (pRecord == nullptr)
	{
		return;
	}
	// A WM_PAINT handler that never began painting must not have the message sent forever.
	if (pRecord->m_nBeginPaints == nBeginPaints)
	{
		pRecord->Validate(pRecord->m_updateRegion);
	}
	pRecord->RequestNativePaint();
}

// Erasing happens inside BeginPaint, with the paint DC, as on Windows.
void CWindowRecord::BeginPaint(CDC& dc, PAINTSTRUCT& ps)
{
	CPaintDevice* pSurface = AfxGetDriver().WindowSurface(Handle(), ClientSize());
	m_paintRegion = m_updateRegion;
	bool bErase = m_bErasePending;
	m_updateRegion = PixelRegion();
	m_bErasePending = false;
	++m_nBeginPaints;
	AttachDcToSurface(dc, pSurface, &m_paintRegion);
	ps = PAINTSTRUCT();
	ps.hdc = dc.GetSafeHdc();
	ps.rcPaint = m_paintRegion.BoundingRect();
	ps.fErase = bErase ? Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps.hdc), 0) == 0 : FALSE;
}

void CWindowRecord::EndPaint(CDC& dc, const PAINTSTRUCT&)
{
	DetachDc(dc);
	RequestNativePaint();
}

void CWindowRecord::RequestNativePaint()
{
	if (m_bNative)
	{
		AfxGetDriver().RequestNativePaint(Handle());
	}
}

NonClientLook CWindowRecord::NonClientAppearance() const
{
	NonClientLook look = {};
	if (!IsChildWindow())
	{
		return look;
	}
	int nInset = 0;
	if ((m_dwStyle & WS_THICKFRAME) != 0 || (m_dwStyle & WS_DLGFRAME) != 0 || (m_dwExStyle & WS_EX_DLGMODALFRAME) != 0)
	{
		look.bFill = true;
		look.crFill = GetSysColor(COLOR_BTNFACE);
		look.edges.push_back(Edge(0, COLOR_3DLIGHT, COLOR_3DDKSHADOW));
		look.edges.push_back(Edge(1, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW));
		nInset = (m_dwStyle & WS_THICKFRAME) != 0 ? GetSystemMetrics(SM_CXFRAME) : GetSystemMetrics(SM_CXDLGFRAME);
	}
	else if ((m_dwStyle & WS_BORDER) != 0)
	{
		look.edges.push_back(Edge(0, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME));
		nInset = 1;
	}
	if ((m_dwExStyle & WS_EX_CLIENTEDGE) != 0)
	{
		look.edges.push_back(Edge(nInset, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT));
		look.edges.push_back(Edge(nInset + 1, COLOR_3DDKSHADOW, COLOR_3DLIGHT));
	}
	return look;
}
