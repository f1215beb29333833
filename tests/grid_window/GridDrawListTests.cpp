// The draw list's blocks and joined origins, and the walk over the positions a view shows.
#include "grid/window/GridDrawList.h"
#include "grid/window/GridViewWalk.h"
#include "tests/grid/SizesAxis.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{
	// "position@start+size ..." of a whole walk.
	std::string Walk(const GridAxis& axis, long nLocked, long nFirst, int nView)
	{
		GridViewWalk walk(axis, nLocked, nFirst, nView);
		std::string text;
		while (walk.Next())
		{
			text += std::to_string(walk.GetPosition()) + "@" + std::to_string(walk.GetStart()) + "+"
				+ std::to_string(walk.GetSize()) + " ";
		}
		return text + (walk.ReachedCount() ? "end" : "full");
	}
}

TEST(GridDrawListTest, HoldsOnlyTheCellsOfItsBlocks)
{
	GridDrawList list;
	EXPECT_TRUE(list.IsEmpty());
	EXPECT_FALSE(list.Contains(0, 0));

	list.AddBlock(3, 9, 1, 7);
	list.AddBlock(10, 0, 10, 0);
	EXPECT_TRUE(list.Contains(1, 7));
	EXPECT_TRUE(list.Contains(3, 9));
	EXPECT_TRUE(list.Contains(10, 0));
	EXPECT_FALSE(list.Contains(5, 5)) << "inside the bounds, outside both blocks";
	EXPECT_FALSE(list.Contains(4, 8));

	list.Clear();
	EXPECT_TRUE(list.IsEmpty());
	EXPECT_FALSE(list.Contains(1, 7));
	list.AddAll();
	EXPECT_TRUE(list.Contains(-3, -1)) << "heading cells too";
	EXPECT_TRUE(list.Contains(31999, 2000000000L));
}

TEST(GridDrawListTest, JoinedOriginCountsAsDrawnUntilTheListIsCleared)
{
	GridDrawList list;
	EXPECT_FALSE(list.CheckJoinedDrawn(2, 5));
	EXPECT_TRUE(list.CheckJoinedDrawn(2, 5));
	EXPECT_FALSE(list.CheckJoinedDrawn(5, 2));
	list.Clear();
	EXPECT_FALSE(list.CheckJoinedDrawn(2, 5));
}

TEST(GridViewWalkTest, LockedPositionsFirstThenFromTheFirstShownSkippingEmptyOnes)
{
	const SizesAxis axis({10, 0, 15, 20, 25, 0, 30, 35});
	EXPECT_EQ(Walk(axis, 0, 0, 1000), "0@0+10 2@10+15 3@25+20 4@45+25 6@70+30 7@100+35 end");
	EXPECT_EQ(Walk(axis, 2, 4, 1000), "0@0+10 4@10+25 6@35+30 7@65+35 end");
	EXPECT_EQ(Walk(axis, 0, 3, 45), "3@0+20 4@20+25 full") << "the view ends exactly at a position's edge";
	EXPECT_EQ(Walk(axis, 0, 3, 46), "3@0+20 4@20+25 6@45+30 full") << "a position cut by the edge is shown";
	EXPECT_EQ(Walk(axis, 3, 0, 1000), "0@0+10 2@10+15 3@25+20 4@45+25 6@70+30 7@100+35 end")
		<< "a first position inside the locked ones starts after them";
	EXPECT_EQ(Walk(SizesAxis({}), 0, 0, 100), "end");
	EXPECT_EQ(Walk(axis, 0, 0, 0), "full");
}

TEST(GridViewWalkTest, PositionsThatAppearDuringTheWalkAreWalked)
{
	SizesAxis axis({20, 20});
	GridViewWalk walk(axis, 0, 0, 100);
	ASSERT_TRUE(walk.Next());
	ASSERT_TRUE(walk.Next());
	ASSERT_FALSE(walk.Next());
	EXPECT_TRUE(walk.ReachedCount());
	axis.m_sizes.push_back(30);
	ASSERT_TRUE(walk.Next());
	EXPECT_EQ(walk.GetPosition(), 2);
	EXPECT_EQ(walk.GetStart(), 40);
	EXPECT_EQ(walk.GetEnd(), 70);
}

TEST(GridViewWalkTest, SpanOfARunStopsOncePastItsLimit)
{
	const SizesAxis axis({10, 20, 30, 40});
	EXPECT_EQ(GridAxisSpan(axis, 1, 3, 1000), 50);
	EXPECT_EQ(GridAxisSpan(axis, 3, 1, 1000), 0);
	EXPECT_EQ(GridAxisSpan(axis, 0, 4, 25), 30) << "stops after the sum passes 25";
	EXPECT_EQ(GridAxisSpan(axis, 3, 6, 1000), 80) << "past the count: the default size";
}
