// The boolean operations of PixelRegion as one sweep down the bands of both operands, and the
// queries that search its sorted rectangles.
#include "framework/core/PixelRegion.h"

#include <algorithm>
#include <utility>

namespace
{

// Bit 2 * inFirst + inSecond of a mask says whether a pixel in the first operand (or not) and
// in the second (or not) belongs to the result.
constexpr unsigned OnlySecond = 1u << 1;
constexpr unsigned OnlyFirst = 1u << 2;
constexpr unsigned InBoth = 1u << 3;
constexpr unsigned MaskUnion = OnlyFirst | OnlySecond | InBoth;
constexpr unsigned MaskIntersection = InBoth;
constexpr unsigned MaskDifference = OnlyFirst;
constexpr unsigned MaskSymmetricDifference = OnlyFirst | OnlySecond;

bool Overlap(const RECT& a, const RECT& b)
{
	return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Covers(const RECT& outer, const RECT& inner)
{
	return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right && outer.bottom >= inner.bottom;
}

const CRect* BandEnd(const CRect* pFirst, const CRect* pEnd)
{
	const CRect* p = pFirst;
	while (p != pEnd && p->top == pFirst->top)
		++p;
	return p;
}

// Appends the intervals of one slice [top, bottom): the x boundaries of both interval lists are
// visited in order, and an interval of the result opens or closes where membership changes.
// Boundaries at the same x are taken together, so touching intervals come out as one.
void CombineSlice(const CRect* a, const CRect* aEnd, const CRect* b, const CRect* bEnd, unsigned nMask, int top,
	int bottom, std::vector<CRect>& out)
{
	bool bInA = false;
	bool bInB = false;
	bool bInResult = false;
	int left = 0;
	while (a != aEnd || b != bEnd)
	{
		const int nextA = a == aEnd ? 0 : (bInA ? a->right : a->left);
		const int nextB = b == bEnd ? 0 : (bInB ? b->right : b->left);
		const int x = a == aEnd ? nextB : b == bEnd ? nextA : std::min(nextA, nextB);
		if (a != aEnd && nextA == x)
		{
			if (bInA)
				++a;
			bInA = !bInA;
		}
		if (b != bEnd && nextB == x)
		{
			if (bInB)
				++b;
			bInB = !bInB;
		}
		const bool bIn = ((nMask >> (2 * bInA + bInB)) & 1u) != 0;
		if (bIn && !bInResult)
			left = x;
		else if (!bIn && bInResult)
			out.emplace_back(left, top, x, bottom);
		bInResult = bIn;
	}
}

// Merges the band just appended at nBand into the band before it at nPrevious when the two touch
// and hold the same intervals.
bool CoalesceBands(std::vector<CRect>& rects, std::size_t nPrevious, std::size_t nBand)
{
	const std::size_t nCount = rects.size() - nBand;
	if (nBand - nPrevious != nCount || rects[nPrevious].bottom != rects[nBand].top)
		return false;
	for (std::size_t i = 0; i < nCount; ++i)
	{
		if (rects[nPrevious + i].left != rects[nBand + i].left || rects[nPrevious + i].right != rects[nBand + i].right)
			return false;
	}
	const int bottom = rects[nBand].bottom;
	rects.resize(nBand);
	for (std::size_t i = nPrevious; i < nBand; ++i)
		rects[i].bottom = bottom;
	return true;
}

// Cuts the plane into slices at every band edge of either operand and combines the intervals of
// each slice. Neither operand is empty.
std::vector<CRect> Sweep(const CRect* a, const CRect* aEnd, const CRect* b, const CRect* bEnd, unsigned nMask)
{
	std::vector<CRect> out;
	out.reserve(static_cast<std::size_t>((aEnd - a) + (bEnd - b)));
	std::size_t nPrevious = 0;
	bool bHavePrevious = false;
	int y = std::min(a->top, b->top);
	while (a != aEnd || b != bEnd)
	{
		// A band already entered continues from y; one not yet reached starts at its own top.
		const int topA = a == aEnd ? 0 : std::max<int>(a->top, y);
		const int topB = b == bEnd ? 0 : std::max<int>(b->top, y);
		const int top = a == aEnd ? topB : b == bEnd ? topA : std::min(topA, topB);
		const bool bInA = a != aEnd && topA == top;
		const bool bInB = b != bEnd && topB == top;
		int bottom = bInA ? a->bottom : b->bottom;
		if (a != aEnd)
			bottom = std::min<int>(bottom, bInA ? a->bottom : a->top);
		if (b != bEnd)
			bottom = std::min<int>(bottom, bInB ? b->bottom : b->top);

		const CRect* aBandEnd = bInA ? BandEnd(a, aEnd) : a;
		const CRect* bBandEnd = bInB ? BandEnd(b, bEnd) : b;
		const std::size_t nBand = out.size();
		CombineSlice(a, aBandEnd, b, bBandEnd, nMask, top, bottom, out);
		if (out.size() != nBand && !(bHavePrevious && CoalesceBands(out, nPrevious, nBand)))
		{
			nPrevious = nBand;
			bHavePrevious = true;
		}

		y = bottom;
		if (bInA && a->bottom == bottom)
			a = aBandEnd;
		if (bInB && b->bottom == bottom)
			b = bBandEnd;
	}
	return out;
}

CRect BoundsOf(const std::vector<CRect>& rects)
{
	if (rects.empty())
		return CRect();
	CRect bounds(rects.front().left, rects.front().top, rects.front().right, rects.back().bottom);
	for (const CRect& rect : rects)
	{
		bounds.left = std::min(bounds.left, rect.left);
		bounds.right = std::max(bounds.right, rect.right);
	}
	return bounds;
}

}

PixelRegion::PixelRegion() = default;

PixelRegion::PixelRegion(const RECT& rect)
{
	if (!CRect(rect).IsRectEmpty())
	{
		m_rects.emplace_back(rect);
		m_bounds = rect;
	}
}

PixelRegion::PixelRegion(std::vector<CRect> rects, const CRect& bounds)
	: m_rects(std::move(rects))
	, m_bounds(bounds)
{
}

BOOL PixelRegion::IsEmpty() const
{
	return m_rects.empty();
}

CRect PixelRegion::BoundingRect() const
{
	return m_bounds;
}

int PixelRegion::RectCount() const
{
	return static_cast<int>(m_rects.size());
}

const std::vector<CRect>& PixelRegion::Rects() const
{
	return m_rects;
}

BOOL PixelRegion::Contains(POINT point) const
{
	// In (top, left) order, the rectangles wholly above the point, then those of its band wholly
	// left of it, come first.
	const auto it = std::partition_point(m_rects.begin(), m_rects.end(), [point](const CRect& rect) {
		return rect.bottom <= point.y || (rect.top <= point.y && rect.right <= point.x);
	});
	return it != m_rects.end() && it->top <= point.y && it->left <= point.x;
}

BOOL PixelRegion::Intersects(const RECT& rect) const
{
	if (CRect(rect).IsRectEmpty() || IsEmpty() || !Overlap(m_bounds, rect))
		return FALSE;
	auto it = std::partition_point(m_rects.begin(), m_rects.end(), [&rect](const CRect& r) {
		return r.bottom <= rect.top;
	});
	for (; it != m_rects.end() && it->top < rect.bottom; ++it)
	{
		if (it->left < rect.right && rect.left < it->right)
			return TRUE;
	}
	return FALSE;
}

void PixelRegion::Offset(int x, int y)
{
	if (IsEmpty())
		return;
	for (CRect& rect : m_rects)
		rect.OffsetRect(x, y);
	m_bounds.OffsetRect(x, y);
}

PixelRegion PixelRegion::Combined(const CRect* pOther, std::size_t nOther, const CRect& otherBounds, unsigned nMask) const
{
	const auto other = [&]() {
		return PixelRegion(std::vector<CRect>(pOther, pOther + nOther), otherBounds);
	};
	// The common cases need no sweep: an empty operand, operands apart, and one rectangle
	// holding all of the other operand (an invalidation of the whole window).
	if (nOther == 0)
		return (nMask & OnlyFirst) != 0 ? *this : PixelRegion();
	if (IsEmpty())
		return (nMask & OnlySecond) != 0 ? other() : PixelRegion();
	if (!Overlap(m_bounds, otherBounds) && (nMask & OnlySecond) == 0)
		return (nMask & OnlyFirst) != 0 ? *this : PixelRegion();
	if (nOther == 1 && Covers(*pOther, m_bounds))
	{
		const bool bKeepBoth = (nMask & InBoth) != 0;
		if (bKeepBoth == ((nMask & OnlySecond) != 0))
			return bKeepBoth ? other() : PixelRegion();
		if (bKeepBoth)
			return *this;
	}
	if (m_rects.size() == 1 && Covers(m_rects.front(), otherBounds))
	{
		const bool bKeepBoth = (nMask & InBoth) != 0;
		if (bKeepBoth == ((nMask & OnlyFirst) != 0))
			return bKeepBoth ? *this : PixelRegion();
		if (bKeepBoth)
			return other();
	}

	std::vector<CRect> rects = Sweep(m_rects.data(), m_rects.data() + m_rects.size(), pOther, pOther + nOther, nMask);
	const CRect bounds = BoundsOf(rects);
	return PixelRegion(std::move(rects), bounds);
}

PixelRegion PixelRegion::Combined(const PixelRegion& other, unsigned nMask) const
{
	return Combined(other.m_rects.data(), other.m_rects.size(), other.m_bounds, nMask);
}

PixelRegion PixelRegion::Combined(const RECT& rect, unsigned nMask) const
{
	const CRect other(rect);
	return Combined(&other, other.IsRectEmpty() ? 0 : 1, other, nMask);
}

PixelRegion PixelRegion::Union(const PixelRegion& other) const
{
	return Combined(other, MaskUnion);
}

PixelRegion PixelRegion::Intersection(const PixelRegion& other) const
{
	return Combined(other, MaskIntersection);
}

PixelRegion PixelRegion::Difference(const PixelRegion& other) const
{
	return Combined(other, MaskDifference);
}

PixelRegion PixelRegion::SymmetricDifference(const PixelRegion& other) const
{
	return Combined(other, MaskSymmetricDifference);
}

PixelRegion& PixelRegion::operator|=(const PixelRegion& other)
{
	return *this = Combined(other, MaskUnion);
}

PixelRegion& PixelRegion::operator&=(const PixelRegion& other)
{
	return *this = Combined(other, MaskIntersection);
}

PixelRegion& PixelRegion::operator-=(const PixelRegion& other)
{
	return *this = Combined(other, MaskDifference);
}

PixelRegion& PixelRegion::operator^=(const PixelRegion& other)
{
	return *this = Combined(other, MaskSymmetricDifference);
}

PixelRegion& PixelRegion::operator|=(const RECT& rect)
{
	return *this = Combined(rect, MaskUnion);
}

PixelRegion& PixelRegion::operator&=(const RECT& rect)
{
	return *this = Combined(rect, MaskIntersection);
}

PixelRegion& PixelRegion::operator-=(const RECT& rect)
{
	return *this = Combined(rect, MaskDifference);
}

PixelRegion& PixelRegion::operator^=(const RECT& rect)
{
	return *this = Combined(rect, MaskSymmetricDifference);
}

BOOL PixelRegion::operator==(const PixelRegion& other) const
{
	return m_rects == other.m_rects;
}

BOOL PixelRegion::operator!=(const PixelRegion& other) const
{
	return !(*this == other);
}

PixelRegion operator|(const PixelRegion& region1, const PixelRegion& region2)
{
	return region1.Union(region2);
}

PixelRegion operator&(const PixelRegion& region1, const PixelRegion& region2)
{
	return region1.Intersection(region2);
}

PixelRegion operator-(const PixelRegion& region1, const PixelRegion& region2)
{
	return region1.Difference(region2);
}

PixelRegion operator^(const PixelRegion& region1, const PixelRegion& region2)
{
	return region1.SymmetricDifference(region2);
}
