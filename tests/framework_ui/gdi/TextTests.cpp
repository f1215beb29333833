// Fonts, their fixed substitutes and metrics, and text drawn by TextOut, ExtTextOut and DrawText.
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
	struct FaceCase
	{
		const char* lpszFace;
		int nPointSize;
		int nHeight;
		int nAveCharWidth;
	};

	class FaceMetricsTest : public ::testing::TestWithParam<FaceCase>
	{
	};

	// The dialog faces of Windows all give the 13-pixel line and 6-pixel average width of
	// 8-point text, so layouts come out the same on every machine.
	TEST_P(FaceMetricsTest, SubstituteGivesFixedMetrics)
	{
		const FaceCase& face = GetParam();
		MemorySurface surface(4, 4);
		CFont font;
		ASSERT_TRUE(font.CreatePointFont(face.nPointSize, face.lpszFace));
		surface.Dc().SelectObject(&font);
		TEXTMETRIC tm;
		ASSERT_TRUE(surface.Dc().GetTextMetrics(&tm));
		surface.Dc().SelectStockObject(SYSTEM_FONT);
		EXPECT_EQ(face.nHeight, tm.tmHeight);
		EXPECT_EQ(face.nAveCharWidth, tm.tmAveCharWidth);
		EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
	}

	INSTANTIATE_TEST_SUITE_P(Faces, FaceMetricsTest,
		::testing::Values(FaceCase { "MS Sans Serif", 80, 13, 6 }, FaceCase { "MS Shell Dlg", 80, 13, 6 },
			FaceCase { "Tahoma", 80, 13, 6 }, FaceCase { "Arial", 80, 13, 6 }, FaceCase { "ms sans serif", 80, 13, 6 },
			FaceCase { "Courier New", 80, 13, 7 }, FaceCase { "Times New Roman", 80, 13, 6 },
			FaceCase { "No Such Face", 80, 13, 6 }));

	CSize ExtentIn(LPCTSTR lpszFace, BYTE nPitchAndFamily, LPCTSTR lpszText)
	{
		MemorySurface surface(4, 4);
		CFont font;
		font.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
			DEFAULT_QUALITY, nPitchAndFamily, lpszFace);
		surface.Dc().SelectObject(&font);
		CSize extent = surface.Dc().GetTextExtent(lpszText, -1);
		surface.Dc().SelectStockObject(SYSTEM_FONT);
		return extent;
	}

	TEST(FontTest, CourierNewAndFixedPitchRequestsGetAMonospacedFace)
	{
		EXPECT_EQ(ExtentIn("Courier New", 0, "iiii").cx, ExtentIn("Courier New", 0, "WWWW").cx);
		EXPECT_EQ(ExtentIn("", FIXED_PITCH, "iiii").cx, ExtentIn("", FIXED_PITCH, "WWWW").cx);
		EXPECT_LT(ExtentIn("Arial", 0, "iiii").cx, ExtentIn("Arial", 0, "WWWW").cx);
		EXPECT_NE(ExtentIn("Arial", 0, "Modulazione").cx, ExtentIn("Times New Roman", 0, "Modulazione").cx);
	}

	TEST(FontTest, PointSizesBecomeNegativeCharacterHeightsAndCellHeightsAreHonoured)
	{
		CFont font;
		font.CreatePointFont(80, "MS Sans Serif");
		LOGFONT logFont;
		ASSERT_EQ(static_cast<int>(sizeof(logFont)), font.GetLogFont(&logFont));
		EXPECT_EQ(-11, logFont.lfHeight);
		EXPECT_STREQ("MS Sans Serif", logFont.lfFaceName);

		MemorySurface surface(4, 4);
		CFont cell;
		cell.CreateFont(20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
			DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
		surface.Dc().SelectObject(&cell);
		TEXTMETRIC tm;
		surface.Dc().GetTextMetrics(&tm);
		surface.Dc().SelectStockObject(SYSTEM_FONT);
		EXPECT_LE(std::abs(tm.tmHeight - 20), 1);
		EXPECT_EQ(FW_BOLD, tm.tmWeight);
	}

	class TextSurface : public ::testing::Test
	{
	protected:
		TextSurface()
			: m_surface(120, 40, kGreen)
		{
			m_font.CreatePointFont(80, "MS Sans Serif");
			m_pOldFont = m_surface.Dc().SelectObject(&m_font);
			m_surface.Dc().SetBkColor(kRed);
		}

		~TextSurface() override
		{
			m_surface.Dc().SelectObject(m_pOldFont);
		}

		MemorySurface m_surface;
		CFont m_font;
		CFont* m_pOldFont;
	};

	TEST_F(TextSurface, OpaqueTextFillsItsCellWithTheBackgroundColour)
	{
		CSize extent = m_surface.Dc().GetTextExtent("Vm(t)", 5);
		m_surface.Dc().TextOut(10, 5, "Vm(t)", 5);
		EXPECT_EQ(CRect(10, 5, 10 + extent.cx, 5 + extent.cy), m_surface.InkBounds(kGreen));
		EXPECT_EQ(kRed, m_surface.Pixel(10, 5));
		EXPECT_EQ(13, extent.cy);
	}

	TEST_F(TextSurface, TransparentTextLeavesTheBackgroundAlone)
	{
		m_surface.Dc().SetBkMode(TRANSPARENT);
		m_surface.Dc().TextOut(10, 5, "Vm(t)", 5);
		EXPECT_EQ(0, m_surface.CountPixels(kRed));
		CRect ink = m_surface.InkBounds(kGreen);
		EXPECT_FALSE(ink.IsRectEmpty());
		EXPECT_TRUE(CRect(10, 5, 120, 18).PtInRect(ink.TopLeft()));
	}

	TEST_F(TextSurface, TextAlignmentMovesTheCellAroundTheReferencePoint)
	{
		CSize extent = m_surface.Dc().GetTextExtent("Ap", 2);
		m_surface.Dc().SetTextAlign(TA_RIGHT | TA_BOTTOM);
		m_surface.Dc().TextOut(100, 30, "Ap", 2);
		EXPECT_EQ(CRect(100 - extent.cx, 30 - extent.cy, 100, 30), m_surface.InkBounds(kGreen));
	}

	TEST_F(TextSurface, UpdateCpDrawsAtTheCurrentPositionAndAdvancesIt)
	{
		CSize extent = m_surface.Dc().GetTextExtent("fm", 2);
		m_surface.Dc().SetTextAlign(TA_UPDATECP);
		m_surface.Dc().MoveTo(7, 3);
		m_surface.Dc().TextOut(0, 0, "fm", 2);
		EXPECT_EQ(CPoint(7 + extent.cx, 3), m_surface.Dc().GetCurrentPosition());
		EXPECT_EQ(CRect(7, 3, 7 + extent.cx, 3 + extent.cy), m_surface.InkBounds(kGreen));
	}

	TEST_F(TextSurface, ExtTextOutFillsAndClipsToItsRectangle)
	{
		m_surface.Dc().SetBkMode(TRANSPARENT);
		CRect rect(5, 5, 30, 20);
		m_surface.Dc().ExtTextOut(8, 6, ETO_OPAQUE | ETO_CLIPPED, &rect, "Ampiezza portante", 17, nullptr);
		EXPECT_EQ(rect, m_surface.InkBounds(kGreen));
		EXPECT_EQ(kRed, m_surface.Pixel(5, 5));
		EXPECT_EQ(kRed, m_surface.Pixel(29, 19));
	}

	TEST_F(TextSurface, ExtTextOutPlacesCharactersByTheSpacingArray)
	{
		int spacing[] = { 30, 30, 30 };
		m_surface.Dc().SetBkMode(TRANSPARENT);
		m_surface.Dc().ExtTextOut(0, 0, 0, nullptr, "iii", 3, spacing);
		CRect ink = m_surface.InkBounds(kGreen);
		EXPECT_GE(ink.right, 61);
		EXPECT_LE(ink.right, 66);
	}

	struct AlignCase
	{
		const char* name;
		UINT nFormat;
		int nSide;	// 0 left, 1 centred, 2 right
	};

	class DrawTextAlignTest : public TextSurface, public ::testing::WithParamInterface<AlignCase>
	{
	};

	TEST_P(DrawTextAlignTest, PlacesTheLineInTheRectangle)
	{
		const AlignCase& align = GetParam();
		CRect rect(10, 0, 110, 40);
		CSize extent = m_surface.Dc().GetTextExtent("Spettro", 7);
		int nHeight = m_surface.Dc().DrawText("Spettro", -1, &rect, align.nFormat | DT_SINGLELINE | DT_VCENTER);
		CRect ink = m_surface.InkBounds(kGreen);
		int lefts[] = { 10, 10 + (100 - extent.cx) / 2, 110 - extent.cx };
		int nLeft = lefts[align.nSide];
		EXPECT_EQ(CRect(nLeft, (40 - 13) / 2, nLeft + extent.cx, (40 - 13) / 2 + 13), ink);
		EXPECT_EQ((40 - 13) / 2 + 13, nHeight);
	}

	INSTANTIATE_TEST_SUITE_P(Alignments, DrawTextAlignTest,
		::testing::Values(AlignCase { "left", DT_LEFT, 0 }, AlignCase { "centre", DT_CENTER, 1 },
			AlignCase { "right", DT_RIGHT, 2 }),
		[](const ::testing::TestParamInfo<AlignCase>& info) { return std::string(info.param.name); });

	TEST_F(TextSurface, CalcRectMeasuresWithoutDrawing)
	{
		CRect single(0, 0, 10, 10);
		CSize extent = m_surface.Dc().GetTextExtent("Frequenza", 9);
		EXPECT_EQ(13, m_surface.Dc().DrawText("Frequenza", -1, &single, DT_SINGLELINE | DT_CALCRECT));
		EXPECT_EQ(CRect(0, 0, extent.cx, 13), single);

		CRect wrapped(0, 0, 60, 0);
		int nHeight = m_surface.Dc().DrawText("uno due tre quattro cinque", -1, &wrapped, DT_WORDBREAK | DT_CALCRECT);
		EXPECT_EQ(nHeight, wrapped.Height());
		EXPECT_GE(nHeight, 3 * 13);
		EXPECT_EQ(0, nHeight % 13);
		EXPECT_LE(wrapped.Width(), 60);
		EXPECT_EQ(0, m_surface.CountPixels(kRed));
	}

	TEST_F(TextSurface, LinesBreakAtNewlinesUnlessSingleLine)
	{
		CRect lines(0, 0, 100, 0);
		EXPECT_EQ(26, m_surface.Dc().DrawText("Am\nfm", -1, &lines, DT_CALCRECT));
		CRect single(0, 0, 100, 0);
		EXPECT_EQ(13, m_surface.Dc().DrawText("Am\nfm", -1, &single, DT_CALCRECT | DT_SINGLELINE));
	}

	TEST_F(TextSurface, AmpersandUnderlinesTheNextCharacterUnlessNoPrefix)
	{
		CRect prefixed(0, 0, 100, 20);
		CRect plain(0, 0, 100, 20);
		CRect literal(0, 0, 100, 20);
		m_surface.Dc().DrawText("&Salva", -1, &prefixed, DT_CALCRECT);
		m_surface.Dc().DrawText("Salva", -1, &plain, DT_CALCRECT);
		m_surface.Dc().DrawText("&Salva", -1, &literal, DT_CALCRECT | DT_NOPREFIX);
		EXPECT_EQ(plain, prefixed);
		EXPECT_GT(literal.Width(), plain.Width());

		m_surface.Dc().SetBkMode(TRANSPARENT);
		CRect rect(0, 0, 100, 20);
		m_surface.Dc().DrawText("&Salva", -1, &rect, DT_SINGLELINE);
		TEXTMETRIC tm;
		m_surface.Dc().GetTextMetrics(&tm);
		int nUnderline = tm.tmAscent + 1;
		int nWidthS = m_surface.Dc().GetTextExtent("S", 1).cx;
		EXPECT_EQ(kBlack, m_surface.Pixel(1, nUnderline));
		EXPECT_EQ(kGreen, m_surface.Pixel(nWidthS + 2, nUnderline));
	}

	TEST_F(TextSurface, EndEllipsisKeepsLongTextInsideTheRectangle)
	{
		m_surface.Dc().SetBkMode(TRANSPARENT);
		CRect rect(0, 0, 50, 20);
		m_surface.Dc().DrawText("Modulazione di frequenza", -1, &rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
		CRect ink = m_surface.InkBounds(kGreen);
		EXPECT_LE(ink.right, 50);
		EXPECT_GT(ink.right, 30);
	}
}
