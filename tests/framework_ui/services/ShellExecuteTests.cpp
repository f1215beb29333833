// ShellExecute: its answers through the seam, the parsing of xdg-mime's answers, and the real
// queries on a desktop set up in temporary XDG folders, where nothing is ever started.
#include "framework/ui/services/ShellExecute.h"
#include "framework/ui/services/XdgMime.h"
#include "tests/framework_ui/services/ServicesTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace
{

INT_PTR ResultOf(HINSTANCE hResult)
{
	return reinterpret_cast<INT_PTR>(hResult);
}

TEST(ShellExecuteTest, SeamAnswersForTheDesktopAndSeesTheFullPath)
{
	CAnsweringSeam seam;
	seam.Then(SE_ERR_NOASSOC);
	seam.Then(42);
	EXPECT_EQ(SE_ERR_NOASSOC, ResultOf(ShellExecute(nullptr, "open", "/dati/prova.sig", nullptr, nullptr, SW_SHOW)));
	EXPECT_EQ(42, ResultOf(ShellExecute(nullptr, "open", "prova.sig", nullptr, "/dati", SW_SHOW)));

	ASSERT_EQ(2u, seam.m_seen.size());
	EXPECT_EQ(ModalKind::ShellOpen, seam.m_seen[0].nKind);
	EXPECT_EQ("open", seam.m_seen[0].strCaption);
	EXPECT_EQ("/dati/prova.sig", seam.m_seen[0].strText);
	EXPECT_EQ(static_cast<UINT>(SW_SHOW), seam.m_seen[0].nType);
	// A relative name is in the folder given.
	EXPECT_EQ("/dati/prova.sig", seam.m_seen[1].strText);
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

// A desktop of its own: one application for one made-up type, and nothing else registered.
class XdgDesktopTest : public ::testing::Test
{
protected:
	XdgDesktopTest()
		: m_dataHome("XDG_DATA_HOME", m_folder.Path("data").c_str())
		, m_dataDirs("XDG_DATA_DIRS", m_folder.Path("none").c_str())
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

	CTempFolder m_folder;
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

}
