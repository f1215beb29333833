// The drag line is inverted pixels: inverting them again takes it away and leaves the cells as
// they were drawn, however stale they are while a drag holds back their repaint.
#include "grid/window/GridDragLine.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/window/Wnd.h"

GridDragLine::GridDragLine()
	: m_pView(nullptr)
	, m_bShown(FALSE)
	, m_bVertical(TRUE)
	, m_nPos(0)
{
}

void GridDragLine::Show(CWnd* pView, BOOL bVertical, int nPos)
{
	if (m_bShown && pView == m_pView && bVertical == m_bVertical && nPos == m_nPos)
		return;
	Hide();
	if (pView == nullptr || pView->GetSafeHwnd() == nullptr)
		return;
	// A repaint still pending would draw over the line and leave its inverse behind later.
	pView->UpdateWindow();
	m_pView = pView;
	m_bVertical = bVertical;
	m_nPos = nPos;
	Invert();
	m_bShown = TRUE;
}

void GridDragLine::Hide()
{
	if (!m_bShown)
		return;
	m_bShown = FALSE;
	if (m_pView->GetSafeHwnd() != nullptr)
		Invert();
}

BOOL GridDragLine::IsShown() const
{
	return m_bShown;
}

void GridDragLine::Invert()
{
	CRect rcClient;
	m_pView->GetClientRect(&rcClient);
	const CRect rcLine = m_bVertical ? CRect(m_nPos - 1, 0, m_nPos + 1, rcClient.bottom)
									 : CRect(0, m_nPos - 1, rcClient.right, m_nPos + 1);
	CClientDC dc(m_pView);
	dc.InvertRect(&rcLine);
}
