// CMemFile: growth, attached buffers and the gap left by seeking past the end.
#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

TEST(MemFileTest, GrowsAsItIsWritten)
{
	CMemFile file(16);
	std::vector<BYTE> data(1000);
	for (size_t i = 0; i < data.size(); ++i)
		data[i] = static_cast<BYTE>(i);
	for (size_t i = 0; i < data.size(); i += 10)
		file.Write(&data[i], 10);
	ASSERT_EQ(file.GetLength(), 1000u);
	EXPECT_EQ(std::memcmp(file.GetBytes(), data.data(), data.size()), 0);

	file.Seek(990, CFile::begin);
	BYTE tail[20];
	EXPECT_EQ(file.Read(tail, sizeof(tail)), 10u);
	EXPECT_EQ(tail[9], data[999]);
	EXPECT_EQ(file.Read(tail, sizeof(tail)), 0u);
}

TEST(MemFileTest, SeekingPastTheEndLeavesZerosBeforeTheNextWrite)
{
	CMemFile file(8);
	file.Write("ab", 2);
	EXPECT_EQ(file.Seek(3, CFile::current), 5u);
	file.Write("c", 1);
	const BYTE expected[] = { 'a', 'b', 0, 0, 0, 'c' };
	ASSERT_EQ(file.GetLength(), sizeof(expected));
	EXPECT_EQ(std::memcmp(file.GetBytes(), expected, sizeof(expected)), 0);

	file.SetLength(2);
	EXPECT_EQ(file.GetPosition(), 2u);
	file.SetLength(4);
	EXPECT_EQ(file.GetBytes()[3], 0);
	EXPECT_THROW(file.Seek(-5, CFile::end), CFileException);
}

TEST(MemFileTest, AFixedBufferIsTheWholeFileAndCannotGrow)
{
	BYTE buffer[4] = { 1, 2, 3, 4 };
	CMemFile file(buffer, sizeof(buffer));
	EXPECT_EQ(file.GetLength(), 4u);
	file.Write("\x09", 1);
	EXPECT_EQ(buffer[0], 9);
	file.SeekToEnd();
	try
	{
		file.Write("x", 1);
		FAIL() << "grew a fixed buffer";
	}
	catch (const CFileException& e)
	{
		EXPECT_EQ(e.m_cause, CFileException::diskFull);
	}
	EXPECT_EQ(file.Detach(), buffer);
	EXPECT_EQ(file.GetLength(), 0u);
}

TEST(MemFileTest, AGrowableAttachedBufferIsCopiedNotReallocated)
{
	BYTE buffer[4] = {};
	CMemFile file(buffer, sizeof(buffer), 4);
	EXPECT_EQ(file.GetLength(), 0u);
	file.Write("abc", 3);
	EXPECT_EQ(buffer[2], 'c');
	file.Write("defgh", 5);
	EXPECT_EQ(file.GetLength(), 8u);
	EXPECT_EQ(buffer[3], 0) << "the attached buffer was written past its file";

	BYTE* pGrown = file.Detach();
	ASSERT_NE(pGrown, buffer);
	EXPECT_EQ(std::memcmp(pGrown, "abcdefgh", 8), 0);
	std::free(pGrown);
}
