// CArchive: byte layout of values, buffer refills, end of file and text lines.
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"

#include "tests/framework_core/StringPrinter.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace
{

std::vector<BYTE> BytesOf(const CMemFile& file)
{
	return std::vector<BYTE>(file.GetBytes(), file.GetBytes() + file.GetLength());
}

void LoadFrom(CMemFile& file, const std::vector<BYTE>& bytes)
{
	file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
	file.SeekToBegin();
}

std::uint64_t BitsOf(double d)
{
	std::uint64_t bits;
	std::memcpy(&bits, &d, sizeof(bits));
	return bits;
}

double DoubleOf(std::uint64_t bits)
{
	double d;
	std::memcpy(&d, &bits, sizeof(d));
	return d;
}

}

TEST(ArchiveTest, IntegersAreLittleEndianAtTheirNaturalSize)
{
	CMemFile file;
	{
		CArchive ar(&file, CArchive::store);
		ar << static_cast<BYTE>(0x12) << static_cast<WORD>(0x3456) << static_cast<LONG>(-2) << static_cast<DWORD>(0x89ABCDEF)
		   << static_cast<short>(-3) << 'A' << true << static_cast<LONGLONG>(-0x0102030405060708LL)
		   << static_cast<ULONGLONG>(0x1122334455667788ULL) << static_cast<UINT>(7) << 1.5f;
	}
	const std::vector<BYTE> expected =
	{
		0x12,
		0x56, 0x34,
		0xFE, 0xFF, 0xFF, 0xFF,
		0xEF, 0xCD, 0xAB, 0x89,
		0xFD, 0xFF,
		0x41,
		0x01,
		0xF8, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE,
		0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11,
		0x07, 0x00, 0x00, 0x00,
		0x00, 0x00, 0xC0, 0x3F,
	};
	EXPECT_EQ(BytesOf(file), expected);

	file.SeekToBegin();
	CArchive ar(&file, CArchive::load);
	BYTE by;
	WORD w;
	LONG l;
	DWORD dw;
	short n;
	char ch;
	bool b;
	LONGLONG ll;
	ULONGLONG ull;
	UINT u;
	float f;
	ar >> by >> w >> l >> dw >> n >> ch >> b >> ll >> ull >> u >> f;
	EXPECT_EQ(by, 0x12);
	EXPECT_EQ(w, 0x3456);
	EXPECT_EQ(l, -2);
	EXPECT_EQ(dw, 0x89ABCDEFu);
	EXPECT_EQ(n, -3);
	EXPECT_EQ(ch, 'A');
	EXPECT_TRUE(b);
	EXPECT_EQ(ll, -0x0102030405060708LL);
	EXPECT_EQ(ull, 0x1122334455667788ULL);
	EXPECT_EQ(u, 7u);
	EXPECT_EQ(f, 1.5f);
	EXPECT_EQ(ar.GetBytesLeft(), 0u);
}

TEST(ArchiveTest, DoublesKeepEveryBitOfTheirImage)
{
	const std::uint64_t cases[] =
	{
		BitsOf(1.0),
		BitsOf(-0.0),
		BitsOf(std::numeric_limits<double>::infinity()),
		BitsOf(-std::numeric_limits<double>::infinity()),
		BitsOf(std::numeric_limits<double>::denorm_min()),
		0x7FF8000000000001ULL,	// quiet NaN with a payload
		0x7FF0000000000ABCULL,	// signalling NaN with a payload
		0xFFF8DEADBEEF0000ULL,	// negative NaN
	};
	for (std::uint64_t bits : cases)
	{
		CMemFile file;
		{
			CArchive ar(&file, CArchive::store);
			ar << DoubleOf(bits);
		}
		std::vector<BYTE> expected;
		for (int i = 0; i < 8; ++i)
			expected.push_back(static_cast<BYTE>(bits >> (8 * i)));
		EXPECT_EQ(BytesOf(file), expected) << std::hex << bits;

		file.SeekToBegin();
		CArchive ar(&file, CArchive::load);
		double d = 0;
		ar >> d;
		EXPECT_EQ(BitsOf(d), bits) << std::hex << bits;
	}
}

// Values straddle every buffer boundary when the buffer is smaller than they are or not a
// multiple of their size; the default buffer is crossed at 4096.
TEST(ArchiveTest, ValuesSurviveBufferRefillsOfAnySize)
{
	for (int nBufSize : { 1, 3, 7, 4096 })
	{
		CMemFile file;
		{
			CArchive ar(&file, CArchive::store, nBufSize);
			ar << static_cast<BYTE>(0xAA);	// shifts the doubles off the buffer's alignment
			for (int i = 0; i < 1000; ++i)
				ar << i * 0.25 << i;
		}
		ASSERT_EQ(file.GetLength(), 1u + 1000u * 12u) << nBufSize;

		file.SeekToBegin();
		CArchive ar(&file, CArchive::load, nBufSize);
		BYTE by;
		ar >> by;
		EXPECT_EQ(by, 0xAA);
		for (int i = 0; i < 1000; ++i)
		{
			double d;
			int n;
			ar >> d >> n;
			ASSERT_EQ(d, i * 0.25) << nBufSize;
			ASSERT_EQ(n, i) << nBufSize;
		}
	}
}

TEST(ArchiveTest, LargeReadsAndWritesBypassTheBuffer)
{
	std::vector<BYTE> data(10000);
	for (size_t i = 0; i < data.size(); ++i)
		data[i] = static_cast<BYTE>(i * 7);
	CMemFile file;
	{
		CArchive ar(&file, CArchive::store, 64);
		ar << static_cast<WORD>(1);
		ar.Write(data.data(), static_cast<UINT>(data.size()));
		ar << static_cast<WORD>(2);
	}
	ASSERT_EQ(file.GetLength(), 10004u);

	file.SeekToBegin();
	CArchive ar(&file, CArchive::load, 64);
	WORD w;
	ar >> w;
	std::vector<BYTE> back(data.size());
	EXPECT_EQ(ar.Read(back.data(), static_cast<UINT>(back.size())), data.size());
	EXPECT_EQ(back, data);
	ar >> w;
	EXPECT_EQ(w, 2);
}

TEST(ArchiveTest, ExtractingPastTheEndThrowsEndOfFile)
{
	CMemFile file;
	LoadFrom(file, { 1, 0, 0, 0, 0xAB, 0xCD, 0xEF });
	CArchive ar(&file, CArchive::load);
	int n;
	ar >> n;
	EXPECT_EQ(ar.GetBytesLeft(), 3u);
	double d;
	try
	{
		ar >> d;
		FAIL() << "a double read from three bytes";
	}
	catch (const CArchiveException& e)
	{
		EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
	}
}

TEST(ArchiveTest, ReadReturnsWhatIsLeftWithoutThrowing)
{
	CMemFile file;
	LoadFrom(file, { 1, 2, 3 });
	CArchive ar(&file, CArchive::load, 2);
	BYTE bytes[8] = {};
	EXPECT_EQ(ar.Read(bytes, sizeof(bytes)), 3u);
	EXPECT_EQ(bytes[2], 3);
	EXPECT_EQ(ar.Read(bytes, sizeof(bytes)), 0u);
}

TEST(ArchiveTest, WrongDirectionThrows)
{
	CMemFile file;
	CArchive storing(&file, CArchive::store);
	int n = 0;
	try
	{
		storing >> n;
		FAIL() << "read through a storing archive";
	}
	catch (const CArchiveException& e)
	{
		EXPECT_EQ(e.m_cause, CArchiveException::writeOnly);
	}
	storing.Abort();

	CArchive loading(&file, CArchive::load);
	try
	{
		loading << n;
		FAIL() << "write through a loading archive";
	}
	catch (const CArchiveException& e)
	{
		EXPECT_EQ(e.m_cause, CArchiveException::readOnly);
	}
}

TEST(ArchiveTest, AbortAndNoFlushOnDeleteWriteNothing)
{
	CMemFile file;
	{
		CArchive ar(&file, CArchive::store);
		ar << 1;
		ar.Abort();
	}
	{
		CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
		ar << 2;
	}
	EXPECT_EQ(file.GetLength(), 0u);
}

TEST(ArchiveTest, FlushOfALoadingArchiveGivesUnreadBytesBack)
{
	CMemFile file;
	LoadFrom(file, { 1, 2, 3, 4, 5, 6 });
	{
		CArchive ar(&file, CArchive::load);
		BYTE by;
		ar >> by >> by;
	}
	EXPECT_EQ(file.GetPosition(), 2u);
}

TEST(ArchiveTest, ReadStringSplitsLines)
{
	struct Case
	{
		const char* text;
		std::vector<const char*> lines;
	};
	const Case cases[] =
	{
		{ "", {} },
		{ "one\ntwo\n", { "one", "two" } },
		{ "one\r\ntwo\r\n", { "one", "two" } },
		{ "last without newline", { "last without newline" } },
		{ "\n\nx\n\r\n", { "", "", "x", "" } },
		{ "a\rb\n", { "a\rb" } },
	};
	for (const Case& c : cases)
	{
		for (int nBufSize : { 1, 2, 4096 })
		{
			CMemFile file;
			file.Write(c.text, static_cast<UINT>(std::strlen(c.text)));
			file.SeekToBegin();
			CArchive ar(&file, CArchive::load, nBufSize);
			CString strLine;
			for (const char* expected : c.lines)
			{
				ASSERT_TRUE(ar.ReadString(strLine)) << c.text;
				EXPECT_STREQ(strLine, expected) << nBufSize;
			}
			EXPECT_FALSE(ar.ReadString(strLine)) << c.text;
			EXPECT_TRUE(strLine.IsEmpty());
		}
	}
}

TEST(ArchiveTest, ReadStringTakesLinesLongerThanTheBuffer)
{
	const CString strLong('x', 10000);
	CMemFile file;
	{
		CArchive ar(&file, CArchive::store);
		ar.WriteString(strLong + "\r\n");
		ar.WriteString("short");
	}
	file.SeekToBegin();
	CArchive ar(&file, CArchive::load, 100);
	CString strLine;
	ASSERT_TRUE(ar.ReadString(strLine));
	EXPECT_EQ(strLine, strLong);
	ASSERT_TRUE(ar.ReadString(strLine));
	EXPECT_EQ(strLine, "short");
	EXPECT_FALSE(ar.ReadString(strLine));
}

TEST(ArchiveTest, ReadStringIntoABufferContinuesLongLines)
{
	CMemFile file;
	const char text[] = "abcdefg\r\nabcd\n";
	file.Write(text, sizeof(text) - 1);
	file.SeekToBegin();
	CArchive ar(&file, CArchive::load, 3);
	char line[5];
	ASSERT_NE(ar.ReadString(line, 4), nullptr);
	EXPECT_STREQ(line, "abcd");
	ASSERT_NE(ar.ReadString(line, 4), nullptr);
	EXPECT_STREQ(line, "efg");
	ASSERT_NE(ar.ReadString(line, 4), nullptr);
	EXPECT_STREQ(line, "abcd");
	EXPECT_EQ(ar.ReadString(line, 4), nullptr);
}
