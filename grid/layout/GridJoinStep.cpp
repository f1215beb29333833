// The landing position of a move into a joined block.
#include "grid/layout/GridJoinStep.h"

long GridStepOverJoin(long nNew, long nTarget, long nOrigin, long nLast, long nCount, bool bKeyboard)
{
	if (!bKeyboard)
		return nOrigin;
	if (nNew > nTarget)
	{
		if (nTarget < nOrigin)
			return nOrigin;
		return nLast + 1 < nCount ? nLast + 1 : nNew;
	}
	// Back from inside the block: to the position before it, which may be the very first one.
	if (nTarget <= nLast && nOrigin - 1 >= 0)
		return nOrigin - 1;
	return nNew;
}
