// What both grid scroll bars share: the range they last set, the scroll codes, the dragged thumb
// and the hint that shows where it leads.
#include "grid/window/GridScrollBars.h"

#include "framework/ui/window/UserServices.h"
#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"
#include "grid/window/ScrollHintWindow.h"

IMPLEMENT_DYNAMIC(GridScrollBar, CScrollBar)

BEGIN_MESSAGE_MAP(GridScrollBar, CScrollBar)
	ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

GridScrollBar::GridScrollBar()
	: m_range{0, 0, 0, 1.0}
	, m_key{0, 0, 0}
	, m_bRangeSet(FALSE)
	, m_bTracking(FALSE)
	, m_nTrackFirst(0)
{
}

BOOL GridScrollBar::IsThreePositions() const
{
	return FALSE;
}

void GridScrollBar::OnRangeChanged()
{
}

void GridScrollBar::OnRButtonDown(UINT, CPoint point)
{
	if (m_pGrid == nullptr || m_pSheet == nullptr)
		return;
	ClientToScreen(&point);
	m_pGrid->OpenContextMenu(m_pSheet->m_nCurrentColumn, m_pSheet->m_nCurrentRow, GetMenuSection(), point);
}

void GridScrollBar::UpdateRange(BOOL bForce)
{
	if (m_hWnd == nullptr || m_pSheet == nullptr)
		return;
	const RangeKey key = GetRangeKey();
	const BOOL bChanged = !m_bRangeSet || key.nLastFirst != m_key.nLastFirst || key.nLocked != m_key.nLocked
		|| key.nMode != m_key.nMode;
	if (!bChanged && !bForce)
		return;
	m_key = key;
	m_bRangeSet = TRUE;
	m_range = ComputeRange();
	SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, m_range.nMin, m_range.nMax, m_range.nPage,
		ThumbFromFirst(m_range, GetFirst()), 0};
	// A thumb under the mouse stays there until it is let go.
	if (m_bTracking)
		info.fMask &= ~SIF_POS;
	SetScrollInfo(&info, TRUE);
	if (bChanged)
		OnRangeChanged();
}

void GridScrollBar::UpdatePosition()
{
	if (m_hWnd == nullptr || m_pSheet == nullptr || m_bTracking)
		return;
	UpdateRange(FALSE);
	SCROLLINFO info = {sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, ThumbFromFirst(m_range, GetFirst()), 0};
	SetScrollInfo(&info, TRUE);
}

void GridScrollBar::OnScroll(UINT nSBCode, UINT nPos)
{
	if (m_pGrid == nullptr || m_pSheet == nullptr)
		return;
	CWnd* pView = m_pGrid->GetCellView();
	CWnd* pFocus = CWnd::GetFocus();
	if (pView != nullptr && pView->GetSafeHwnd() != nullptr && (pFocus == nullptr || pFocus->m_hWnd != pView->m_hWnd))
		pView->SetFocus();

	const long nFirst = GetFirst();
	const int nThumb = static_cast<int>(nPos);
	switch (nSBCode)
	{
	case SB_LINEUP:
		ScrollTo(nFirst - 1);
		break;
	case SB_LINEDOWN:
		ScrollTo(nFirst + 1);
		break;
	case SB_PAGEUP:
		ScrollTo(PageFrom(nFirst, FALSE));
		break;
	case SB_PAGEDOWN:
		ScrollTo(PageFrom(nFirst, TRUE));
		break;
	case SB_TOP:
		ScrollTo(0);
		break;
	case SB_BOTTOM:
		ScrollTo(GetCount() - 1);
		break;
	case SB_THUMBTRACK:
		TrackThumb(nThumb);
		return;
	case SB_THUMBPOSITION:
		m_bTracking = FALSE;
		HideHint();
		ScrollTo(TargetOfThumb(nThumb));
		break;
	case SB_ENDSCROLL:
		// A drag that ends without a thumb position still goes where the thumb was left.
		if (m_bTracking)
		{
			m_bTracking = FALSE;
			ScrollTo(m_nTrackFirst);
		}
		HideHint();
		break;
	default:
		return;
	}
	m_bTracking = FALSE;
	UpdatePosition();
}

long GridScrollBar::TargetOfThumb(int nThumb) const
{
	if (!IsThreePositions())
		return FirstFromThumb(nThumb);
	// The bar knows no length: its ends page either way, its middle is where the view is.
	if (nThumb <= 0)
		return PageFrom(GetFirst(), FALSE);
	if (nThumb >= 2)
		return PageFrom(GetFirst(), TRUE);
	return GetFirst();
}

void GridScrollBar::TrackThumb(int nThumb)
{
	m_bTracking = TRUE;
	m_nTrackFirst = TargetOfThumb(nThumb);
	if (ScrollsWhileTracking())
		ScrollTo(m_nTrackFirst);
	if (!ShowsHint())
		return;
	ScrollHintWindow* pHint = m_pGrid->GetScrollHint();
	CString strText;
	if (pHint == nullptr || pHint->GetSafeHwnd() == nullptr || !ProvideHint(m_nTrackFirst, &strText))
	{
		HideHint();
		return;
	}
	POINT ptMouse = {0, 0};
	::GetCursorPos(&ptMouse);
	m_pGrid->ScreenToClient(&ptMouse);
	ShowHint(pHint, strText, CPoint(ptMouse));
}

void GridScrollBar::HideHint()
{
	ScrollHintWindow* pHint = m_pGrid->GetScrollHint();
	if (pHint != nullptr && pHint->GetSafeHwnd() != nullptr)
		pHint->HideHint();
}
