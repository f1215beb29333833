// The main window's layout arithmetic with the template's own numbers: the area between the bars
// of the opening window is 744 × 440 pixels.
#include "app/MainLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
	MainTemplate OpeningTemplate()
	{
		MainTemplate layoutTemplate;
		layoutTemplate.controls = {
			{CRect(6, 7, 738, 24), CRect(6, 151, 738, 169), CRect(6, 297, 738, 315)},
			{CRect(6, 31, 738, 145), CRect(6, 176, 738, 289), CRect(6, 322, 738, 436)}};
		layoutTemplate.sizeArea = CSize(744, 440);
		return layoutTemplate;
	}
}

TEST(MainLayout, ALargerAreaGoesToTheScopesInEqualShares)
{
	// 1176 pixels wider and 560 taller: 186, 187 and 187 more rows, the odd pixels below.
	const MainLayout layout = LayOutMainWindow(OpeningTemplate(), CRect(0, 28, 1920, 1028));
	EXPECT_EQ(layout.rcLabels[0], CRect(6, 35, 1914, 52));
	EXPECT_EQ(layout.rcScopes[0], CRect(6, 59, 1914, 359));
	EXPECT_EQ(layout.rcLabels[1], CRect(6, 365, 1914, 383));
	EXPECT_EQ(layout.rcScopes[1], CRect(6, 390, 1914, 690));
	EXPECT_EQ(layout.rcLabels[2], CRect(6, 698, 1914, 716));
	EXPECT_EQ(layout.rcScopes[2], CRect(6, 723, 1914, 1024));
}

TEST(MainLayout, EveryHeightKeepsTheLabelsGapsAndMargins)
{
	const MainTemplate layoutTemplate = OpeningTemplate();
	const CSize sizeMinimum = MinimumMainArea(layoutTemplate);
	for (int nHeight = sizeMinimum.cy; nHeight <= 1200; nHeight++)
	{
		SCOPED_TRACE(nHeight);
		const MainLayout layout = LayOutMainWindow(layoutTemplate, CRect(0, 0, 600, nHeight));
		int nLowest = 10000;
		int nHighest = -10000;
		for (int k = 0; k < MAIN_SCOPE_COUNT; k++)
		{
			ASSERT_EQ(layout.rcLabels[k].Height(), layoutTemplate.controls.rcLabels[k].Height());
			ASSERT_EQ(layout.rcScopes[k].top - layout.rcLabels[k].bottom, 7);
			ASSERT_EQ(layout.rcScopes[k].Width(), 588);
			ASSERT_GE(layout.rcScopes[k].Height() * 2, layoutTemplate.controls.rcScopes[k].Height());
			const int nGain = layout.rcScopes[k].Height() - layoutTemplate.controls.rcScopes[k].Height();
			nLowest = std::min(nLowest, nGain);
			nHighest = std::max(nHighest, nGain);
		}
		ASSERT_EQ(layout.rcLabels[0].top, 7);
		ASSERT_EQ(layout.rcLabels[1].top - layout.rcScopes[0].bottom, 6);
		ASSERT_EQ(layout.rcLabels[2].top - layout.rcScopes[1].bottom, 8);
		ASSERT_EQ(nHeight - layout.rcScopes[2].bottom, 4);
		ASSERT_LE(nHighest - nLowest, 1);
	}
}

TEST(MainLayout, TheMinimumLeavesEveryScopeHalfItsSize)
{
	const MainTemplate layoutTemplate = OpeningTemplate();
	// Each scope gives up 56 rows, half the lowest (113), and half of its 732 columns.
	EXPECT_EQ(MinimumMainArea(layoutTemplate), CSize(378, 272));
	const MainLayout layout = LayOutMainWindow(layoutTemplate, CRect(0, 0, 378, 272));
	EXPECT_EQ(layout.rcScopes[0], CRect(6, 31, 372, 89));
	EXPECT_EQ(layout.rcScopes[1], CRect(6, 120, 372, 177));
	EXPECT_EQ(layout.rcScopes[2], CRect(6, 210, 372, 268));
}
