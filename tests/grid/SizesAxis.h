// An axis of rows or columns with the sizes a test gives, 20 by default for positions past them.
#pragma once

#include "grid/layout/GridLayout.h"

#include <utility>
#include <vector>

class SizesAxis : public GridAxis
{
public:
	explicit SizesAxis(std::vector<int> sizes) : m_sizes(std::move(sizes)) {}

	long GetCount() const override { return static_cast<long>(m_sizes.size()); }
	int GetDefaultSize() const override { return 20; }
	BOOL IsUniform() const override { return FALSE; }
	int GetStoredSize(long n) const override { return m_sizes[static_cast<size_t>(n)]; }

	std::vector<int> m_sizes;
};
