// CompareCellsForSort: missing and empty cells first, numbers by value, text by its bytes,
// and the descending flag.
#include "grid/store/CellCompare.h"

#include "grid/store/DataSource.h"
#include "grid/store/GridCell.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
	// A cell for a table row: null for a missing cell, text without a type, or a typed text.
	struct CellInput
	{
		bool present;
		const char* text;
		int dataType;
	};

	constexpr CellInput MISSING = { false, "", 0 };

	CellInput Text(const char* text)
	{
		return { true, text, GCD_TEXT };
	}

	CellInput Typed(const char* text, int dataType)
	{
		return { true, text, dataType };
	}

	std::unique_ptr<GridCell> Make(const CellInput& input)
	{
		if (!input.present)
			return nullptr;
		std::unique_ptr<GridCell> pCell(new GridCell);
		pCell->SetText(input.text);
		pCell->SetDataType(input.dataType);
		return pCell;
	}

	struct CompareCase
	{
		CellInput a;
		CellInput b;
		int flags;
		int expected;
	};

	class CompareCellsTest : public ::testing::TestWithParam<CompareCase>
	{
	};

	TEST_P(CompareCellsTest, OrdersTwoCells)
	{
		const std::unique_ptr<GridCell> pA = Make(GetParam().a);
		const std::unique_ptr<GridCell> pB = Make(GetParam().b);
		EXPECT_EQ(GetParam().expected, CompareCellsForSort(pA.get(), pB.get(), GetParam().flags));
	}

	INSTANTIATE_TEST_SUITE_P(Cases, CompareCellsTest, ::testing::Values(
		CompareCase{ MISSING, MISSING, 0, 0 },
		CompareCase{ MISSING, Text("a"), 0, -1 },
		CompareCase{ Text("a"), MISSING, 0, 1 },
		CompareCase{ MISSING, Text("a"), GRID_SORT_DESCENDING, 1 },
		CompareCase{ Text(""), Text("a"), 0, -1 },
		CompareCase{ Text(""), Text(""), 0, 0 },
		CompareCase{ Text("a"), Text(""), 0, 1 },
		CompareCase{ Text("alpha"), Text("beta"), 0, -1 },
		CompareCase{ Text("alpha"), Text("beta"), GRID_SORT_DESCENDING, 1 },
		CompareCase{ Text("b"), Text("B"), 0, 1 },
		CompareCase{ Text("z"), Text("\xC3\xA0"), 0, -1 },
		CompareCase{ Text("same"), Text("same"), 0, 0 },
		CompareCase{ Text("10"), Text("9"), 0, -1 },
		CompareCase{ Typed("10", GCD_NUMBER), Typed("9", GCD_NUMBER), 0, 1 },
		CompareCase{ Typed("10", 3), Text("9"), 0, 1 },
		CompareCase{ Typed("10", 4), Text("9"), 0, -1 },
		CompareCase{ Typed("10", 5), Text("9"), 0, 1 },
		CompareCase{ Typed("-1.5", GCD_NUMBER), Typed("-1.50", GCD_NUMBER), 0, 0 },
		CompareCase{ Typed("2", GCD_NUMBER), Typed("10", GCD_NUMBER), GRID_SORT_DESCENDING, 1 }));

	// An empty number cell reads as 0, yet sorts before every number, the negative ones too.
	TEST(CompareCellsEmptyNumberTest, SortsFirstWhicheverSideItIs)
	{
		const std::unique_ptr<GridCell> pEmpty = Make(Typed("", GCD_NUMBER));
		for (const char* text : { "-3", "0", "2", "nonsense" })
		{
			const std::unique_ptr<GridCell> pNumber = Make(Typed(text, GCD_NUMBER));
			EXPECT_EQ(1, CompareCellsForSort(pNumber.get(), pEmpty.get(), 0)) << text;
			EXPECT_EQ(-1, CompareCellsForSort(pEmpty.get(), pNumber.get(), 0)) << text;
			EXPECT_EQ(-1, CompareCellsForSort(pNumber.get(), pEmpty.get(), GRID_SORT_DESCENDING)) << text;
		}
	}
}
