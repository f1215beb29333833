// Signal file names (the extension the program adds, the title in the caption) and the safe
// write that leaves an earlier file alone when anything goes wrong.
#include "app/SignalFiles.h"
#include "sigkit/signal/Signal.h"
#include "tests/app/saving/SavingSupport.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
	struct NameCase
	{
		const char* pszPath;
		const char* pszExpected;
	};

	void FillRamp(CSignal& signal, UINT nPoints, double dSlope)
	{
		signal.m_nType = 3;
		signal.RedimXY(nPoints);
		for (UINT i = 0; i < nPoints; i++)
		{
			signal.m_pX[i] = 0.25 * i;
			signal.m_pY[i] = dSlope * i;
		}
	}
}

TEST(SignalFileNames, SigIsAddedUnlessTheFileNameEndsInItInAnyCase)
{
	const NameCase cases[] = {
		{"prova", "prova.sig"},
		{"/tmp/prova", "/tmp/prova.sig"},
		{"/tmp/prova.sig", "/tmp/prova.sig"},
		{"/tmp/PROVA.SIG", "/tmp/PROVA.SIG"},
		{"/tmp/prova.Sig", "/tmp/prova.Sig"},
		{"/tmp/x.sig/prova", "/tmp/x.sig/prova.sig"},
		{"/tmp/prova.sig.bak", "/tmp/prova.sig.bak.sig"},
		{"/tmp/a.b.c", "/tmp/a.b.c.sig"},
		{"/tmp/sig", "/tmp/sig.sig"},
	};
	for (const NameCase& test : cases)
		EXPECT_EQ(std::string(WithSignalExtension(test.pszPath)), test.pszExpected) << test.pszPath;
}

TEST(SignalFileNames, TitleDropsTheFolderAndTheLastExtension)
{
	const NameCase cases[] = {
		{"/tmp/prova.sig", "prova"},
		{"/tmp/PROVA.SIG", "PROVA"},
		{"/tmp/a.b.sig", "a.b"},
		{"/tmp/x.sig/prova", "prova"},
		{"prova", "prova"},
		{"/tmp/.sig", ""},
	};
	for (const NameCase& test : cases)
		EXPECT_EQ(std::string(SignalFileTitle(test.pszPath)), test.pszExpected) << test.pszPath;
}

TEST(SignalFileWrite, ReplacesAnEarlierLongerFileWithExactlyTheSignal)
{
	CScratchFolder folder;
	const std::string strPath = folder.Path("prova.sig");
	WriteBytes(strPath, std::vector<unsigned char>(100000, 0xAB));
	CSignal signal;
	FillRamp(signal, 2, 0.5);

	ASSERT_TRUE(WriteSignalFile(signal, strPath.c_str()));
	EXPECT_EQ(FileBytes(strPath), SerializedBytes(signal));
	EXPECT_EQ(FileBytes(strPath).size(), 84u);
	EXPECT_EQ(folder.Names(), std::vector<std::string>{"prova.sig"});
}

TEST(SignalFileWrite, FailsWithoutLeavingATemporaryFile)
{
	CScratchFolder folder;
	std::filesystem::create_directory(folder.Path("cartella.sig"));
	WriteBytes(folder.Path("file"), {1, 2, 3});
	const std::string paths[] = {
		folder.Path("cartella.sig"),	// a folder in the way of the rename
		folder.Path("mancante/prova.sig"),
		folder.Path("file/prova.sig"),
		"/proc/prova.sig",	// a folder nobody can create files in, not even root
	};
	CSignal signal;
	FillRamp(signal, 10, 1.0);
	for (const std::string& strPath : paths)
		EXPECT_FALSE(WriteSignalFile(signal, strPath.c_str())) << strPath;
	EXPECT_TRUE(std::filesystem::is_directory(folder.Path("cartella.sig")));
	EXPECT_TRUE(std::filesystem::is_empty(folder.Path("cartella.sig")));
	EXPECT_EQ(folder.Names(), (std::vector<std::string>{"cartella.sig", "file"}));
}
