// A new sheet's defaults and the selection's blocks.
#include "grid/celltypes/CellType.h"
#include "grid/window/SheetSettings.h"

#include "framework/ui/system/SystemServices.h"

#include <gtest/gtest.h>

TEST(SheetSettingsTest, NewSheetHasOneHeadingRowAndColumnAndRaisedCentredHeadings)
{
	SheetSettings sheet;
	ASSERT_EQ(sheet.m_topHeadingRows.size(), 1u);
	EXPECT_EQ(sheet.m_topHeadingRows[0], 20);
	ASSERT_EQ(sheet.m_sideHeadingColumns.size(), 1u);
	EXPECT_EQ(sheet.m_sideHeadingColumns[0], 25);
	EXPECT_EQ(sheet.m_nCurrentColumn, -1);
	EXPECT_EQ(sheet.m_nCurrentRow, -1);
	EXPECT_EQ(sheet.m_nDefaultColumnWidth, 75);
	EXPECT_EQ(sheet.m_nDefaultRowHeight, 20);

	const GridCell& heading = sheet.m_headingDefaultCell;
	EXPECT_EQ(heading.GetMask(), GCP_BACKCOLOR | GCP_BORDER | GCP_ALIGNMENT);
	EXPECT_EQ(heading.GetBackColor(0), GetSysColor(COLOR_BTNFACE));
	EXPECT_EQ(heading.GetBorder(), 0x2000);
	EXPECT_EQ(heading.GetAlignment(), 0x24);
	EXPECT_EQ(sheet.m_defaultCell.GetMask(), 0u);
	EXPECT_EQ(sheet.m_nVScrollWidth, GetSystemMetrics(SM_CXVSCROLL));
}

TEST(SelectionListTest, BlocksAreNormalisedAndTheLastHoldingBlockCounts)
{
	SelectionList selection;
	selection.StartBlock(4, 10, 8);
	selection.ExtendLastBlock(2, 7, 8);
	selection.StartBlock(3, 8, 8);

	EXPECT_EQ(selection.Contains(2, 7), 1);
	EXPECT_EQ(selection.Contains(3, 8), 2);
	EXPECT_EQ(selection.Contains(5, 8), 0);
	selection.m_nStyle = GRID_SELECT_FIRST_BLOCK;
	EXPECT_EQ(selection.Contains(3, 8), 1);

	int nFirstCol = 0, nLastCol = 0;
	long nFirstRow = 0, nLastRow = 0;
	ASSERT_TRUE(selection.GetBoundingBlock(&nFirstCol, &nFirstRow, &nLastCol, &nLastRow));
	EXPECT_EQ(nFirstCol, 2);
	EXPECT_EQ(nFirstRow, 7);
	EXPECT_EQ(nLastCol, 4);
	EXPECT_EQ(nLastRow, 10);

	selection.Clear();
	EXPECT_FALSE(selection.GetBoundingBlock(&nFirstCol, &nFirstRow, &nLastCol, &nLastRow));
	EXPECT_FALSE(selection.ExtendLastBlock(1, 1, 8));
}

TEST(SelectionListTest, WholeRowBlocksSpanEveryColumn)
{
	SelectionList selection;
	selection.m_nStyle = GRID_SELECT_WHOLE_ROWS;
	selection.StartBlock(3, 5, 6);
	EXPECT_EQ(selection.Contains(0, 5), 1);
	EXPECT_EQ(selection.Contains(5, 5), 1);
	EXPECT_EQ(selection.Contains(6, 5), 0);
	EXPECT_EQ(selection.Contains(3, 6), 0);
}

TEST(SelectionListTest, AMovedCornerReportsEveryCellWhoseLookChanged)
{
	// Corner moves around the anchor (4, 4), crossing it both ways, in both styles.
	const CPoint corners[] = {{4, 4}, {6, 7}, {6, 2}, {1, 2}, {1, 9}, {4, 9}, {4, 4}, {0, 0}, {7, 7}};
	for (const int nStyle : {0, GRID_SELECT_WHOLE_ROWS})
	{
		SelectionList selection;
		selection.m_nStyle = nStyle;
		selection.StartBlock(4, 4, 8);
		for (const CPoint& corner : corners)
		{
			BOOL before[8][10];
			for (int c = 0; c < 8; c++)
				for (long r = 0; r < 10; r++)
					before[c][r] = selection.Contains(c, r) != 0;
			GridSelectionChange change;
			ASSERT_TRUE(selection.ExtendLastBlock(corner.x, corner.y, 8, &change));
			for (int c = 0; c < 8; c++)
			{
				for (long r = 0; r < 10; r++)
				{
					if (before[c][r] == (selection.Contains(c, r) != 0))
						continue;
					BOOL bReported = FALSE;
					for (int i = 0; i < change.m_nBands; i++)
					{
						const GridCellBlock& band = change.m_bands[i];
						bReported |= c >= band.m_nFirstCol && c <= band.m_nLastCol && r >= band.m_nFirstRow
							&& r <= band.m_nLastRow;
					}
					EXPECT_TRUE(bReported) << c << "," << r << " after the corner went to " << corner.x << ","
										   << corner.y << " in style " << nStyle;
				}
			}
			if (nStyle == GRID_SELECT_WHOLE_ROWS)
			{
				EXPECT_LE(change.m_nBands, 1) << "whole rows change only by rows";
			}
		}
		EXPECT_EQ(1, selection.GetBlockCount()) << "a block counts once however often it stretches";
	}

	SelectionList selection;
	selection.StartBlock(2, 3, 8);
	selection.ExtendLastBlock(5, 6, 8);
	GridSelectionChange change;
	selection.ExtendLastBlock(5, 6, 8, &change);
	EXPECT_EQ(0, change.m_nBands) << "the same corner again changes nothing";
}
