// SlotTable: a growable table of numbered slots, in which the grid registers its cell types and
// other plug-ins by index.
#pragma once

#include "framework/core/Types.h"

#include <memory>

struct GridSlot
{
	BOOL m_bInUse;
	void* m_pData;
	int m_nValue;
	BYTE m_extra[16];
};

class SlotTable
{
public:
	SlotTable();
	~SlotTable();

	SlotTable(const SlotTable&) = delete;
	SlotTable& operator=(const SlotTable&) = delete;

	// Takes the first free slot and returns its index, or -1 when the table cannot grow.
	int Add(void* pData, int nValue = 0);
	// Frees the slot for a later Add; the object it points at stays the caller's.
	BOOL Remove(int nIndex);
	// Null for a free slot or an index outside the table.
	GridSlot* GetSlot(int nIndex) const;

	int GetCount() const;
	int GetCapacity() const;

private:
	BOOL Grow();

	std::unique_ptr<GridSlot[]> m_pSlots;
	int m_nCount;
	int m_nCapacity;
};
