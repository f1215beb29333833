// SlotTable: first-free-slot allocation, growing ten slots at a time.
#include "grid/store/SlotTable.h"

#include <new>
#include <utility>

namespace
{
	constexpr int GROW_BY = 10;
}

SlotTable::SlotTable()
	: m_nCount(0), m_nCapacity(0)
{
}

SlotTable::~SlotTable() = default;

int SlotTable::Add(void* pData, int nValue)
{
	if (m_nCount == m_nCapacity && !Grow())
		return -1;
	int nIndex = 0;
	while (m_pSlots[nIndex].m_bInUse)
		nIndex++;
	GridSlot& slot = m_pSlots[nIndex];
	slot = GridSlot();
	slot.m_bInUse = TRUE;
	slot.m_pData = pData;
	slot.m_nValue = nValue;
	m_nCount++;
	return nIndex;
}

BOOL SlotTable::Remove(int nIndex)
{
	GridSlot* pSlot = GetSlot(nIndex);
	if (pSlot == nullptr)
		return FALSE;
	*pSlot = GridSlot();
	m_nCount--;
	return TRUE;
}

GridSlot* SlotTable::GetSlot(int nIndex) const
{
	if (nIndex < 0 || nIndex >= m_nCapacity || !m_pSlots[nIndex].m_bInUse)
		return nullptr;
	return &m_pSlots[nIndex];
}

int SlotTable::GetCount() const
{
	return m_nCount;
}

int SlotTable::GetCapacity() const
{
	return m_nCapacity;
}

BOOL SlotTable::Grow()
{
	const int nNewCapacity = m_nCapacity + GROW_BY;
	std::unique_ptr<GridSlot[]> pSlots(new (std::nothrow) GridSlot[nNewCapacity]());
	if (pSlots == nullptr)
		return FALSE;
	for (int i = 0; i < m_nCapacity; i++)
		pSlots[i] = m_pSlots[i];
	m_pSlots = std::move(pSlots);
	m_nCapacity = nNewCapacity;
	return TRUE;
}
