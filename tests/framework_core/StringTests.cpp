// CString: clamped extraction, searching, editing, formatting and the buffer protocol.
#include "framework/core/String.h"

#include "tests/framework_core/StringPrinter.h"

#include <cstdio>
#include <cstring>

#include <gtest/gtest.h>

TEST(StringTest, ExtractionClampsOutOfRangeArguments)
{
	const CString s("abcdef");
	struct Case
	{
		CString result;
		const char* expected;
	};
	const Case cases[] =
	{
		{ s.Mid(2), "cdef" },
		{ s.Mid(-1), "abcdef" },
		{ s.Mid(6), "" },
		{ s.Mid(10), "" },
		{ s.Mid(2, 2), "cd" },
		{ s.Mid(2, 100), "cdef" },
		{ s.Mid(2, -1), "" },
		{ s.Mid(-3, 5), "abcde" },
		{ s.Left(3), "abc" },
		{ s.Left(-1), "" },
		{ s.Left(99), "abcdef" },
		{ s.Right(2), "ef" },
		{ s.Right(-1), "" },
		{ s.Right(99), "abcdef" },
		{ CString().Mid(0, 1), "" },
		{ s.SpanIncluding("abc"), "abc" },
		{ s.SpanIncluding("xyz"), "" },
		{ s.SpanExcluding("dx"), "abc" },
		{ s.SpanExcluding("xyz"), "abcdef" },
	};
	for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
		EXPECT_EQ(cases[i].result, cases[i].expected) << "case " << i;
}

TEST(StringTest, FindReturnsMinusOneWhenAbsentOrOutOfRange)
{
	const CString s("abcabc");
	struct Case
	{
		int nFound;
		int nExpected;
	};
	const Case cases[] =
	{
		{ s.Find('c'), 2 },
		{ s.Find('c', 3), 5 },
		{ s.Find('c', 6), -1 },
		{ s.Find('a', -1), -1 },
		{ s.Find('z'), -1 },
		{ s.Find("bc"), 1 },
		{ s.Find("bc", 2), 4 },
		{ s.Find("bc", 5), -1 },
		{ s.Find("bc", 7), -1 },
		{ s.Find("abcabcd"), -1 },
		{ s.Find(""), 0 },
		{ s.ReverseFind('a'), 3 },
		{ s.ReverseFind('z'), -1 },
		{ CString().Find('a'), -1 },
		{ CString().Find("a"), -1 },
	};
	for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
		EXPECT_EQ(cases[i].nFound, cases[i].nExpected) << "case " << i;
}

TEST(StringTest, FormatHasNoLengthLimit)
{
	const CString strLong('x', 100000);
	CString s;
	s.Format("[%s|%d|%.2f]", static_cast<LPCTSTR>(strLong), -42, 2.5);
	ASSERT_EQ(s.GetLength(), 100000 + static_cast<int>(std::strlen("[|-42|2.50]")));
	EXPECT_EQ(s.Left(2), "[x");
	EXPECT_EQ(s.Right(11), "x|-42|2.50]");
	s.Format("%s", "");
	EXPECT_TRUE(s.IsEmpty());
}

TEST(StringTest, EditingReturnsCountsAndLengths)
{
	CString s("a.b.c");
	EXPECT_EQ(s.Replace(".", "::"), 2);
	EXPECT_EQ(s, "a::b::c");
	EXPECT_EQ(s.Replace("::", ":"), 2);
	EXPECT_EQ(s, "a:b:c");
	EXPECT_EQ(s.Replace("", "x"), 0);
	EXPECT_EQ(s.Replace(':', ','), 2);
	EXPECT_EQ(s, "a,b,c");

	CString repeated("aa");
	EXPECT_EQ(repeated.Replace("a", "aa"), 2);
	EXPECT_EQ(repeated, "aaaa");
	EXPECT_EQ(repeated.Replace("aa", "a"), 2);
	EXPECT_EQ(repeated, "aa");

	EXPECT_EQ(s.Remove(','), 2);
	EXPECT_EQ(s, "abc");
	EXPECT_EQ(s.Insert(-5, "<"), 4);
	EXPECT_EQ(s.Insert(99, '>'), 5);
	EXPECT_EQ(s.Insert(2, "--"), 7);
	EXPECT_EQ(s, "<a--bc>");
	EXPECT_EQ(s.Delete(2, 2), 5);
	EXPECT_EQ(s.Delete(4, 10), 4);
	EXPECT_EQ(s.Delete(-1), 3);
	EXPECT_EQ(s, "abc");
}

TEST(StringTest, TrimAndCaseTouchOnlyAscii)
{
	CString s(" \t città \r\n");
	s.TrimLeft();
	EXPECT_EQ(s, "città \r\n");
	s.TrimRight();
	EXPECT_EQ(s, "città");
	s.MakeUpper();
	EXPECT_EQ(s, "CITTà");
	s.MakeLower();
	EXPECT_EQ(s, "città");

	CString zeros("0012300");
	zeros.TrimLeft('0');
	EXPECT_EQ(zeros, "12300");
	zeros.TrimRight('0');
	EXPECT_EQ(zeros, "123");
	CString onlyZeros("000");
	onlyZeros.TrimRight('0');
	EXPECT_TRUE(onlyZeros.IsEmpty());
}

TEST(StringTest, ComparisonsWorkWithTextOnEitherSide)
{
	const CString b("b");
	EXPECT_TRUE(b == "b" && "b" == b && b == CString("b"));
	EXPECT_TRUE(b != "a" && "a" != b);
	EXPECT_TRUE(b < "c" && "a" < b && !(b < "b"));
	EXPECT_TRUE(b > "a" && "c" > b);
	EXPECT_TRUE(b <= "b" && "b" <= b && b >= "b" && "b" >= b);
	EXPECT_LT(CString("abc").Compare("abd"), 0);
	EXPECT_GT(CString("abc").Compare("ab"), 0);
	EXPECT_EQ(CString("Hello").CompareNoCase("hELLO"), 0);
	EXPECT_LT(CString("apple").CompareNoCase("Banana"), 0);
	EXPECT_EQ(CString(nullptr), "");
}

TEST(StringTest, ConstructionAndConcatenation)
{
	EXPECT_EQ(CString("abcdef", 3), "abc");
	EXPECT_EQ(CString('-', 3), "---");
	EXPECT_EQ(CString('-', 0), "");
	CString s = CString("a") + "b" + 'c';
	s = 'x' + s + CString("y");
	EXPECT_EQ("<" + s, "<xabcy");
	s += nullptr;
	EXPECT_EQ(s.GetLength(), 5);
	s.SetAt(0, 'X');
	EXPECT_EQ(s[0], 'X');
	EXPECT_EQ(s.GetAt(4), 'y');
}

TEST(StringTest, BufferProtocol)
{
	CString s("old");
	char* pBuffer = s.GetBuffer(32);
	std::snprintf(pBuffer, 33, "%s-%d", "value", 12);
	s.ReleaseBuffer();
	EXPECT_EQ(s, "value-12");
	EXPECT_EQ(s.GetLength(), 8);

	pBuffer = s.GetBuffer(0);
	EXPECT_STREQ(pBuffer, "value-12");
	s.ReleaseBuffer(5);
	EXPECT_EQ(s, "value");

	std::memcpy(s.GetBufferSetLength(3), "xyz", 3);
	EXPECT_EQ(s, "xyz");
}
