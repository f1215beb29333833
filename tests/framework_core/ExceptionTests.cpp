// Exceptions: thrown by value, caught through their base, with messages that cut cleanly.
#include "framework/core/Exceptions.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

TEST(ExceptionTest, HugeArrayRequestsBecomeMemoryExceptions)
{
	const size_t cases[] =
	{
		std::numeric_limits<size_t>::max() / 2,	// the byte count overflows
		size_t(1) << 45,	// 256 TiB: fits the arithmetic, not the machine
	};
	for (size_t n : cases)
	{
		try
		{
			double* p = AfxNewArray<double>(n);
			delete[] p;
			FAIL() << "allocated " << n << " doubles";
		}
		catch (const CException& e)
		{
			EXPECT_TRUE(e.IsKindOf(RUNTIME_CLASS(CMemoryException))) << n;
		}
	}
	double* p = AfxNewArray<double>(4);
	p[3] = 1.0;
	delete[] p;
}

TEST(ExceptionTest, CaughtThroughTheBaseClassKeepTheirDetails)
{
	try
	{
		AfxThrowFileException(CFileException::diskFull, 28, "/tmp/segnale.sig");
	}
	catch (const CException& e)
	{
		ASSERT_TRUE(e.IsKindOf(RUNTIME_CLASS(CFileException)));
		const CFileException& fileError = static_cast<const CFileException&>(e);
		EXPECT_EQ(fileError.m_cause, CFileException::diskFull);
		EXPECT_EQ(fileError.m_lOsError, 28);
		EXPECT_STREQ(fileError.m_strFileName, "/tmp/segnale.sig");
	}
	EXPECT_THROW(AfxThrowArchiveException(CArchiveException::badSchema), CArchiveException);
}

// Every cut of the message is a prefix that does not stop inside an accented letter.
TEST(ExceptionTest, MessagesCutOnCharacterBoundaries)
{
	const CFileException error(CFileException::fileNotFound, 2, "città.sig");
	char full[256];
	ASSERT_TRUE(error.GetErrorMessage(full, sizeof(full)));
	const std::string message = full;
	ASSERT_NE(message.find("città.sig"), std::string::npos) << message;
	for (UINT nMax = 1; nMax <= message.size() + 1; ++nMax)
	{
		char cut[256];
		std::memset(cut, '#', sizeof(cut));
		ASSERT_TRUE(error.GetErrorMessage(cut, nMax));
		const std::string part = cut;
		EXPECT_LT(part.size(), nMax);
		EXPECT_EQ(message.compare(0, part.size(), part), 0) << nMax;
		if (part.size() < message.size())
		{
			EXPECT_NE(static_cast<unsigned char>(message[part.size()]) & 0xC0, 0x80) << nMax;
		}
	}
	EXPECT_FALSE(error.GetErrorMessage(full, 0));
	EXPECT_FALSE(CException().GetErrorMessage(full, sizeof(full)));
}
