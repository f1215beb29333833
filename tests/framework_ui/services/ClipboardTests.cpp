// The clipboard's rules, and the text and pictures that reach the desktop's clipboard.
#include "framework/core/GlobalMemory.h"
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/services/Clipboard.h"
#include "framework/ui/testing/ClipboardAccess.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace
{

HGLOBAL BlockOf(const void* pData, size_t nSize)
{
	HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, nSize);
	std::memcpy(GlobalLock(hMem), pData, nSize);
	GlobalUnlock(hMem);
	return hMem;
}

HGLOBAL TextBlock(const char* pszText)
{
	return BlockOf(pszText, std::strlen(pszText) + 1);
}

TEST(Clipboard, OneWindowAtATimeOpensItAndOnlyAWindowThatEmptiedItSetsData)
{
	CTestWindow first;
	CTestWindow second;
	ASSERT_TRUE(first.CreatePopup(CRect(10, 10, 110, 110)));
	ASSERT_TRUE(second.CreatePopup(CRect(120, 10, 220, 110)));
	HGLOBAL hText = TextBlock("x");

	EXPECT_FALSE(EmptyClipboard());
	EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, hText));
	EXPECT_FALSE(CloseClipboard());

	ASSERT_TRUE(first.OpenClipboard());
	EXPECT_FALSE(second.OpenClipboard());
	EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, hText));
	EXPECT_TRUE(CloseClipboard());
	EXPECT_TRUE(second.OpenClipboard());
	EXPECT_TRUE(EmptyClipboard());
	EXPECT_EQ(nullptr, SetClipboardData(99, hText));
	EXPECT_EQ(nullptr, SetClipboardData(CF_BITMAP, hText));
	EXPECT_EQ(hText, SetClipboardData(CF_TEXT, hText));
	EXPECT_TRUE(CloseClipboard());
	EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
	EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));

	// Opened by no window, the clipboard is left with no owner, and nothing can be set.
	ASSERT_TRUE(OpenClipboard(nullptr));
	EXPECT_TRUE(EmptyClipboard());
	EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
	HGLOBAL hOther = TextBlock("y");
	EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, hOther));
	EXPECT_TRUE(CloseClipboard());
	GlobalFree(hOther);

	const DesktopClipboard desktop = AfxReadDesktopClipboard();
	EXPECT_FALSE(desktop.bText);
	EXPECT_FALSE(desktop.bImage);
}

TEST(Clipboard, TheUnicodeTextGoesToTheDesktopBeforeTheEightBitText)
{
	CTestWindow window;
	ASSERT_TRUE(window.CreatePopup(CRect(10, 10, 110, 110)));
	// "Più π" and a character beyond 16 bits (U+1D11E), as UTF-16.
	const char16_t units[] = { u'P', u'i', 0x00F9, u' ', 0x03C0, 0xD834, 0xDD1E, 0 };

	ASSERT_TRUE(window.OpenClipboard());
	ASSERT_TRUE(EmptyClipboard());
	ASSERT_NE(nullptr, SetClipboardData(CF_TEXT, TextBlock("altro")));
	ASSERT_NE(nullptr, SetClipboardData(CF_UNICODETEXT, BlockOf(units, sizeof(units))));
	ASSERT_TRUE(CloseClipboard());

	const DesktopClipboard desktop = AfxReadDesktopClipboard();
	EXPECT_TRUE(desktop.bText);
	EXPECT_STREQ("Pi\xC3\xB9 \xCF\x80\xF0\x9D\x84\x9E", desktop.strText);
	EXPECT_FALSE(desktop.bImage);
}

TEST(Clipboard, ABitmapOrAPackedDibReachesTheDesktopPixelForPixel)
{
	CTestWindow window;
	ASSERT_TRUE(window.CreatePopup(CRect(10, 10, 110, 110)));
	// 32 bits a pixel, top-down rows, blue in the low byte.
	const std::uint32_t bits[] = { 0x00FF0000, 0x0000FF00, 0x000000FF, 0x00102030, 0x00FFFFFF, 0x00000000 };
	CBitmap bitmap;
	ASSERT_TRUE(bitmap.CreateBitmap(3, 2, 1, 32, bits));
	const HBITMAP hBitmap = reinterpret_cast<HBITMAP>(bitmap.Detach());

	ASSERT_TRUE(window.OpenClipboard());
	ASSERT_TRUE(EmptyClipboard());
	ASSERT_EQ(hBitmap, SetClipboardData(CF_BITMAP, hBitmap));
	ASSERT_TRUE(CloseClipboard());
	const DesktopClipboard fromBitmap = AfxReadDesktopClipboard();

	// Two pixels of 8 bits with two colours (red, green), rows bottom-up and padded to four bytes.
	std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD) + 2 * 4);
	BITMAPINFOHEADER header = {};
	header.biSize = sizeof(BITMAPINFOHEADER);
	header.biWidth = 2;
	header.biHeight = 2;
	header.biPlanes = 1;
	header.biBitCount = 8;
	header.biClrUsed = 2;
	std::memcpy(dib.data(), &header, sizeof(header));
	const BYTE colorsAndRows[] = { 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0 };
	std::memcpy(dib.data() + sizeof(header), colorsAndRows, sizeof(colorsAndRows));
	ASSERT_TRUE(window.OpenClipboard());
	ASSERT_TRUE(EmptyClipboard());
	// Emptied, the clipboard deleted the bitmap it had been given.
	EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(hBitmap)));
	ASSERT_NE(nullptr, SetClipboardData(CF_DIB, BlockOf(dib.data(), dib.size())));
	ASSERT_TRUE(CloseClipboard());
	const DesktopClipboard fromDib = AfxReadDesktopClipboard();

	EXPECT_TRUE(fromBitmap.bImage);
	EXPECT_EQ(3, fromBitmap.nWidth);
	EXPECT_EQ((std::vector<std::uint32_t> { 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF102030, 0xFFFFFFFF, 0xFF000000 }),
		fromBitmap.pixels);
	EXPECT_TRUE(fromDib.bImage);
	EXPECT_EQ(2, fromDib.nWidth);
	EXPECT_EQ((std::vector<std::uint32_t> { 0xFF00FF00, 0xFFFF0000, 0xFFFF0000, 0xFF00FF00 }), fromDib.pixels);
	EXPECT_FALSE(fromDib.bText);
}

}
