// The grid's scroll bars: their ranges follow the sheet's last top row and last left column,
// and their messages scroll the view.
#pragma once

#include "framework/core/String.h"
#include "framework/ui/controls/ScrollBar.h"
#include "grid/layout/GridLayout.h"
#include "grid/window/GridChild.h"

class ScrollHintWindow;

// What both bars do alike: keep the range they last set, scroll the view for each scroll code,
// follow a dragged thumb and show the hint beside it. The bars differ only in the direction
// they read and move: the first scrolling row or column ("first" below).
class GridScrollBar : public CScrollBar, public GridChild
{
	DECLARE_DYNAMIC(GridScrollBar)

public:
	// Sets range, page and thumb when what the range depends on changed since the last call
	// (always with bForce).
	void UpdateRange(BOOL bForce);
	void UpdatePosition();
	// The grid's WM_VSCROLL or WM_HSCROLL from this bar.
	void OnScroll(UINT nSBCode, UINT nPos);

protected:
	GridScrollBar();

	// What the range is computed from; a change of any of them sets the range again.
	struct RangeKey
	{
		long nLastFirst;
		long nLocked;
		int nMode;
	};

	virtual RangeKey GetRangeKey() const = 0;
	virtual GridScrollRange ComputeRange() const = 0;
	virtual int ThumbFromFirst(const GridScrollRange& range, long nFirst) const = 0;
	virtual long FirstFromThumb(int nThumb) const = 0;
	virtual long GetFirst() const = 0;
	virtual long GetCount() const = 0;
	virtual long PageFrom(long nFirst, BOOL bForward) const = 0;
	virtual void ScrollTo(long nFirst) = 0;
	// Scroll mode 1: the view follows the dragged thumb.
	virtual BOOL ScrollsWhileTracking() const = 0;
	virtual BOOL IsThreePositions() const;
	virtual BOOL ShowsHint() const = 0;
	virtual int ProvideHint(long nFirst, CString* pText) = 0;
	// ptMouse in the grid's client coordinates.
	virtual void ShowHint(ScrollHintWindow* pHint, const CString& strText, CPoint ptMouse) = 0;
	// Called after the range was set because what it depends on changed.
	virtual void OnRangeChanged();
	// The section the context menu of a right press on the bar is for.
	virtual int GetMenuSection() const = 0;

	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);

	DECLARE_MESSAGE_MAP()

private:
	// Where a thumb at nThumb leads: a row or column, or in three-position mode a page either way.
	long TargetOfThumb(int nThumb) const;
	void TrackThumb(int nThumb);
	void HideHint();

	GridScrollRange m_range;
	RangeKey m_key;
	BOOL m_bRangeSet;
	// While the thumb is dragged the bar keeps it where the mouse holds it.
	BOOL m_bTracking;
	long m_nTrackFirst;
};

class GridVScrollBar : public GridScrollBar
{
	DECLARE_DYNAMIC(GridVScrollBar)

public:
	GridVScrollBar();

protected:
	RangeKey GetRangeKey() const override;
	GridScrollRange ComputeRange() const override;
	int ThumbFromFirst(const GridScrollRange& range, long nFirst) const override;
	long FirstFromThumb(int nThumb) const override;
	long GetFirst() const override;
	long GetCount() const override;
	long PageFrom(long nFirst, BOOL bForward) const override;
	void ScrollTo(long nFirst) override;
	BOOL ScrollsWhileTracking() const override;
	BOOL IsThreePositions() const override;
	BOOL ShowsHint() const override;
	int ProvideHint(long nFirst, CString* pText) override;
	void ShowHint(ScrollHintWindow* pHint, const CString& strText, CPoint ptMouse) override;
	int GetMenuSection() const override;
};

class GridHScrollBar : public GridScrollBar
{
	DECLARE_DYNAMIC(GridHScrollBar)

public:
	GridHScrollBar();

protected:
	RangeKey GetRangeKey() const override;
	GridScrollRange ComputeRange() const override;
	int ThumbFromFirst(const GridScrollRange& range, long nFirst) const override;
	long FirstFromThumb(int nThumb) const override;
	long GetFirst() const override;
	long GetCount() const override;
	long PageFrom(long nFirst, BOOL bForward) const override;
	void ScrollTo(long nFirst) override;
	BOOL ScrollsWhileTracking() const override;
	BOOL ShowsHint() const override;
	int ProvideHint(long nFirst, CString* pText) override;
	void ShowHint(ScrollHintWindow* pHint, const CString& strText, CPoint ptMouse) override;
	void OnRangeChanged() override;
	int GetMenuSection() const override;

private:
	// Set while the range's own re-layout runs, which sets the range again.
	BOOL m_bLayingOut;
};
