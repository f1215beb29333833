// The grid's layout arithmetic.
#include "grid/layout/GridLayout.h"

int GridAxis::GetSize(long n) const
{
	if (n < 0 || n >= GetCount() || IsUniform())
		return GetDefaultSize();
	return GetStoredSize(n);
}
