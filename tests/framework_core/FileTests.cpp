// CFile on disk: open failures and their causes, creation modes, seeking and lengths.
#include "framework/core/Exceptions.h"
#include "framework/core/File.h"

#include "tests/framework_core/StringPrinter.h"
#include "tests/support/Files.h"

#include <filesystem>

#include <unistd.h>

#include <gtest/gtest.h>

TEST(FileTest, OpenFailuresReportTheirCause)
{
	CScratchFolder folder;
	WriteFile(folder.Path("plain"), "x");
	struct Case
	{
		std::string path;
		UINT nFlags;
		int cause;
	};
	const Case cases[] =
	{
		{ folder.Path("missing"), CFile::modeRead, CFileException::fileNotFound },
		{ folder.Path("no-such-folder/file"), CFile::modeRead, CFileException::badPath },
		{ folder.Path("no-such-folder/file"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath },
		{ folder.Path("plain/file"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath },
		{ folder.Path(""), CFile::modeRead, CFileException::accessDenied },
		{ folder.Path(""), CFile::modeWrite, CFileException::accessDenied },
	};
	for (const Case& c : cases)
	{
		CFile file;
		CFileException error;
		EXPECT_FALSE(file.Open(c.path.c_str(), c.nFlags, &error)) << c.path;
		EXPECT_EQ(error.m_cause, c.cause) << c.path;
		EXPECT_NE(error.m_lOsError, 0) << c.path;
		EXPECT_EQ(file.m_hFile, CFile::hFileNull);
		EXPECT_FALSE(error.m_strFileName.IsEmpty());
	}
}

TEST(FileTest, ConstructorThrowsTheOpenFailure)
{
	CScratchFolder folder;
	const std::string path = folder.Path("missing-folder/signal.sig");
	try
	{
		CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
		FAIL() << "created a file in a missing folder";
	}
	catch (const CFileException& e)
	{
		EXPECT_EQ(e.m_cause, CFileException::badPath);
		EXPECT_EQ(e.m_strFileName, path.c_str());
		char message[256];
		EXPECT_TRUE(e.GetErrorMessage(message, sizeof(message)));
		EXPECT_NE(std::string(message).find(path), std::string::npos) << message;
	}
}

TEST(FileTest, AccessDeniedWhenPermissionsForbid)
{
	CScratchFolder folder;
	std::string path = folder.Path("locked");
	WriteFile(path, "x");
	std::filesystem::permissions(path, std::filesystem::perms::none);
	// Permission bits do not stop root, but sysfs refuses to write its read-only files even then.
	if (::geteuid() == 0)
		path = "/sys/kernel/notes";
	if (!std::filesystem::exists(path))
		GTEST_SKIP() << "no file this user may not write";
	CFileException error;
	CFile file;
	EXPECT_FALSE(file.Open(path.c_str(), CFile::modeWrite, &error));
	EXPECT_EQ(error.m_cause, CFileException::accessDenied);
}

TEST(FileTest, CreateTruncatesUnlessNoTruncate)
{
	CScratchFolder folder;
	const std::string path = folder.Path("data.bin");
	WriteFile(path, "0123456789");
	{
		CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
		EXPECT_EQ(file.GetLength(), 10u);
		EXPECT_EQ(file.SeekToEnd(), 10u);
		file.Write("ab", 2);
	}
	{
		CFile file(path.c_str(), CFile::modeRead);
		char text[16] = {};
		EXPECT_EQ(file.Read(text, sizeof(text)), 12u);
		EXPECT_STREQ(text, "0123456789ab");
		EXPECT_EQ(file.Read(text, sizeof(text)), 0u);
	}
	CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
	EXPECT_EQ(file.GetLength(), 0u);
}

TEST(FileTest, SeekLengthAndPosition)
{
	CScratchFolder folder;
	const std::string path = folder.Path("seek.bin");
	CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite);
	file.Write("abcdef", 6);
	EXPECT_EQ(file.GetPosition(), 6u);
	EXPECT_EQ(file.Seek(-2, CFile::end), 4u);
	EXPECT_EQ(file.Seek(-1, CFile::current), 3u);
	char ch = 0;
	EXPECT_EQ(file.Read(&ch, 1), 1u);
	EXPECT_EQ(ch, 'd');
	file.SetLength(2);
	EXPECT_EQ(file.GetLength(), 2u);
	file.SeekToBegin();
	EXPECT_EQ(file.GetPosition(), 0u);
	try
	{
		file.Seek(-1, CFile::begin);
		FAIL() << "seek before the start";
	}
	catch (const CFileException& e)
	{
		EXPECT_EQ(e.m_cause, CFileException::badSeek);
	}
	EXPECT_EQ(file.GetFileName(), "seek.bin");
	EXPECT_EQ(file.GetFilePath(), path.c_str());
	file.Close();
	EXPECT_EQ(file.m_hFile, CFile::hFileNull);
}

TEST(FileTest, UsingAClosedFileThrowsInvalidFile)
{
	CFile file;
	char ch;
	try
	{
		file.Read(&ch, 1);
		FAIL() << "read from a closed file";
	}
	catch (const CFileException& e)
	{
		EXPECT_EQ(e.m_cause, CFileException::invalidFile);
	}
}

TEST(FileTest, WriteToAFullDeviceThrowsDiskFull)
{
	CFile file;
	if (!file.Open("/dev/full", CFile::modeWrite))
		GTEST_SKIP() << "no /dev/full";
	try
	{
		file.Write("x", 1);
		FAIL() << "wrote to a full device";
	}
	catch (const CFileException& e)
	{
		EXPECT_EQ(e.m_cause, CFileException::diskFull);
	}
}
