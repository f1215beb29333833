// The DC's state: selected objects, SaveDC/RestoreDC, origins, clipping, and the handle
// wrappers of DCs and GDI objects.
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

namespace
{
	TEST(DcDefaultsTest, MemoryDcStartsWithTheWindowsDefaults)
	{
		CDC dc;
		ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
		EXPECT_EQ(kBlack, dc.GetTextColor());
		EXPECT_EQ(kWhite, dc.GetBkColor());
		EXPECT_EQ(OPAQUE, dc.GetBkMode());
		EXPECT_EQ(R2_COPYPEN, dc.GetROP2());
		EXPECT_EQ(dc.GetCurrentPen()->m_hObject, GetStockObject(BLACK_PEN));
		EXPECT_EQ(dc.GetCurrentBrush()->m_hObject, GetStockObject(WHITE_BRUSH));
		EXPECT_EQ(dc.GetCurrentFont()->m_hObject, GetStockObject(SYSTEM_FONT));
		BITMAP bm;
		ASSERT_EQ(static_cast<int>(sizeof(bm)), dc.GetCurrentBitmap()->GetBitmap(&bm));
		EXPECT_EQ(1, bm.bmWidth);
		EXPECT_EQ(1, bm.bmHeight);
		EXPECT_EQ(1, bm.bmBitsPixel);
	}

	TEST(DcSelectTest, SelectObjectReturnsWhatWasSelectedBefore)
	{
		MemorySurface surface(4, 4);
		CPen red(PS_SOLID, 1, kRed);
		CPen blue(PS_SOLID, 1, kBlue);
		CPen* pOriginal = surface.Dc().SelectObject(&red);
		EXPECT_EQ(GetStockObject(BLACK_PEN), pOriginal->m_hObject);
		EXPECT_EQ(&red, surface.Dc().SelectObject(&blue));
		EXPECT_EQ(&blue, surface.Dc().SelectObject(pOriginal));
		CGdiObject* pBrush = surface.Dc().SelectStockObject(NULL_BRUSH);
		EXPECT_EQ(GetStockObject(WHITE_BRUSH), pBrush->m_hObject);
	}

	TEST(DcSelectTest, ABitmapIsSelectedIntoOneDcAtATime)
	{
		CBitmap bitmap;
		bitmap.CreateBitmap(4, 4, 1, 32, nullptr);
		CDC first;
		CDC second;
		first.CreateCompatibleDC(nullptr);
		second.CreateCompatibleDC(nullptr);
		CBitmap* pOld = first.SelectObject(&bitmap);
		ASSERT_NE(nullptr, pOld);
		EXPECT_EQ(nullptr, second.SelectObject(&bitmap));
		first.SelectObject(pOld);
		EXPECT_NE(nullptr, second.SelectObject(&bitmap));
	}

	TEST(DcSelectTest, DeletingASelectedPenLeavesTheDcDrawingWithIt)
	{
		MemorySurface surface(10, 4);
		{
			CPen pen(PS_SOLID, 1, kRed);
			surface.Dc().SelectObject(&pen);
		}
		surface.Dc().MoveTo(0, 1);
		surface.Dc().LineTo(5, 1);
		EXPECT_EQ(kRed, surface.Pixel(2, 1));
		EXPECT_EQ(nullptr, surface.Dc().SelectStockObject(BLACK_PEN));
	}

	TEST(SaveDcTest, RestoreDcBringsBackObjectsColoursModesAndClipping)
	{
		MemorySurface surface(20, 20);
		CDC& dc = surface.Dc();
		CPen red(PS_SOLID, 1, kRed);
		CBrush blue(kBlue);
		int nSaved = dc.SaveDC();
		EXPECT_EQ(1, nSaved);

		dc.SelectObject(&red);
		dc.SelectObject(&blue);
		dc.SetTextColor(kGreen);
		dc.SetBkColor(kRed);
		dc.SetBkMode(TRANSPARENT);
		dc.SetROP2(R2_XORPEN);
		dc.IntersectClipRect(0, 0, 5, 5);
		dc.MoveTo(7, 8);

		ASSERT_TRUE(dc.RestoreDC(nSaved));
		EXPECT_EQ(GetStockObject(BLACK_PEN), dc.GetCurrentPen()->m_hObject);
		EXPECT_EQ(GetStockObject(WHITE_BRUSH), dc.GetCurrentBrush()->m_hObject);
		EXPECT_EQ(kBlack, dc.GetTextColor());
		EXPECT_EQ(kWhite, dc.GetBkColor());
		EXPECT_EQ(OPAQUE, dc.GetBkMode());
		EXPECT_EQ(R2_COPYPEN, dc.GetROP2());
		EXPECT_EQ(CPoint(0, 0), dc.GetCurrentPosition());
		CRect clip;
		EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(&clip));
		EXPECT_EQ(CRect(0, 0, 20, 20), clip);
		dc.SetPixel(10, 10, kRed);
		EXPECT_EQ(kRed, surface.Pixel(10, 10));
	}

	TEST(SaveDcTest, NegativeLevelsCountBackFromTheLastSave)
	{
		MemorySurface surface(4, 4);
		CDC& dc = surface.Dc();
		dc.SetTextColor(RGB(1, 1, 1));
		dc.SaveDC();
		dc.SetTextColor(RGB(2, 2, 2));
		dc.SaveDC();
		dc.SetTextColor(RGB(3, 3, 3));
		EXPECT_EQ(3, dc.SaveDC());
		dc.SetTextColor(RGB(4, 4, 4));

		EXPECT_TRUE(dc.RestoreDC(-2));
		EXPECT_EQ(RGB(2, 2, 2), dc.GetTextColor());
		EXPECT_TRUE(dc.RestoreDC(-1));
		EXPECT_EQ(RGB(1, 1, 1), dc.GetTextColor());
		EXPECT_FALSE(dc.RestoreDC(-1));
		EXPECT_FALSE(dc.RestoreDC(0));
	}

	TEST(SaveDcTest, RestoringABitmapSelectionSwitchesTheTarget)
	{
		MemorySurface surface(4, 4);
		CDC& dc = surface.Dc();
		int nSaved = dc.SaveDC();
		CBitmap other;
		other.CreateBitmap(4, 4, 1, 32, nullptr);
		dc.SelectObject(&other);
		dc.SetPixel(1, 1, kRed);
		dc.RestoreDC(nSaved);
		EXPECT_EQ(kWhite, dc.GetPixel(1, 1));
		EXPECT_EQ(&surface.Bitmap(), dc.GetCurrentBitmap());
	}

	TEST(ClipTest, DrawingStaysInsideTheClipRegion)
	{
		MemorySurface surface(20, 20);
		CDC& dc = surface.Dc();
		EXPECT_EQ(SIMPLEREGION, dc.IntersectClipRect(5, 5, 15, 15));
		EXPECT_EQ(COMPLEXREGION, dc.ExcludeClipRect(8, 8, 12, 12));
		CBrush red(kRed);
		CRect all(0, 0, 20, 20);
		dc.FillRect(&all, &red);
		EXPECT_EQ(CRect(5, 5, 15, 15), surface.InkBounds(kWhite));
		EXPECT_EQ(kWhite, surface.Pixel(10, 10));
		EXPECT_EQ(10 * 10 - 4 * 4, surface.CountPixels(kRed));
		CRect box;
		EXPECT_EQ(COMPLEXREGION, dc.GetClipBox(&box));
		EXPECT_EQ(CRect(5, 5, 15, 15), box);
		EXPECT_FALSE(dc.PtVisible(10, 10));
		EXPECT_TRUE(dc.PtVisible(6, 6));
	}

	TEST(ClipTest, SelectClipRgnReplacesAndNullRemovesTheClipping)
	{
		MemorySurface surface(20, 20);
		CDC& dc = surface.Dc();
		dc.IntersectClipRect(0, 0, 3, 3);
		CRgn region;
		region.CreateRectRgn(10, 10, 12, 12);
		EXPECT_EQ(SIMPLEREGION, dc.SelectClipRgn(&region));
		dc.SetPixel(1, 1, kRed);
		dc.SetPixel(11, 11, kRed);
		EXPECT_EQ(kWhite, surface.Pixel(1, 1));
		EXPECT_EQ(kRed, surface.Pixel(11, 11));
		EXPECT_EQ(SIMPLEREGION, dc.SelectClipRgn(nullptr));
		dc.SetPixel(1, 1, kRed);
		EXPECT_EQ(kRed, surface.Pixel(1, 1));
	}

	TEST(ClipTest, ClipRectanglesFollowTheOriginsAndClipBoxComesBackLogical)
	{
		MemorySurface surface(20, 20);
		CDC& dc = surface.Dc();
		dc.SetViewportOrg(4, 4);
		dc.IntersectClipRect(0, 0, 4, 4);
		CRect box;
		dc.GetClipBox(&box);
		EXPECT_EQ(CRect(0, 0, 4, 4), box);
		CBrush red(kRed);
		CRect all(-10, -10, 30, 30);
		dc.FillRect(&all, &red);
		EXPECT_EQ(CRect(4, 4, 8, 8), surface.InkBounds(kWhite));
	}

	TEST(OriginTest, ViewportAndWindowOriginsShiftDrawingAndConvertPoints)
	{
		MemorySurface surface(20, 20);
		CDC& dc = surface.Dc();
		EXPECT_EQ(CPoint(0, 0), dc.SetViewportOrg(10, 6));
		dc.SetWindowOrg(2, 1);
		dc.OffsetViewportOrg(1, 1);
		POINT point = { 3, 3 };
		dc.LPtoDP(&point);
		EXPECT_EQ(12, point.x);
		EXPECT_EQ(9, point.y);
		dc.DPtoLP(&point);
		EXPECT_EQ(3, point.x);
		dc.SetPixel(3, 3, kRed);
		EXPECT_EQ(CRect(12, 9, 13, 10), surface.InkBounds(kWhite));
		EXPECT_EQ(kRed, dc.GetPixel(3, 3));
	}

	TEST(RegionTest, CombinationsReportTheKindOfTheirResult)
	{
		CRgn a;
		CRgn b;
		CRgn result;
		a.CreateRectRgn(0, 0, 10, 10);
		b.CreateRectRgn(5, 5, 15, 15);
		result.CreateRectRgn(0, 0, 0, 0);
		EXPECT_EQ(SIMPLEREGION, result.CombineRgn(&a, &b, RGN_AND));
		CRect box;
		result.GetRgnBox(&box);
		EXPECT_EQ(CRect(5, 5, 10, 10), box);
		EXPECT_EQ(COMPLEXREGION, result.CombineRgn(&a, &b, RGN_OR));
		EXPECT_TRUE(result.PtInRegion(12, 12));
		EXPECT_FALSE(result.PtInRegion(12, 2));
		EXPECT_EQ(COMPLEXREGION, result.CombineRgn(&a, &b, RGN_DIFF));
		EXPECT_FALSE(result.PtInRegion(7, 7));
		EXPECT_EQ(NULLREGION, result.CombineRgn(&a, &a, RGN_XOR));
		EXPECT_EQ(SIMPLEREGION, result.CopyRgn(&b));
		EXPECT_TRUE(result.EqualRgn(&b));
		result.OffsetRgn(-5, -5);
		EXPECT_TRUE(result.EqualRgn(&a));
	}

	TEST(HandleTest, FromHandleGivesTheAttachedObjectOrALastingTemporaryOne)
	{
		CPen pen(PS_DOT, 1, kRed);
		EXPECT_EQ(&pen, CPen::FromHandle(pen));
		HGDIOBJ hPen = pen.Detach();
		CPen* pTemporary = CPen::FromHandle(reinterpret_cast<HPEN>(hPen));
		ASSERT_NE(nullptr, pTemporary);
		EXPECT_EQ(pTemporary, CPen::FromHandle(reinterpret_cast<HPEN>(hPen)));
		EXPECT_TRUE(pTemporary->IsKindOf(RUNTIME_CLASS(CPen)));
		LOGPEN logPen;
		pTemporary->GetLogPen(&logPen);
		EXPECT_EQ(static_cast<UINT>(PS_DOT), logPen.lopnStyle);
		EXPECT_EQ(kRed, logPen.lopnColor);
		EXPECT_TRUE(DeleteObject(hPen));
		EXPECT_EQ(nullptr, CGdiObject::FromHandle(hPen));
	}

	TEST(HandleTest, StockObjectsSurviveDeletion)
	{
		CBrush brush;
		ASSERT_TRUE(brush.CreateStockObject(BLACK_BRUSH));
		HGDIOBJ hBrush = brush.m_hObject;
		EXPECT_TRUE(brush.DeleteObject());
		EXPECT_EQ(nullptr, brush.m_hObject);
		LOGBRUSH logBrush;
		ASSERT_EQ(static_cast<int>(sizeof(logBrush)), GetObject(hBrush, sizeof(logBrush), &logBrush));
		EXPECT_EQ(BS_SOLID, logBrush.lbStyle);
		EXPECT_EQ(kBlack, logBrush.lbColor);
	}

	TEST(HandleTest, DcWrappersAttachDetachAndDelete)
	{
		CDC dc;
		dc.CreateCompatibleDC(nullptr);
		HDC hDC = dc.GetSafeHdc();
		EXPECT_EQ(&dc, CDC::FromHandle(hDC));
		EXPECT_EQ(hDC, dc.Detach());
		CDC* pTemporary = CDC::FromHandle(hDC);
		ASSERT_NE(nullptr, pTemporary);
		EXPECT_NE(&dc, pTemporary);
		CDC other;
		EXPECT_TRUE(other.Attach(hDC));
		EXPECT_EQ(&other, CDC::FromHandle(hDC));
		EXPECT_TRUE(other.DeleteDC());
		EXPECT_EQ(nullptr, CDC::FromHandle(hDC));
	}

	TEST(PaletteTest, EntriesComeBackAsCreatedAndRealisingChangesNothing)
	{
		struct
		{
			LOGPALETTE header;
			PALETTEENTRY more[2];
		} block = { { 0x300, 3, { { 10, 20, 30, 0 } } }, { { 200, 0, 0, 0 }, { 0, 0, 250, PC_NOCOLLAPSE } } };
		CPalette palette;
		ASSERT_TRUE(palette.CreatePalette(&block.header));
		EXPECT_EQ(3, palette.GetEntryCount());
		PALETTEENTRY entries[3] = {};
		EXPECT_EQ(2u, palette.GetPaletteEntries(1, 5, entries));
		EXPECT_EQ(200, entries[0].peRed);
		EXPECT_EQ(250, entries[1].peBlue);
		EXPECT_EQ(PC_NOCOLLAPSE, entries[1].peFlags);
		EXPECT_EQ(2u, palette.GetNearestPaletteIndex(RGB(0, 10, 240)));

		MemorySurface surface(2, 2);
		CPalette* pDefault = surface.Dc().SelectPalette(&palette, FALSE);
		ASSERT_NE(nullptr, pDefault);
		EXPECT_EQ(20, pDefault->GetEntryCount());
		EXPECT_EQ(0u, surface.Dc().RealizePalette());
		EXPECT_EQ(&palette, surface.Dc().SelectPalette(pDefault, FALSE));
		EXPECT_EQ(0, surface.Dc().GetDeviceCaps(RASTERCAPS) & RC_PALETTE);
	}

	TEST(DeviceCapsTest, MemoryDcsDescribeATrueColourScreen)
	{
		MemorySurface surface(2, 2);
		EXPECT_EQ(96, surface.Dc().GetDeviceCaps(LOGPIXELSX));
		EXPECT_EQ(96, surface.Dc().GetDeviceCaps(LOGPIXELSY));
		EXPECT_EQ(32, surface.Dc().GetDeviceCaps(BITSPIXEL));
		EXPECT_EQ(1, surface.Dc().GetDeviceCaps(PLANES));
		EXPECT_EQ(-1, surface.Dc().GetDeviceCaps(NUMCOLORS));
	}
}
