// Bitmaps, icons and dialog templates along the resource-module chain: chain order, one table
// per kind, and modules without tables.
#include "framework/core/Resources.h"

#include <gtest/gtest.h>

namespace
{

const BYTE s_appPicture[] = { 'B', 'M', 1 };
const BYTE s_libPicture[] = { 'B', 'M', 2, 2 };
const BYTE s_libIcon[] = { 0, 0, 1, 0 };

const BinaryResource s_appBitmaps[] = { { 137, s_appPicture, sizeof s_appPicture } };
const BinaryResource s_libBitmaps[] =
{
	{ 137, s_libPicture, sizeof s_libPicture },
	{ 138, s_libPicture, sizeof s_libPicture },
};
const BinaryResource s_libIcons[] = { { 128, s_libIcon, sizeof s_libIcon } };

const DialogItemTemplate s_splashItems[] =
{
	{ "STATIC", "", 1001, 0x5000120E, 0, 0, 0, 20, 20 },
};
const DialogTemplate s_libDialogs[] =
{
	{ 129, 0x90C800C4, 0, 0, 0, 192, 118, "", "MS Sans Serif", 8, s_splashItems, 1, 0 },
};

}

TEST(ResourceTableTest, EachKindIsFoundInChainOrderWithinItsOwnTable)
{
	CResourceModule library("sigkit", FALSE, nullptr, 0);
	library.SetBitmaps(s_libBitmaps, 2);
	library.SetIcons(s_libIcons, 1);
	library.SetDialogs(s_libDialogs, 1);
	CResourceModule application("ondivar", TRUE, nullptr, 0);
	application.SetBitmaps(s_appBitmaps, 1);
	CResourceModuleRegistration libraryJoins(&library);
	CResourceModuleRegistration applicationJoins(&application);

	const BinaryResource* pBitmap = AfxFindBitmapResource(137);
	ASSERT_NE(pBitmap, nullptr);
	EXPECT_EQ(pBitmap->pData, s_appPicture);
	EXPECT_EQ(pBitmap->nSize, 3u);
	EXPECT_EQ(AfxFindResourceModule(ResourceKind::Bitmap, 137), &application);
	EXPECT_EQ(AfxFindResourceModule(ResourceKind::Bitmap, 138), &library);
	ASSERT_NE(AfxFindBitmapResource(138), nullptr);
	EXPECT_EQ(AfxFindBitmapResource(138)->nSize, 4u);

	ASSERT_NE(AfxFindIconResource(128), nullptr);
	EXPECT_EQ(AfxFindIconResource(128)->pData, s_libIcon);
	EXPECT_EQ(AfxFindIconResource(137), nullptr);

	const DialogTemplate* pSplash = AfxFindDialogTemplate(129);
	ASSERT_NE(pSplash, nullptr);
	EXPECT_EQ(pSplash->cx, 192);
	ASSERT_EQ(pSplash->nItems, 1u);
	EXPECT_EQ(pSplash->pItems[0].nID, 1001u);
	EXPECT_STREQ(pSplash->pItems[0].lpszClass, "STATIC");
	EXPECT_EQ(AfxFindResourceModule(ResourceKind::Dialog, 129), &library);

	EXPECT_EQ(AfxFindDialogTemplate(137), nullptr);
	EXPECT_EQ(AfxFindBitmapResource(129), nullptr);
	EXPECT_EQ(AfxFindResourceModule(ResourceKind::Icon, 138), nullptr);
	EXPECT_EQ(AfxFindStringResource(137), nullptr);
}

TEST(ResourceTableTest, ALibraryThatLeftTakesItsPicturesAndDialogsAlong)
{
	CResourceModule application("ondivar", TRUE, nullptr, 0);
	CResourceModuleRegistration applicationJoins(&application);
	CResourceModule library("sigkit", FALSE, nullptr, 0);
	library.SetBitmaps(s_libBitmaps, 2);
	library.SetDialogs(s_libDialogs, 1);
	{
		CResourceModuleRegistration libraryJoins(&library);
		EXPECT_NE(AfxFindBitmapResource(138), nullptr);
		EXPECT_NE(AfxFindDialogTemplate(129), nullptr);
	}
	EXPECT_EQ(AfxFindBitmapResource(138), nullptr);
	EXPECT_EQ(AfxFindDialogTemplate(129), nullptr);
	EXPECT_EQ(AfxFindResourceModule(ResourceKind::Dialog, 129), nullptr);
}
