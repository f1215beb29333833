// GridCell: numbers and booleans read from text, numbers written under any locale, readers of
// unset properties, and copying by mask.
#include "grid/store/GridCell.h"
#include "tests/support/Environment.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
	struct TextCase
	{
		const char* text;
		double number;
		BOOL boolean;
	};

	class GridCellTextTest : public ::testing::TestWithParam<TextCase>
	{
	};

	TEST_P(GridCellTextTest, ReadsNumberAndBoolean)
	{
		GridCell cell;
		cell.SetText(GetParam().text);
		EXPECT_DOUBLE_EQ(GetParam().number, cell.GetNumber());
		EXPECT_EQ(GetParam().boolean, cell.GetBool());
	}

	INSTANTIATE_TEST_SUITE_P(Texts, GridCellTextTest, ::testing::Values(
		TextCase{ "", 0.0, FALSE },
		TextCase{ "True", 0.0, TRUE },
		TextCase{ "t", 0.0, TRUE },
		TextCase{ "false", 0.0, FALSE },
		TextCase{ "yes", 0.0, FALSE },
		TextCase{ "0", 0.0, FALSE },
		TextCase{ "7", 7.0, TRUE },
		TextCase{ "-2.5", -2.5, TRUE },
		TextCase{ "0.5", 0.5, FALSE },
		TextCase{ "12abc", 12.0, TRUE }));

	TEST(GridCellTest, CellWithoutTextReadsAsZeroAndFalse)
	{
		GridCell cell;
		EXPECT_DOUBLE_EQ(0.0, cell.GetNumber());
		EXPECT_FALSE(cell.GetBool());

		cell.SetText("1");
		cell.SetMask(cell.GetMask() & ~GCP_TEXT);
		EXPECT_DOUBLE_EQ(0.0, cell.GetNumber());
		EXPECT_FALSE(cell.GetBool());
		EXPECT_STREQ("", cell.GetText());
	}

	void ExpectNumbersWithPoint()
	{
		GridCell cell;
		cell.SetNumber(3.14159);
		EXPECT_STREQ("3.141590", cell.GetText());
		EXPECT_EQ(GCD_NUMBER, cell.GetDataType());

		cell.SetDecimals(2);
		cell.SetNumber(3.14159);
		EXPECT_STREQ("3.14", cell.GetText());
		EXPECT_DOUBLE_EQ(3.14, cell.GetNumber());

		cell.SetDecimals(0);
		cell.SetNumber(-2.6);
		EXPECT_STREQ("-3", cell.GetText());
	}

	TEST(GridCellTest, NumberIsWrittenWithItsDecimals)
	{
		ExpectNumbersWithPoint();
	}

	TEST(GridCellTest, NumberKeepsThePointUnderACommaLocale)
	{
		CScopedLocale locale("it_IT.UTF-8");
		if (!locale.IsActive())
			GTEST_SKIP() << "the it_IT.UTF-8 locale is not installed";
		ExpectNumbersWithPoint();
	}

	TEST(GridCellTest, SetTextMakesTheCellTextAgain)
	{
		GridCell cell;
		cell.SetNumber(1.0);
		cell.SetText("one");
		EXPECT_EQ(GCD_TEXT, cell.GetDataType());
		EXPECT_EQ(GCP_TEXT | GCP_DATATYPE, cell.GetMask());
	}

	TEST(GridCellTest, UnsetPropertiesReadAsTheirDefaults)
	{
		GridCell cell;
		cell.SetTextColor(RGB(1, 2, 3));
		cell.SetBackColor(RGB(4, 5, 6));
		cell.SetBorderPen(reinterpret_cast<CPen*>(&cell));
		cell.SetAlignment(GCA_RIGHT);
		cell.SetDecimals(3);
		cell.SetMask(0);

		EXPECT_EQ(RGB(9, 9, 9), cell.GetTextColor(RGB(9, 9, 9)));
		EXPECT_EQ(RGB(8, 8, 8), cell.GetBackColor(RGB(8, 8, 8)));
		EXPECT_EQ(nullptr, cell.GetBorderPen());
		EXPECT_EQ(0, cell.GetAlignment());
		EXPECT_EQ(-1, cell.GetDecimals());
		EXPECT_EQ(GCD_TEXT, cell.GetDataType());
		EXPECT_FALSE(cell.GetJoin(nullptr, nullptr, nullptr));

		cell.SetNumber(1.5);
		EXPECT_STREQ("1.500000", cell.GetText());
	}

	TEST(GridCellTest, ClearAllForgetsTextAndExtraData)
	{
		GridCell cell;
		cell.SetText("x");
		const char data[] = "abc";
		ASSERT_TRUE(cell.SetExtraData(data, 3));
		cell.ClearAll();
		EXPECT_EQ(0u, cell.GetMask());
		EXPECT_EQ(nullptr, cell.GetExtraData());

		cell.SetMask(GCP_TEXT | GCP_EXTRADATA);
		EXPECT_STREQ("", cell.GetText());
		EXPECT_EQ(0, cell.GetExtraDataLength());
	}

	TEST(GridCellTest, MergeCopiesOnlyTheSourcesPropertiesAndDuplicatesExtraData)
	{
		GridCell source;
		source.SetBackColor(RGB(10, 20, 30));
		source.SetJoin(TRUE, 2, 3);
		const BYTE data[] = { 1, 2, 3, 4 };
		ASSERT_TRUE(source.SetExtraData(data, 4));

		GridCell target;
		target.SetText("kept");
		target.SetBackColor(RGB(0, 0, 0));
		target.MergeFrom(source);

		EXPECT_EQ(source.GetMask() | GCP_TEXT | GCP_DATATYPE, target.GetMask());
		EXPECT_STREQ("kept", target.GetText());
		EXPECT_EQ(RGB(10, 20, 30), target.GetBackColor(0));
		BOOL bOrigin = FALSE;
		int nCol = 0;
		long nRow = 0;
		ASSERT_TRUE(target.GetJoin(&bOrigin, &nCol, &nRow));
		EXPECT_TRUE(bOrigin);
		EXPECT_EQ(2, nCol);
		EXPECT_EQ(3, nRow);

		ASSERT_EQ(4, target.GetExtraDataLength());
		EXPECT_NE(source.GetExtraData(), target.GetExtraData());
		EXPECT_EQ(0, std::memcmp(data, target.GetExtraData(), 4));
		source.ClearAll();
		EXPECT_EQ(3, target.GetExtraData()[2]);
	}

	TEST(GridCellTest, CopyReplacesTheMask)
	{
		GridCell source;
		source.SetLabel("a|b");
		source.SetReadOnly(TRUE);

		GridCell target;
		target.SetText("gone");
		target.SetFont(reinterpret_cast<CFont*>(&target));
		target.CopyFrom(source);

		EXPECT_EQ(GCP_LABEL | GCP_READONLY, target.GetMask());
		EXPECT_STREQ("", target.GetText());
		EXPECT_EQ(nullptr, target.GetFont());
		EXPECT_STREQ("a|b", target.GetLabel());
		EXPECT_TRUE(target.IsReadOnly());
	}

	// Properties other than the text live in a block of their own: a cell without one must
	// still read, give and receive them as if every field were inline.
	TEST(GridCellTest, PropertiesWithoutTheirBlockReadAsFreshFields)
	{
		GridCell bare;
		bare.SetMask(GCP_BACKCOLOR | GCP_DECIMALS | GCP_JOIN | GCP_EXTRADATA);
		EXPECT_EQ(RGB(0, 0, 0), bare.GetBackColor(RGB(9, 9, 9)));
		EXPECT_EQ(0, bare.GetDecimals());
		long nRow = 7;
		ASSERT_TRUE(bare.GetJoin(nullptr, nullptr, &nRow));
		EXPECT_EQ(0, nRow);

		GridCell target;
		target.SetBackColor(RGB(200, 0, 0));
		const BYTE data[] = { 5, 6 };
		ASSERT_TRUE(target.SetExtraData(data, 2));
		target.MergeFrom(bare);
		EXPECT_EQ(RGB(0, 0, 0), target.GetBackColor(RGB(9, 9, 9)));
		EXPECT_EQ(0, target.GetExtraDataLength());
		EXPECT_EQ(nullptr, target.GetExtraData());
	}

	TEST(GridCellTest, PropertiesUnderClearedBitsKeepTheirValues)
	{
		GridCell cell;
		cell.SetText("a");
		cell.SetBackColor(RGB(1, 2, 3));
		const BYTE data[] = { 1, 2, 3 };
		ASSERT_TRUE(cell.SetExtraData(data, 3));

		GridCell textOnly;
		textOnly.SetText("b");
		cell.CopyFrom(textOnly);
		EXPECT_EQ(RGB(7, 7, 7), cell.GetBackColor(RGB(7, 7, 7)));
		cell.SetMask(cell.GetMask() | GCP_BACKCOLOR | GCP_EXTRADATA);
		EXPECT_EQ(RGB(1, 2, 3), cell.GetBackColor(RGB(7, 7, 7)));
		ASSERT_EQ(3, cell.GetExtraDataLength());

		cell.ClearAll();
		cell.SetMask(GCP_BACKCOLOR | GCP_EXTRADATA);
		EXPECT_EQ(RGB(1, 2, 3), cell.GetBackColor(RGB(7, 7, 7)));
		EXPECT_EQ(nullptr, cell.GetExtraData());

		GridCell copy;
		copy.CopyFrom(cell);
		EXPECT_EQ(RGB(1, 2, 3), copy.GetBackColor(RGB(7, 7, 7)));
	}
}
