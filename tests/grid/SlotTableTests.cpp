// SlotTable: first free slot, growth ten at a time, and lookups of free or missing slots.
#include "grid/store/SlotTable.h"

#include <gtest/gtest.h>

namespace
{
	TEST(SlotTableTest, GrowsByTenAndKeepsEarlierSlots)
	{
		SlotTable table;
		int values[25] = {};
		for (int i = 0; i < 25; i++)
			ASSERT_EQ(i, table.Add(&values[i], i * 100));

		EXPECT_EQ(25, table.GetCount());
		EXPECT_EQ(30, table.GetCapacity());
		for (int i = 0; i < 25; i++)
		{
			const GridSlot* pSlot = table.GetSlot(i);
			ASSERT_NE(nullptr, pSlot);
			EXPECT_EQ(&values[i], pSlot->m_pData);
			EXPECT_EQ(i * 100, pSlot->m_nValue);
		}
	}

	TEST(SlotTableTest, AddTakesTheFirstFreeSlot)
	{
		SlotTable table;
		int a = 0, b = 0, c = 0;
		table.Add(&a);
		table.Add(&b);
		table.Add(&c);
		ASSERT_TRUE(table.Remove(1));
		EXPECT_FALSE(table.Remove(1));
		EXPECT_EQ(nullptr, table.GetSlot(1));

		EXPECT_EQ(1, table.Add(&c));
		EXPECT_EQ(3, table.Add(&a));
		EXPECT_EQ(10, table.GetCapacity());
	}

	TEST(SlotTableTest, LookupOutsideTheTableIsNull)
	{
		SlotTable table;
		EXPECT_EQ(nullptr, table.GetSlot(0));
		int a = 0;
		table.Add(&a);
		EXPECT_EQ(nullptr, table.GetSlot(-1));
		EXPECT_EQ(nullptr, table.GetSlot(1));
		EXPECT_EQ(nullptr, table.GetSlot(10));
	}
}
