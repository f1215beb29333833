// CompareCellsForSort: numbers by value, every other data type by its bytes.
#include "grid/store/CellCompare.h"

#include "grid/store/DataSource.h"
#include "grid/store/GridCell.h"

#include <cstring>
#include <utility>

namespace
{
	int Sign(int n)
	{
		return n < 0 ? -1 : (n > 0 ? 1 : 0);
	}
}

int CompareCellsForSort(const GridCell* pA, const GridCell* pB, int nFlags)
{
	if (nFlags & GRID_SORT_DESCENDING)
		std::swap(pA, pB);
	if (pA == nullptr && pB == nullptr)
		return 0;
	if (pA == nullptr)
		return -1;
	if (pB == nullptr)
		return 1;
	if (pA->GetTextLength() == 0)
		return pB->GetTextLength() > 0 ? -1 : 0;
	// Checked before the values: a number cell without text reads as 0 and would follow a negative number.
	if (pB->GetTextLength() == 0)
		return 1;

	// The type of the first cell decides; a mixed column compares as the first cell reads.
	switch (pA->GetDataType())
	{
	case GCD_NUMBER:
	case 3:
	case 5:
	{
		const double dA = pA->GetNumber();
		const double dB = pB->GetNumber();
		return dA < dB ? -1 : (dA > dB ? 1 : 0);
	}
	default:
		// strcmp compares the bytes as unsigned characters, so accented letters sort last.
		return Sign(std::strcmp(pA->GetText(), pB->GetText()));
	}
}
