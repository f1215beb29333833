// Painting through the window's surface: the update region, WM_ERASEBKGND and WM_PAINT on the
// surface, and the non-client border the framework draws around a child window.
#include "framework/ui/backend/qt/WindowHost.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/backend/qt/DcBackend.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"

#include <QColor>
#include <QPainter>
#include <QWidget>

namespace
{

QColor SysQColor(int nIndex)
{
	COLORREF cr = GetSysColor(nIndex);
	return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

// Two-colour frame one pixel wide: top and left in one colour, bottom and right in the other.
void DrawEdge(QPainter& painter, const QRect& rc, const QColor& topLeft, const QColor& bottomRight)
{
	painter.fillRect(rc.left(), rc.top(), rc.width(), 1, topLeft);
	painter.fillRect(rc.left(), rc.top(), 1, rc.height(), topLeft);
	painter.fillRect(rc.left(), rc.bottom(), rc.width(), 1, bottomRight);
	painter.fillRect(rc.right(), rc.top(), 1, rc.height(), bottomRight);
}

}

bool CWindowHost::PaintsOnSurface() const
{
	return !m_pClass->bNativePaint || (m_pWnd != nullptr && m_pWnd->FindMessageEntry(WM_PAINT) != nullptr);
}

QImage& CWindowHost::Surface()
{
	CSize size = ClientSize();
	if (m_surface.width() != size.cx || m_surface.height() != size.cy)
	{
		QImage resized(std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1), QImage::Format_RGB32);
		resized.fill(Qt::white);
		if (!m_surface.isNull())
		{
			QPainter painter(&resized);
			painter.drawImage(0, 0, m_surface);
		}
		m_surface = resized;
	}
	return m_surface;
}

void CWindowHost::Invalidate(const QRegion& region, bool bErase)
{
	CSize size = ClientSize();
	QRegion clipped = region & QRect(0, 0, size.cx, size.cy);
	if (clipped.isEmpty())
	{
		return;
	}
	m_updateRegion += clipped;
	if (bErase)
	{
		m_bErasePending = true;
	}
	ScheduleScreenUpdate();
}

void CWindowHost::Validate(const QRegion& region)
{
	m_updateRegion -= region;
	if (m_updateRegion.isEmpty())
	{
		m_bErasePending = false;
	}
}

void CWindowHost::PaintPending()
{
	if (m_updateRegion.isEmpty() || !IsVisibleOnScreen() || !PaintsOnSurface())
	{
		return;
	}
	HWND hWnd = Handle();
	int nBeginPaints = m_nBeginPaints;
	Send(WM_PAINT, 0, 0);
	CWindowHost* pHost = FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return;
	}
	// A WM_PAINT handler that never began painting must not have the message sent forever.
	if (pHost->m_nBeginPaints == nBeginPaints)
	{
		pHost->Validate(pHost->m_updateRegion);
	}
	pHost->ScheduleScreenUpdate();
}

// Erasing happens inside BeginPaint, with the paint DC, as on Windows.
void CWindowHost::BeginPaint(CDC& dc, PAINTSTRUCT& ps)
{
	QImage& surface = Surface();
	m_paintRegion = m_updateRegion;
	bool bErase = m_bErasePending;
	m_updateRegion = QRegion();
	m_bErasePending = false;
	++m_nBeginPaints;
	AttachDcToDevice(dc, &surface, &m_paintRegion);
	ps = PAINTSTRUCT();
	ps.hdc = dc.GetSafeHdc();
	QRect rcBounds = m_paintRegion.boundingRect();
	ps.rcPaint.left = rcBounds.left();
	ps.rcPaint.top = rcBounds.top();
	ps.rcPaint.right = rcBounds.left() + rcBounds.width();
	ps.rcPaint.bottom = rcBounds.top() + rcBounds.height();
	ps.fErase = bErase ? Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps.hdc), 0) == 0 : FALSE;
}

void CWindowHost::EndPaint(CDC& dc, const PAINTSTRUCT&)
{
	DetachDc(dc);
	ScheduleScreenUpdate();
}

void CWindowHost::ScheduleScreenUpdate()
{
	if (m_pWidget != nullptr)
	{
		m_pWidget->update();
	}
}

void CWindowHost::PaintNonClient(QPainter& painter)
{
	if (!IsChildWindow() || m_pWidget == nullptr)
	{
		return;
	}
	QRect rc(0, 0, m_rcWindow.Width(), m_rcWindow.Height());
	if ((m_dwStyle & WS_THICKFRAME) != 0 || (m_dwStyle & WS_DLGFRAME) != 0 || (m_dwExStyle & WS_EX_DLGMODALFRAME) != 0)
	{
		int nFrame = (m_dwStyle & WS_THICKFRAME) != 0 ? GetSystemMetrics(SM_CXFRAME) : GetSystemMetrics(SM_CXDLGFRAME);
		painter.fillRect(rc, SysQColor(COLOR_BTNFACE));
		DrawEdge(painter, rc, SysQColor(COLOR_3DLIGHT), SysQColor(COLOR_3DDKSHADOW));
		DrawEdge(painter, rc.adjusted(1, 1, -1, -1), SysQColor(COLOR_BTNHIGHLIGHT), SysQColor(COLOR_BTNSHADOW));
		rc.adjust(nFrame, nFrame, -nFrame, -nFrame);
	}
	else if ((m_dwStyle & WS_BORDER) != 0)
	{
		DrawEdge(painter, rc, SysQColor(COLOR_WINDOWFRAME), SysQColor(COLOR_WINDOWFRAME));
		rc.adjust(1, 1, -1, -1);
	}
	if ((m_dwExStyle & WS_EX_CLIENTEDGE) != 0)
	{
		DrawEdge(painter, rc, SysQColor(COLOR_BTNSHADOW), SysQColor(COLOR_BTNHIGHLIGHT));
		DrawEdge(painter, rc.adjusted(1, 1, -1, -1), SysQColor(COLOR_3DDKSHADOW), SysQColor(COLOR_3DLIGHT));
	}
}
