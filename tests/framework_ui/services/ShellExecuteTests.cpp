// ShellExecute: its answers through the seam, the parsing of xdg-mime's answers and of desktop
// entries, and the real hand-off on a desktop set up in temporary XDG folders, with applications
// that are scripts of the test.
#include "framework/ui/services/ShellExecute.h"
#include "framework/ui/services/XdgMime.h"
#include "tests/support/Environment.h"
#include "tests/support/Files.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

INT_PTR ResultOf(HINSTANCE hResult)
{
	return reinterpret_cast<INT_PTR>(hResult);
}

TEST(ShellExecuteTest, SeamAnswersForTheDesktopAndSeesTheFullPath)
{
	CScriptedUser seam;
	seam.Then(SE_ERR_NOASSOC);
	seam.Then(42);
	EXPECT_EQ(SE_ERR_NOASSOC, ResultOf(ShellExecute(nullptr, "open", "/dati/prova.sig", nullptr, nullptr, SW_SHOW)));
	EXPECT_EQ(42, ResultOf(ShellExecute(nullptr, "open", "prova.sig", nullptr, "/dati", SW_SHOW)));

	ASSERT_EQ(2u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::ShellOpen, seam.m_shown[0].nKind);
	EXPECT_EQ("open", seam.m_shown[0].strCaption);
	EXPECT_EQ("/dati/prova.sig", seam.m_shown[0].strText);
	EXPECT_EQ(static_cast<UINT>(SW_SHOW), seam.m_shown[0].nType);
	// A relative name is in the folder given.
	EXPECT_EQ("/dati/prova.sig", seam.m_shown[1].strText);
}

TEST(XdgMimeParseTest, AnswersOfXdgMimeAreReadStrictly)
{
	const struct
	{
		const char* pszOutput;
		const char* pszType;
		const char* pszEntry;
	} cases[] = {
		{ "text/plain\n", "text/plain", "" },
		{ "  application/octet-stream  \n", "application/octet-stream", "" },
		{ "text/plain; charset=us-ascii\n", "text/plain", "" },
		{ "org.kde.kate.desktop\n", "", "org.kde.kate.desktop" },
		{ "ondivar-analisi.desktop\nsecond line\n", "", "ondivar-analisi.desktop" },
		{ "", "", "" },
		{ "\n", "", "" },
		{ ".desktop\n", "", "" },
		{ "xdg-mime: file '/x' does not exist\n", "", "" },
		{ "text/\n", "", "" },
		{ "/plain\n", "", "" },
		{ "a/b/c\n", "", "" },
		{ "/usr/share/applications/x.desktop\n", "", "" },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.pszOutput);
		EXPECT_STREQ(c.pszType, ParseMimeType(c.pszOutput));
		EXPECT_STREQ(c.pszEntry, ParseDesktopEntry(c.pszOutput));
	}
}

TEST(XdgMimeParseTest, DesktopEntriesSayWhatTheyStart)
{
	const struct
	{
		const char* pszText;
		BOOL bApplication;
		const char* pszProgram;
		const char* pszTryExec;
	} cases[] = {
		{ "[Desktop Entry]\nType=Application\nExec=analisi %f\n", TRUE, "analisi", "" },
		{ "# made by hand\n\n[Desktop Entry]\nName[it]=Analisi\nType = Application\nExec = \"/opt/my tools/analisi\" %f\n"
		  "TryExec=analisi\n", TRUE, "/opt/my tools/analisi", "analisi" },
		// The actions' groups come after the entry's own and start other things.
		{ "[Desktop Entry]\nType=Application\nExec=analisi\n[Desktop Action nuovo]\nExec=altro\nType=Link\n", TRUE, "analisi", "" },
		{ "[Desktop Entry]\nType=Application\nHidden=true\nExec=analisi\n", FALSE, "analisi", "" },
		{ "[Desktop Entry]\nType=Link\nURL=file:///tmp\n", FALSE, "", "" },
		{ "[Desktop Entry]\nExec=analisi\n", FALSE, "analisi", "" },
		{ "Type=Application\nExec=analisi\n", FALSE, "", "" },
		{ "[Other Group]\nType=Application\nExec=analisi\n[Desktop Entry]\nType=Application\n", FALSE, "", "" },
		{ "[Desktop Entry]\nType=Application\nExec=\"analisi\n", TRUE, "", "" },
		{ "", FALSE, "", "" },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.pszText);
		const DesktopEntryLaunch launch = ParseDesktopEntryLaunch(c.pszText);
		EXPECT_EQ(c.bApplication, launch.bApplication);
		EXPECT_STREQ(c.pszProgram, launch.strProgram);
		EXPECT_STREQ(c.pszTryExec, launch.strTryExec);
	}
}

// A desktop of its own: one application for one made-up type, and nothing else registered.
class XdgDesktopTest : public ::testing::Test
{
protected:
	XdgDesktopTest()
		: m_dataHome("XDG_DATA_HOME", m_folder.Path("data").c_str())
		, m_dataDirs("XDG_DATA_DIRS", m_folder.Path("system").c_str())
		, m_configHome("XDG_CONFIG_HOME", m_folder.Path("config").c_str())
		, m_configDirs("XDG_CONFIG_DIRS", m_folder.Path("none").c_str())
		, m_desktop("XDG_CURRENT_DESKTOP", nullptr)
		, m_session("DESKTOP_SESSION", nullptr)
		, m_kde("KDE_FULL_SESSION", nullptr)
		, m_gnome("GNOME_DESKTOP_SESSION_ID", nullptr)
	{
		mkdir(m_folder.Path("data").c_str(), 0700);
		mkdir(m_folder.Path("data/applications").c_str(), 0700);
		mkdir(m_folder.Path("config").c_str(), 0700);
		// Of the system, its MIME database alone: where mimetype is installed xdg-mime asks it,
		// and it knows no type at all without a database.
		mkdir(m_folder.Path("system").c_str(), 0700);
		EXPECT_EQ(0, symlink("/usr/share/mime", m_folder.Path("system/mime").c_str()));
		WriteFile(m_folder.Path("data/applications/ondivar-analisi.desktop"),
			"[Desktop Entry]\nType=Application\nName=Analisi\nExec=true %f\nMimeType=application/x-ondivar-signal;\n");
	}

	void SetUp() override
	{
		if (!FileExists("/usr/bin/xdg-mime"))
		{
			GTEST_SKIP() << "xdg-mime (package xdg-utils) is not installed";
		}
	}

	CScratchFolder m_folder;
	CScopedEnv m_dataHome;
	CScopedEnv m_dataDirs;
	CScopedEnv m_configHome;
	CScopedEnv m_configDirs;
	CScopedEnv m_desktop;
	CScopedEnv m_session;
	CScopedEnv m_kde;
	CScopedEnv m_gnome;
};

TEST_F(XdgDesktopTest, QueriesFindTheRegisteredApplicationAndNothingElse)
{
	EXPECT_STREQ("ondivar-analisi.desktop", XdgQueryDefaultApplication("application/x-ondivar-signal"));
	EXPECT_STREQ("", XdgQueryDefaultApplication("application/x-ondivar-unknown"));
	ASSERT_TRUE(WriteFile(m_folder.Path("note.txt"), "Ondivar\n"));
	EXPECT_STREQ("text/plain", XdgQueryFileType(m_folder.Path("note.txt").c_str()));
}

TEST_F(XdgDesktopTest, RealOpenFailsWithoutStartingAnything)
{
	// Nothing here opens plain text, and the missing file is never handed to the desktop.
	ASSERT_TRUE(WriteFile(m_folder.Path("note.txt"), "Ondivar\n"));
	EXPECT_EQ(SE_ERR_NOASSOC, ResultOf(ShellExecute(nullptr, "open", m_folder.Path("note.txt").c_str(), nullptr, nullptr, SW_SHOW)));
	EXPECT_EQ(ERROR_FILE_NOT_FOUND, ResultOf(ShellExecute(nullptr, "open", "manca.sig", nullptr, m_folder.Path().c_str(), SW_SHOW)));
	EXPECT_EQ(ERROR_PATH_NOT_FOUND, ResultOf(ShellExecute(nullptr, "open", m_folder.Path("manca/x.sig").c_str(), nullptr, nullptr, SW_SHOW)));
	EXPECT_EQ(SE_ERR_NOASSOC, ResultOf(ShellExecute(nullptr, "print", m_folder.Path("note.txt").c_str(), nullptr, nullptr, SW_SHOW)));
}

// Plain text handed to applications named in the desktop's defaults.list, which xdg-mime answers
// without asking whether the entry can start, as the tables of some desktops do.
class XdgHandOffTest : public XdgDesktopTest
{
protected:
	XdgHandOffTest()
		: m_display("DISPLAY", ":1999")	// xdg-open looks for the association only with a display
		, m_strNote(m_folder.Path("note.txt"))
	{
		WriteFile(m_strNote, "Ondivar\n");
	}

	void Associate(const std::string& strEntryId)
	{
		WriteFile(m_folder.Path("data/applications/defaults.list"), "[Default Applications]\ntext/plain=" + strEntryId + "\n");
	}

	void Entry(const std::string& strFile, const std::string& strExec, const std::string& strMore = std::string())
	{
		WriteFile(m_folder.Path("data/applications/" + strFile),
			"[Desktop Entry]\nType=Application\nName=Analisi\nExec=" + strExec + "\n" + strMore);
	}

	std::string Script(const std::string& strName, const std::string& strBody)
	{
		const std::string strPath = m_folder.Path(strName);
		WriteFile(strPath, "#!/bin/sh\n" + strBody + "\n");
		chmod(strPath.c_str(), 0755);
		return strPath;
	}

	// The real hand-off, watched until xdg-open ends: what it answers does not hang on the time
	// an application takes to fail.
	int OpenNote()
	{
		return ShellOpenWithDesktop("open", m_strNote.c_str(), 600000);
	}

	CScopedEnv m_display;
	std::string m_strNote;
};

TEST_F(XdgHandOffTest, EntriesThatCannotStartAreFoundOut)
{
	const std::string strWorks = Script("works.sh", "exit 0");
	mkdir(m_folder.Path("data/applications/fourier").c_str(), 0700);
	Entry("fourier/analisi.desktop", strWorks + " %f");
	Entry("nel-percorso.desktop", "sh -c true");
	Entry("manca-programma.desktop", "ondivar-no-such-program %f");
	Entry("manca-percorso.desktop", m_folder.Path("missing.sh") + " %f");
	Entry("manca-tryexec.desktop", strWorks + " %f", "TryExec=ondivar-no-such-program\n");
	Entry("nascosta.desktop", strWorks + " %f", "Hidden=true\n");
	WriteFile(m_folder.Path("data/applications/collegamento.desktop"), "[Desktop Entry]\nType=Link\nURL=file:///tmp\n");
	WriteFile(m_folder.Path("plain.sh"), "exit 0\n");
	Entry("non-eseguibile.desktop", m_folder.Path("plain.sh") + " %f");
	const struct
	{
		const char* pszEntry;
		std::string strFile;
		std::string strProgram;
	} cases[] = {
		{ "fourier-analisi.desktop", m_folder.Path("data/applications/fourier/analisi.desktop"), strWorks },
		{ "nel-percorso.desktop", m_folder.Path("data/applications/nel-percorso.desktop"), "/usr/bin/sh" },
		{ "manca.desktop", "", "" },
		{ "fourier-manca.desktop", "", "" },
		{ "manca-programma.desktop", m_folder.Path("data/applications/manca-programma.desktop"), "" },
		{ "manca-percorso.desktop", m_folder.Path("data/applications/manca-percorso.desktop"), "" },
		{ "manca-tryexec.desktop", m_folder.Path("data/applications/manca-tryexec.desktop"), "" },
		{ "nascosta.desktop", m_folder.Path("data/applications/nascosta.desktop"), "" },
		{ "collegamento.desktop", m_folder.Path("data/applications/collegamento.desktop"), "" },
		{ "non-eseguibile.desktop", m_folder.Path("data/applications/non-eseguibile.desktop"), "" },
	};
	CScopedEnv path("PATH", "/usr/bin:/bin");
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.pszEntry);
		const CString strFile = XdgFindDesktopEntry(c.pszEntry);
		EXPECT_STREQ(c.strFile.c_str(), strFile);
		EXPECT_STREQ(c.strProgram.c_str(), XdgDesktopEntryProgram(strFile));
	}
}

TEST_F(XdgHandOffTest, BrokenAssociationsFailWithoutStartingAnything)
{
	Entry("manca-programma.desktop", "ondivar-no-such-program %f");
	const struct
	{
		const char* pszEntry;
		int nResult;
	} cases[] = {
		{ "manca.desktop", SE_ERR_NOASSOC },
		{ "manca-programma.desktop", SE_ERR_ASSOCINCOMPLETE },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.pszEntry);
		Associate(c.pszEntry);
		EXPECT_EQ(c.nResult, ResultOf(ShellExecute(nullptr, "open", m_strNote.c_str(), nullptr, nullptr, SW_SHOW)));
	}
}

TEST_F(XdgHandOffTest, ApplicationThatFailsAtOnceIsAFailure)
{
	Entry("fallisce.desktop", Script("fails.sh", "exit 1") + " %f");
	Associate("fallisce.desktop");
	EXPECT_EQ(SE_ERR_ASSOCINCOMPLETE, OpenNote());
}

TEST_F(XdgHandOffTest, WorkingApplicationIsStartedWithTheFile)
{
	// The id's dash stands for the vendor's subfolder.
	const std::string strMarker = m_folder.Path("opened");
	mkdir(m_folder.Path("data/applications/fourier").c_str(), 0700);
	Entry("fourier/analisi.desktop", Script("works.sh", "echo \"$1\" > '" + strMarker + "'") + " %f");
	Associate("fourier-analisi.desktop");
	EXPECT_GT(OpenNote(), 32);
	std::ifstream marker(strMarker);
	std::stringstream text;
	text << marker.rdbuf();
	EXPECT_EQ(m_strNote + "\n", text.str());
}

TEST_F(XdgHandOffTest, HandOffReturnsWhileTheApplicationRunsDetachedFromTheProgram)
{
	// The application writes down its file, its session, its standard descriptors and whether it
	// holds descriptor 200, then runs until the test lets it go. The test holds both pipes open for
	// writing, so that neither side waits for the other to open them.
	const std::string strFacts = m_folder.Path("facts");
	const std::string strRelease = m_folder.Path("release");
	ASSERT_EQ(0, mkfifo(strFacts.c_str(), 0600));
	ASSERT_EQ(0, mkfifo(strRelease.c_str(), 0600));
	const int nFacts = open(strFacts.c_str(), O_RDWR | O_CLOEXEC);
	const int nRelease = open(strRelease.c_str(), O_RDWR | O_CLOEXEC);
	Entry("resta.desktop", Script("stays.sh",
		"std=$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2 | tr '\\n' ' ')\n"
		"if [ -e /proc/$$/fd/200 ]; then held=200; else held=none; fi\n"
		"read -r pid name state parent group session rest < /proc/$$/stat\n"
		"printf '%s\\n%s\\n%s\\n%s\\n' \"$1\" \"$session\" \"$std\" \"$held\" > '" + strFacts + "'\n"
		"read line < '" + strRelease + "'") + " %f");
	Associate("resta.desktop");
	// Descriptor 200 stands for one the program opened without closing it on exec.
	const int nNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
	ASSERT_EQ(200, dup2(nNull, 200));
	close(nNull);

	EXPECT_GT(ResultOf(ShellExecute(nullptr, "open", m_strNote.c_str(), nullptr, nullptr, SW_SHOW)), 32);
	// Whatever runs now is the system's: no child of ours is left, ended or not.
	errno = 0;
	EXPECT_EQ(-1, waitpid(-1, nullptr, WNOHANG));
	EXPECT_EQ(ECHILD, errno);
	close(200);
	std::string strFactsRead;
	pollfd ready = { nFacts, POLLIN, 0 };
	char buffer[512];
	while (std::count(strFactsRead.begin(), strFactsRead.end(), '\n') < 4 && poll(&ready, 1, 60000) == 1)
	{
		const ssize_t nRead = read(nFacts, buffer, sizeof(buffer));
		strFactsRead.append(buffer, nRead > 0 ? static_cast<size_t>(nRead) : 0);
	}
	EXPECT_EQ(1, write(nRelease, "\n", 1));
	close(nRelease);
	close(nFacts);
	std::istringstream lines(strFactsRead);
	std::string strFile, strSession, strStandard, strHeld;
	std::getline(lines, strFile);
	std::getline(lines, strSession);
	std::getline(lines, strStandard);
	std::getline(lines, strHeld);
	EXPECT_EQ(m_strNote, strFile);
	EXPECT_FALSE(strSession.empty());
	EXPECT_NE(std::to_string(getsid(0)), strSession);
	EXPECT_EQ("/dev/null /dev/null /dev/null ", strStandard);
	EXPECT_EQ("none", strHeld);
}

}
