// Where a move lands on a joined block, one direction at a time, with numbers.
#include "grid/layout/GridJoinStep.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

struct JoinStepCase
{
	const char* pszName;
	long nNew;
	long nTarget;
	long nOrigin;
	long nLast;
	bool bKeyboard;
	long nExpected;
};

// A block over rows 3 to 5 of 10, unless a case says otherwise.
const JoinStepCase kJoinStepCases[] = {
	{"MouseAnywhereInTheBlockLandsOnItsOrigin", 5, 0, 3, 5, false, 3},
	{"MouseFromBelowLandsOnTheOriginToo", 4, 8, 3, 5, false, 3},
	{"DownFromAboveStopsOnTheOrigin", 4, 1, 3, 5, true, 3},
	{"DownFromInsideGoesPastTheBlock", 4, 3, 3, 5, true, 6},
	{"DownFromInsideABlockThatEndsTheSheetStays", 8, 7, 7, 9, true, 8},
	{"UpFromInsideGoesAboveTheBlock", 3, 4, 3, 5, true, 2},
	{"UpFromInsideABlockAtRowOneReachesRowZero", 1, 2, 1, 3, true, 0},
	{"UpFromInsideABlockAtTheTopStays", 0, 1, 0, 2, true, 0},
	{"UpFromBelowEntersOnTheLastRow", 5, 6, 3, 5, true, 5},
};

class GridJoinStepTest : public ::testing::TestWithParam<JoinStepCase>
{
};

TEST_P(GridJoinStepTest, LandsWhereTheGestureWants)
{
	const JoinStepCase& c = GetParam();
	EXPECT_EQ(c.nExpected, GridStepOverJoin(c.nNew, c.nTarget, c.nOrigin, c.nLast, 10, c.bKeyboard));
}

INSTANTIATE_TEST_SUITE_P(Moves, GridJoinStepTest, ::testing::ValuesIn(kJoinStepCases),
	[](const ::testing::TestParamInfo<JoinStepCase>& info) { return std::string(info.param.pszName); });

} // namespace
