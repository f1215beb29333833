// The resource-module chain: application modules before libraries, and modules that leave.
#include "framework/core/Resources.h"
#include "framework/core/String.h"

#include "tests/framework_core/StringPrinter.h"

#include <gtest/gtest.h>

namespace
{

const StringResource s_appStrings[] = { { 1, "applicazione" }, { 10, "solo applicazione" } };
const StringResource s_libStrings[] = { { 1, "libreria" }, { 2, "solo libreria" }, { 3, "prima libreria" } };
const StringResource s_otherLibStrings[] = { { 3, "seconda libreria" }, { 4, "città" } };

}

TEST(ResourceTest, ApplicationModulesComeBeforeLibrariesWhateverTheOrderTheyJoin)
{
	CResourceModule library("sigkit", FALSE, s_libStrings, 3);
	CResourceModule otherLibrary("other", FALSE, s_otherLibStrings, 2);
	CResourceModule application("ondivar", TRUE, s_appStrings, 2);
	CResourceModuleRegistration libraryJoins(&library);
	CResourceModuleRegistration otherJoins(&otherLibrary);
	CResourceModuleRegistration applicationJoins(&application);

	struct Case
	{
		UINT nID;
		const char* expected;
	};
	const Case cases[] =
	{
		{ 1, "applicazione" },
		{ 2, "solo libreria" },
		{ 3, "prima libreria" },
		{ 4, "città" },
		{ 10, "solo applicazione" },
	};
	for (const Case& c : cases)
	{
		CString s;
		EXPECT_TRUE(s.LoadString(c.nID)) << c.nID;
		EXPECT_EQ(s, c.expected);
	}
	CString missing("stale");
	EXPECT_FALSE(missing.LoadString(99));
	EXPECT_TRUE(missing.IsEmpty());
}

TEST(ResourceTest, AModuleThatLeftIsNoLongerFound)
{
	CResourceModule application("ondivar", TRUE, s_appStrings, 2);
	CResourceModuleRegistration applicationJoins(&application);
	CResourceModule library("sigkit", FALSE, s_libStrings, 3);
	{
		CResourceModuleRegistration libraryJoins(&library);
		EXPECT_STREQ(AfxFindStringResource(2), "solo libreria");
	}
	EXPECT_EQ(AfxFindStringResource(2), nullptr);
	EXPECT_STREQ(AfxFindStringResource(1), "applicazione");
	CString s;
	EXPECT_FALSE(s.LoadString(2));
}
