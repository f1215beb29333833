// Where the spectrum window's controls go as the window grows, shrinks and shows the figures.
#include "app/SpectrumLayout.h"

#include <gtest/gtest.h>

namespace
{
	// The template at 1.5 pixels a dialog unit, the area below the toolbar starting at 0.
	SpectrumTemplate Template()
	{
		SpectrumTemplate t;
		t.controls.rcScope = CRect(10, 10, 535, 127);
		t.controls.rcLabels[0] = CRect(10, 135, 268, 156);
		t.controls.rcLabels[1] = CRect(10, 160, 268, 181);
		t.controls.rcLabels[2] = CRect(277, 135, 535, 156);
		t.controls.rcLabels[3] = CRect(277, 160, 535, 181);
		t.controls.rcTable = CRect(10, 192, 535, 316);
		t.sizeArea = CSize(546, 327);
		return t;
	}
}

TEST(SpectrumLayout, BarsAndTableShareTheRoomAndTheFiguresComeBetweenLabelsAndTable)
{
	const SpectrumTemplate t = Template();
	struct Case
	{
		CRect rcArea;
		int nFigures;
		CRect rcScope;
		CRect rcLabel3;
		CRect rcFigures1;
		CRect rcTable;
	} cases[] = {
		// The template's own size, and the same lower down the window.
		{CRect(0, 0, 546, 327), 0, CRect(10, 10, 535, 127), CRect(277, 160, 535, 181), CRect(), CRect(10, 192, 535, 316)},
		{CRect(0, 30, 546, 357), 0, CRect(10, 40, 535, 157), CRect(277, 190, 535, 211), CRect(), CRect(10, 222, 535, 346)},
		// 241 pixels more: 117 of 241 to the bars (117 : 124 as in the template), 124 to the table;
		// 100 pixels wider: 50 to each label column.
		{CRect(0, 0, 646, 568), 0, CRect(10, 10, 635, 244), CRect(327, 277, 635, 298), CRect(), CRect(10, 309, 635, 557)},
		// A panel of 40 at the template's size plus its room: nothing else moves but the table.
		{CRect(0, 0, 546, 378), 40, CRect(10, 10, 535, 127), CRect(277, 160, 535, 181), CRect(277, 192, 535, 232),
			CRect(10, 243, 535, 367)},
		// 11 pixels short of the template: the bars give 5 (rounded down from 5.3), the table 6.
		{CRect(0, 0, 546, 316), 0, CRect(10, 10, 535, 121), CRect(277, 154, 535, 175), CRect(), CRect(10, 186, 535, 305)},
	};
	for (const Case& c : cases)
	{
		const SpectrumLayout layout = LayOutSpectrumWindow(t, c.rcArea, c.nFigures);
		EXPECT_EQ(layout.rcScope, c.rcScope) << c.rcArea.Height();
		EXPECT_EQ(layout.rcLabels[3], c.rcLabel3) << c.rcArea.Height();
		EXPECT_EQ(layout.rcFigures[1], c.rcFigures1) << c.rcArea.Height();
		EXPECT_EQ(layout.rcTable, c.rcTable) << c.rcArea.Height();
		EXPECT_EQ(layout.rcLabels[0].Height(), 21);
	}
	EXPECT_EQ(MinimumSpectrumArea(t, 0), CSize(546 - 262, 327 - 120));
	EXPECT_EQ(MinimumSpectrumArea(t, 40), CSize(546 - 262, 327 + 51 - 120));
}
