// The file dialog's rules without a window: filter lists, path parts and the default extension.
#include "framework/ui/services/FileDialogRules.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

std::string Describe(const std::vector<FileFilter>& filters)
{
	std::string strText;
	for (const FileFilter& filter : filters)
	{
		strText += std::string(strText.empty() ? "" : " / ") + static_cast<LPCTSTR>(filter.strCaption) + ":";
		for (const CString& strPattern : filter.patterns)
		{
			strText += std::string(" ") + static_cast<LPCTSTR>(strPattern);
		}
	}
	return strText;
}

TEST(FileDialogRulesTest, FilterListsInBothFormsGiveCaptionsAndPatterns)
{
	// The list a program builds itself, with zero characters, as the save dialog is given it.
	const char zeroForm[] = "Signal files (*.sig)\0*.sig\0Tutti i file (*.*)\0*.*\0";
	EXPECT_EQ("Signal files (*.sig): *.sig / Tutti i file (*.*): *.*", Describe(ParseFileFilters(zeroForm)));

	std::vector<char> converted = FilterFromBars("Segnali|*.sig; *.txt|Tutti|*.*||");
	EXPECT_EQ("Segnali: *.sig *.txt / Tutti: *.*", Describe(ParseFileFilters(converted.data())));
	EXPECT_EQ('\0', converted[converted.size() - 1]);
	EXPECT_EQ('\0', converted[converted.size() - 2]);

	EXPECT_TRUE(ParseFileFilters(nullptr).empty());
	EXPECT_TRUE(FilterFromBars(nullptr).empty());
	// A caption left without patterns ends the list.
	const char cut[] = "Segnali\0*.sig\0Orfano\0";
	EXPECT_EQ("Segnali: *.sig", Describe(ParseFileFilters(cut)));
}

struct PathCase
{
	const char* pszPath;
	const char* pszName;
	const char* pszExt;
	const char* pszTitle;
	const char* pszFolder;
};

TEST(FileDialogRulesTest, PathsSplitIntoNameExtensionTitleAndFolder)
{
	const PathCase cases[] = {
		{ "/home/anna/prova.sig", "prova.sig", "sig", "prova", "/home/anna" },
		{ "/home/anna/prova", "prova", "", "prova", "/home/anna" },
		{ "/home/anna/archivio.2024.sig", "archivio.2024.sig", "sig", "archivio.2024", "/home/anna" },
		{ "/home/anna.d/prova", "prova", "", "prova", "/home/anna.d" },
		{ "/home/anna/.profilo", ".profilo", "", ".profilo", "/home/anna" },
		{ "/prova.sig", "prova.sig", "sig", "prova", "/" },
		{ "prova.sig", "prova.sig", "sig", "prova", "" },
	};
	for (const PathCase& path : cases)
	{
		SCOPED_TRACE(path.pszPath);
		EXPECT_STREQ(path.pszName, PathFileName(path.pszPath));
		EXPECT_STREQ(path.pszExt, PathFileExt(path.pszPath));
		EXPECT_STREQ(path.pszTitle, PathFileTitle(path.pszPath));
		EXPECT_STREQ(path.pszFolder, PathFolder(path.pszPath));
	}
}

TEST(FileDialogRulesTest, DefaultExtensionOnlyWhenNoneWasTyped)
{
	FileFilter signals = { "Signal files (*.sig)", { "*.sig" } };
	FileFilter all = { "Tutti i file (*.*)", { "*.*" } };
	struct ExtCase
	{
		const char* pszPath;
		const char* pszDefExt;
		const FileFilter* pFilter;
		const char* pszResult;
	};
	const ExtCase cases[] = {
		{ "/d/prova", "sig", nullptr, "/d/prova.sig" },
		{ "/d/prova", ".sig", nullptr, "/d/prova.sig" },
		{ "/d/prova.txt", "sig", nullptr, "/d/prova.txt" },
		// No default extension: the name stays as typed, whatever the filter.
		{ "/d/prova", nullptr, &signals, "/d/prova" },
		// The selected filter's extension wins over the default one; "*.*" gives none.
		{ "/d/prova", "dat", &signals, "/d/prova.sig" },
		{ "/d/prova", "dat", &all, "/d/prova.dat" },
		{ "/d/prova", "", &all, "/d/prova" },
		{ "/d.x/prova", "sig", nullptr, "/d.x/prova.sig" },
	};
	for (const ExtCase& ext : cases)
	{
		SCOPED_TRACE(ext.pszPath);
		EXPECT_STREQ(ext.pszResult, AppendDefaultExtension(ext.pszPath, ext.pszDefExt, ext.pFilter));
	}
}

}
