// The analyser window's layout arithmetic, with numbers.
#include "analyser/FourierLayout.h"

#include <gtest/gtest.h>

namespace
{
	// A small template: area 100 × 200, scopes 40 high, the table 60 high with the summary beside.
	FourierTemplate SmallTemplate()
	{
		FourierTemplate t;
		t.controls.rcSignalLabel = CRect(5, 0, 95, 10);
		t.controls.rcSignalScope = CRect(5, 10, 95, 50);
		t.controls.rcHarmonicsLabel = CRect(5, 60, 95, 70);
		t.controls.rcHarmonicsScope = CRect(5, 70, 95, 110);
		t.controls.rcTable = CRect(5, 120, 65, 180);
		for (int k = 0; k < FOURIER_SUMMARY_COUNT; k++)
			t.controls.rcSummary[k] = CRect(70, 120 + 10 * k, 95, 128 + 10 * k);
		t.sizeArea = CSize(100, 200);
		return t;
	}
}

TEST(FourierLayout, ScopesAndTableShareTheAreaAsTheTemplateSays)
{
	struct Case
	{
		CRect rcArea;
		CRect rcSignalScope;
		CRect rcHarmonicsLabel;
		CRect rcHarmonicsScope;
		CRect rcTable;
		CRect rcLastSummary;
	};
	const Case cases[] = {
		// The template's own area, moved down by a toolbar.
		{CRect(0, 30, 100, 230), CRect(5, 40, 95, 80), CRect(5, 90, 95, 100), CRect(5, 100, 95, 140),
			CRect(5, 150, 65, 210), CRect(70, 200, 95, 208)},
		// 31 pixels taller and 40 wider: 10, 10 and the 11 left over to the table.
		{CRect(0, 0, 140, 231), CRect(5, 10, 135, 60), CRect(5, 70, 135, 80), CRect(5, 80, 135, 130),
			CRect(5, 140, 105, 211), CRect(110, 190, 135, 198)},
		// 21 pixels lower: the scopes give 11 and 10, the table keeps its height.
		{CRect(0, 0, 100, 179), CRect(5, 10, 95, 39), CRect(5, 49, 95, 59), CRect(5, 59, 95, 89),
			CRect(5, 99, 65, 159), CRect(70, 149, 95, 157)},
	};
	for (const Case& c : cases)
	{
		const FourierControls layout = LayOutFourierWindow(SmallTemplate(), c.rcArea);
		EXPECT_EQ(layout.rcSignalScope, c.rcSignalScope);
		EXPECT_EQ(layout.rcHarmonicsLabel, c.rcHarmonicsLabel);
		EXPECT_EQ(layout.rcHarmonicsScope, c.rcHarmonicsScope);
		EXPECT_EQ(layout.rcTable, c.rcTable);
		EXPECT_EQ(layout.rcSummary[FOURIER_SUMMARY_COUNT - 1], c.rcLastSummary);
		EXPECT_EQ(layout.rcSignalLabel.Height(), 10);
	}
	EXPECT_EQ(MinimumFourierArea(SmallTemplate()), CSize(70, 160));
}
