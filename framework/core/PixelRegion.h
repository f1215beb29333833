// PixelRegion: a set of pixels held as banded rectangles, the window-free region behind update
// areas, clipping regions and HRGN objects.
#pragma once

#include "framework/core/Geometry.h"

#include <cstddef>
#include <vector>

// The rectangles are sorted by top, then left. The rectangles of one band share top and bottom,
// and their x-intervals neither overlap nor touch; two bands that touch vertically differ in
// their intervals. So a set of pixels has exactly one form, and a rectangle is one rectangle.
class PixelRegion
{
public:
	PixelRegion();
	// An empty or inverted rectangle gives the empty region; the corners are not swapped.
	explicit PixelRegion(const RECT& rect);

	BOOL IsEmpty() const;
	// All zero for the empty region.
	CRect BoundingRect() const;
	int RectCount() const;
	const std::vector<CRect>& Rects() const;

	BOOL Contains(POINT point) const;
	BOOL Intersects(const RECT& rect) const;
	void Offset(int x, int y);

	PixelRegion Union(const PixelRegion& other) const;
	PixelRegion Intersection(const PixelRegion& other) const;
	PixelRegion Difference(const PixelRegion& other) const;
	PixelRegion SymmetricDifference(const PixelRegion& other) const;

	PixelRegion& operator|=(const PixelRegion& other);
	PixelRegion& operator&=(const PixelRegion& other);
	PixelRegion& operator-=(const PixelRegion& other);
	PixelRegion& operator^=(const PixelRegion& other);
	// A rectangle takes part as it is, without becoming a region of its own first: windows add
	// one to their update region on every invalidation.
	PixelRegion& operator|=(const RECT& rect);
	PixelRegion& operator&=(const RECT& rect);
	PixelRegion& operator-=(const RECT& rect);
	PixelRegion& operator^=(const RECT& rect);

	BOOL operator==(const PixelRegion& other) const;
	BOOL operator!=(const PixelRegion& other) const;

private:
	PixelRegion(std::vector<CRect> rects, const CRect& bounds);

	// The region of the pixels whose membership of this region and of the other (canonical)
	// rectangle list has its bit set in nMask.
	PixelRegion Combined(const CRect* pOther, std::size_t nOther, const CRect& otherBounds, unsigned nMask) const;
	PixelRegion Combined(const PixelRegion& other, unsigned nMask) const;
	PixelRegion Combined(const RECT& rect, unsigned nMask) const;

	std::vector<CRect> m_rects;
	CRect m_bounds;
};

PixelRegion operator|(const PixelRegion& region1, const PixelRegion& region2);
PixelRegion operator&(const PixelRegion& region1, const PixelRegion& region2);
PixelRegion operator-(const PixelRegion& region1, const PixelRegion& region2);
PixelRegion operator^(const PixelRegion& region1, const PixelRegion& region2);
