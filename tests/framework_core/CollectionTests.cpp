// The typed arrays' growing, inserting and removing, and CStringList's positions.
#include "framework/core/Collections.h"

#include "tests/framework_core/StringPrinter.h"

#include <vector>

#include <gtest/gtest.h>

namespace
{

std::vector<CString> ContentsOf(const CStringArray& array)
{
	return std::vector<CString>(array.GetData(), array.GetData() + array.GetSize());
}

std::vector<CString> ContentsOf(const CStringList& list)
{
	std::vector<CString> forward;
	for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
		forward.push_back(list.GetNext(pos));
	std::vector<CString> backward;
	for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
		backward.insert(backward.begin(), list.GetPrev(pos));
	EXPECT_EQ(forward, backward) << "the links disagree";
	EXPECT_EQ(static_cast<int>(forward.size()), list.GetCount());
	return forward;
}

}

TEST(ArrayTest, InsertRemoveAndGrow)
{
	CStringArray array;
	EXPECT_EQ(array.GetUpperBound(), -1);
	EXPECT_EQ(array.Add("a"), 0);
	EXPECT_EQ(array.Add(CString("b")), 1);

	array.InsertAt(1, "x", 2);
	EXPECT_EQ(ContentsOf(array), (std::vector<CString>{ "a", "x", "x", "b" }));
	array.InsertAt(6, "z");
	EXPECT_EQ(ContentsOf(array), (std::vector<CString>{ "a", "x", "x", "b", "", "", "z" }));
	array.RemoveAt(1, 2);
	EXPECT_EQ(ContentsOf(array), (std::vector<CString>{ "a", "b", "", "", "z" }));
	array.RemoveAt(3, 10);
	EXPECT_EQ(ContentsOf(array), (std::vector<CString>{ "a", "b", "" }));
	array.SetAtGrow(4, "q");
	EXPECT_EQ(ContentsOf(array), (std::vector<CString>{ "a", "b", "", "", "q" }));
	array.SetAtGrow(0, array[4]);
	array[1] = "B";
	EXPECT_EQ(array.GetAt(0), "q");
	EXPECT_EQ(array.ElementAt(1), "B");
	EXPECT_EQ(array.GetUpperBound(), 4);

	array.SetSize(2);
	EXPECT_EQ(array.Append(array), 2);
	EXPECT_EQ(ContentsOf(array), (std::vector<CString>{ "q", "B", "q", "B" }));
	CStringArray copy;
	copy.Copy(array);
	array.RemoveAll();
	EXPECT_EQ(array.GetCount(), 0);
	EXPECT_EQ(copy.GetCount(), 4);
}

TEST(ArrayTest, InsertingAnElementOfTheSameArrayCopiesItFirst)
{
	CWordArray words;
	words.Add(7);
	for (int i = 0; i < 100; ++i)
		words.InsertAt(0, words[words.GetUpperBound()]);
	EXPECT_EQ(words.GetSize(), 101);
	EXPECT_EQ(words[0], 7);
	EXPECT_EQ(words[100], 7);
}

TEST(ArrayTest, PointerArraysHoldWithoutOwning)
{
	CStringArray object;
	int value = 3;
	CObArray objects;
	CPtrArray pointers;
	objects.SetSize(2);
	objects.SetAt(1, &object);
	pointers.Add(&value);
	EXPECT_EQ(objects[0], nullptr);
	EXPECT_EQ(objects[1], &object);
	EXPECT_EQ(*static_cast<int*>(pointers[0]), 3);
}

TEST(StringListTest, PositionsWalkInsertAndRemove)
{
	CStringList list;
	EXPECT_TRUE(list.IsEmpty());
	EXPECT_EQ(list.GetHeadPosition(), nullptr);
	list.AddTail("a");
	const POSITION posB = list.AddTail("b");
	list.AddTail("c");
	list.AddHead("z");
	EXPECT_EQ(ContentsOf(list), (std::vector<CString>{ "z", "a", "b", "c" }));

	EXPECT_EQ(list.Find("b"), posB);
	list.InsertBefore(posB, "x");
	list.InsertAfter(posB, "y");
	list.InsertBefore(nullptr, "head");
	list.InsertAfter(nullptr, "tail");
	EXPECT_EQ(ContentsOf(list), (std::vector<CString>{ "head", "z", "a", "x", "b", "y", "c", "tail" }));

	list.SetAt(list.FindIndex(1), "b");
	EXPECT_EQ(list.Find("b"), list.FindIndex(1));
	EXPECT_EQ(list.Find("b", list.FindIndex(1)), posB);
	EXPECT_EQ(list.Find("b", posB), nullptr);
	EXPECT_EQ(list.FindIndex(8), nullptr);
	EXPECT_EQ(list.FindIndex(-1), nullptr);

	list.RemoveAt(posB);
	EXPECT_EQ(list.RemoveHead(), "head");
	EXPECT_EQ(list.RemoveTail(), "tail");
	EXPECT_EQ(ContentsOf(list), (std::vector<CString>{ "b", "a", "x", "y", "c" }));
	EXPECT_EQ(list.GetHead(), "b");
	EXPECT_EQ(list.GetTail(), "c");

	list.RemoveAll();
	EXPECT_TRUE(list.IsEmpty());
	EXPECT_EQ(list.GetTailPosition(), nullptr);
	const POSITION posOnly = list.AddHead("only");
	EXPECT_EQ(list.GetHeadPosition(), posOnly);
	EXPECT_EQ(list.GetTailPosition(), posOnly);
}
