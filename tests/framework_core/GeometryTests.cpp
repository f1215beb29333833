// CRect, CPoint and CSize arithmetic, checked with numbers.
#include "framework/core/Geometry.h"

#include <gtest/gtest.h>

namespace
{

void ExpectRect(const CRect& rect, int l, int t, int r, int b)
{
	EXPECT_EQ(rect, CRect(l, t, r, b)) << rect.left << ',' << rect.top << ',' << rect.right << ',' << rect.bottom;
}

}

TEST(GeometryTest, IntersectionAndUnion)
{
	struct Case
	{
		CRect rect1;
		CRect rect2;
		BOOL bIntersects;
		CRect intersection;
		CRect unionRect;
	};
	const Case cases[] =
	{
		{ { 0, 0, 10, 10 }, { 5, 5, 15, 15 }, TRUE, { 5, 5, 10, 10 }, { 0, 0, 15, 15 } },
		{ { 0, 0, 10, 10 }, { 10, 0, 20, 10 }, FALSE, { 0, 0, 0, 0 }, { 0, 0, 20, 10 } },
		{ { 0, 0, 10, 10 }, { 2, 3, 4, 5 }, TRUE, { 2, 3, 4, 5 }, { 0, 0, 10, 10 } },
		{ { 0, 0, 10, 10 }, { 20, 20, 20, 30 }, FALSE, { 0, 0, 0, 0 }, { 0, 0, 10, 10 } },
		{ { 5, 5, 5, 5 }, { 1, 1, 1, 9 }, FALSE, { 0, 0, 0, 0 }, { 0, 0, 0, 0 } },
		{ { -10, -10, -2, -2 }, { -5, -20, 0, -4 }, TRUE, { -5, -10, -2, -4 }, { -10, -20, 0, -2 } },
	};
	for (const Case& c : cases)
	{
		CRect intersection(1, 2, 3, 4);
		EXPECT_EQ(intersection.IntersectRect(&c.rect1, &c.rect2), c.bIntersects);
		EXPECT_EQ(intersection, c.intersection);
		EXPECT_EQ(c.rect1 & c.rect2, c.intersection);
		CRect unionRect;
		EXPECT_EQ(unionRect.UnionRect(c.rect1, c.rect2), !c.unionRect.IsRectEmpty());
		EXPECT_EQ(unionRect, c.unionRect);
		CRect combined(c.rect1);
		combined |= c.rect2;
		EXPECT_EQ(combined, c.unionRect);
	}
}

TEST(GeometryTest, RectangleMeasuresAndContainment)
{
	const CRect rect(10, 20, 30, 60);
	EXPECT_EQ(rect.Width(), 20);
	EXPECT_EQ(rect.Height(), 40);
	EXPECT_EQ(rect.Size(), CSize(20, 40));
	EXPECT_EQ(rect.TopLeft(), CPoint(10, 20));
	EXPECT_EQ(rect.BottomRight(), CPoint(30, 60));
	EXPECT_EQ(rect.CenterPoint(), CPoint(20, 40));
	EXPECT_EQ(CRect(-3, -3, 0, 0).CenterPoint(), CPoint(-1, -1));

	EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
	EXPECT_TRUE(rect.PtInRect(CPoint(29, 59)));
	EXPECT_FALSE(rect.PtInRect(CPoint(30, 40)));
	EXPECT_FALSE(rect.PtInRect(CPoint(20, 60)));
	EXPECT_FALSE(rect.PtInRect(CPoint(9, 40)));

	EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
	EXPECT_TRUE(CRect(5, 5, 4, 10).IsRectEmpty());
	EXPECT_FALSE(CRect(5, 5, 4, 10).IsRectNull());
	EXPECT_TRUE(CRect().IsRectNull());
	EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
}

TEST(GeometryTest, MovingGrowingAndNormalising)
{
	CRect rect(0, 0, 10, 10);
	rect.OffsetRect(5, -5);
	ExpectRect(rect, 5, -5, 15, 5);
	rect -= CPoint(5, -5);
	ExpectRect(rect, 0, 0, 10, 10);
	rect += CSize(1, 1);
	ExpectRect(rect, 1, 1, 11, 11);
	rect.InflateRect(1, 2);
	ExpectRect(rect, 0, -1, 12, 13);
	rect.DeflateRect(1, 2, 3, 4);
	ExpectRect(rect, 1, 1, 9, 9);
	const CRect border(1, 1, 1, 1);
	rect += &border;
	ExpectRect(rect, 0, 0, 10, 10);
	rect -= &border;
	ExpectRect(rect, 1, 1, 9, 9);
	ExpectRect(rect + CPoint(1, 1), 2, 2, 10, 10);

	CRect reversed(10, 20, 0, 5);
	reversed.NormalizeRect();
	ExpectRect(reversed, 0, 5, 10, 20);

	RECT* pRaw = rect;
	pRaw->left = 7;
	EXPECT_EQ(rect.left, 7);
}

TEST(GeometryTest, PointAndSizeArithmetic)
{
	CPoint point(3, 4);
	point += CSize(1, 1);
	EXPECT_EQ(point, CPoint(4, 5));
	EXPECT_EQ(point - CPoint(1, 2), CSize(3, 3));
	EXPECT_EQ(point - CSize(4, 5), CPoint(0, 0));
	EXPECT_EQ(-point, CPoint(-4, -5));
	EXPECT_EQ(CSize(2, 3) + CSize(1, 1), CSize(3, 4));
	EXPECT_NE(CSize(2, 3), CSize(3, 2));
}
