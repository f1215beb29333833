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
	return hMem;
}

TEST(Clipboard, OneWindowAtATimeOpensItAndOnlyAWindowThatEmptiedItSetsData)
{
	CTestWindow first;
	CTestWindow second;
	ASSERT_TRUE(first.CreatePopup(CRect(10, 10, 110, 110)));
	ASSERT_TRUE(second.CreatePopup(CRect(120, 10, 220, 110)));
	HGLOBAL hText = BlockOf("x", 2);

	EXPECT_FALSE(EmptyClipboard());
	EXPECT_FALSE(CloseClipboard());
	ASSERT_TRUE(first.OpenClipboard());
	EXPECT_FALSE(second.OpenClipboard());
	EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, hText));
	EXPECT_TRUE(CloseClipboard());
	EXPECT_TRUE(second.OpenClipboard());
	EXPECT_TRUE(EmptyClipboard());
	EXPECT_EQ(hText, SetClipboardData(CF_TEXT, hText));
	EXPECT_TRUE(CloseClipboard());
	EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
	// Opened by no window, the clipboard is left with no owner, and nothing can be set; the
	// desktop's clipboard is emptied too.
	ASSERT_TRUE(OpenClipboard(nullptr));
	EXPECT_TRUE(EmptyClipboard());
	HGLOBAL hOther = BlockOf("y", 2);
	EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, hOther));
	EXPECT_TRUE(CloseClipboard());
	GlobalFree(hOther);
	EXPECT_FALSE(AfxReadDesktopClipboard().bText);
}

TEST(Clipboard, TextABitmapAndAPackedDibReachTheDesktop)
{
	CTestWindow window;
	ASSERT_TRUE(window.CreatePopup(CRect(10, 10, 110, 110)));
	// "Più π" and a character beyond 16 bits (U+1D11E), as UTF-16; it goes before the 8-bit text.
	const char16_t units[] = { u'P', u'i', 0x00F9, u' ', 0x03C0, 0xD834, 0xDD1E, 0 };
	// 32 bits a pixel, top-down rows, blue in the low byte.
	const std::uint32_t bits[] = { 0x00FF0000, 0x0000FF00, 0x000000FF, 0x00102030, 0x00FFFFFF, 0x00000000 };
	CBitmap bitmap;
	ASSERT_TRUE(bitmap.CreateBitmap(3, 2, 1, 32, bits));
	const HBITMAP hBitmap = reinterpret_cast<HBITMAP>(bitmap.Detach());
	ASSERT_TRUE(window.OpenClipboard());
	ASSERT_TRUE(EmptyClipboard());
	ASSERT_NE(nullptr, SetClipboardData(CF_TEXT, BlockOf("altro", 6)));
	ASSERT_NE(nullptr, SetClipboardData(CF_UNICODETEXT, BlockOf(units, sizeof(units))));
	ASSERT_EQ(hBitmap, SetClipboardData(CF_BITMAP, hBitmap));
	ASSERT_TRUE(CloseClipboard());
	const DesktopClipboard fromBitmap = AfxReadDesktopClipboard();

	// A 40-byte header (2 by 2 pixels, 1 plane, 8 bits, 2 colours), the colours red and green, then
	// rows of two pixels bottom-up, each padded to four bytes.
	const BYTE dib[] = { 40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
		2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0 };
	ASSERT_TRUE(window.OpenClipboard());
	ASSERT_TRUE(EmptyClipboard());
	// Emptied, the clipboard deleted the bitmap it had been given.
	EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(hBitmap)));
	ASSERT_NE(nullptr, SetClipboardData(CF_DIB, BlockOf(dib, sizeof(dib))));
	ASSERT_TRUE(CloseClipboard());
	const DesktopClipboard fromDib = AfxReadDesktopClipboard();

	EXPECT_STREQ("Pi\xC3\xB9 \xCF\x80\xF0\x9D\x84\x9E", fromBitmap.strText);
	EXPECT_EQ(3, fromBitmap.nWidth);
	EXPECT_EQ((std::vector<std::uint32_t> { 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF102030, 0xFFFFFFFF, 0xFF000000 }),
		fromBitmap.pixels);
	EXPECT_EQ(2, fromDib.nWidth);
	EXPECT_EQ((std::vector<std::uint32_t> { 0xFF00FF00, 0xFFFF0000, 0xFFFF0000, 0xFF00FF00 }), fromDib.pixels);
}

}
