// DCs sharing one device, a window's surface growing under a DC that draws on it, and text whose
// characters take more than one byte.
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/window/PaintDC.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/Surfaces.h"

#include <gtest/gtest.h>

namespace
{
	class SurfaceWindow : public ::testing::Test
	{
	protected:
		SurfaceWindow()
		{
			m_wnd.CreatePopup(CRect(0, 0, 40, 20));
			CClientDC dc(&m_wnd);
			dc.FillSolidRect(0, 0, 200, 200, kWhite);
		}

		COLORREF Pixel(int x, int y)
		{
			return GetSurfacePixel(&m_wnd, x, y);
		}

		CTestWindow m_wnd;
	};

	TEST_F(SurfaceWindow, DcsTakingTurnsOnOneSurfaceKeepTheirOwnOriginsAndClipping)
	{
		CClientDC shifted(&m_wnd);
		CClientDC clipped(&m_wnd);
		shifted.SetViewportOrg(20, 0);
		clipped.IntersectClipRect(0, 0, 10, 20);
		for (int nRound = 0; nRound < 2; ++nRound)
		{
			shifted.FillSolidRect(0, 0 + 10 * nRound, 5, 5, kRed);
			clipped.FillSolidRect(0, 0 + 10 * nRound, 15, 5, kBlue);
		}
		for (int y : { 2, 12 })
		{
			EXPECT_EQ(kBlue, Pixel(9, y)) << y;
			EXPECT_EQ(kWhite, Pixel(10, y)) << y;
			EXPECT_EQ(kWhite, Pixel(19, y)) << y;
			EXPECT_EQ(kRed, Pixel(20, y)) << y;
			EXPECT_EQ(kWhite, Pixel(25, y)) << y;
		}
	}

	TEST_F(SurfaceWindow, ADcGoesOnDrawingOnTheSurfaceOnceTheWindowHasGrown)
	{
		CClientDC dc(&m_wnd);
		dc.FillSolidRect(0, 0, 5, 5, kRed);
		m_wnd.SetWindowPos(nullptr, 0, 0, 80, 40, SWP_NOMOVE | SWP_NOZORDER);
		{
			// Another DC fits the surface to the new client area, keeping what was drawn.
			CClientDC other(&m_wnd);
			other.FillSolidRect(60, 30, 5, 5, kGreen);
		}
		dc.FillSolidRect(70, 30, 5, 5, kBlue);
		EXPECT_EQ(kRed, Pixel(2, 2));
		EXPECT_EQ(kGreen, Pixel(62, 32));
		EXPECT_EQ(kBlue, Pixel(72, 32));
	}

	class Utf8Text : public ::testing::Test
	{
	protected:
		Utf8Text()
			: m_drawn(120, 20, kWhite), m_expected(120, 20, kWhite)
		{
			for (MemorySurface* pSurface : { &m_drawn, &m_expected })
			{
				pSurface->Dc().SelectStockObject(DEFAULT_GUI_FONT);
				pSurface->Dc().SetBkMode(TRANSPARENT);
			}
		}

		~Utf8Text() override
		{
			for (MemorySurface* pSurface : { &m_drawn, &m_expected })
				pSurface->Dc().SelectStockObject(SYSTEM_FONT);
		}

		MemorySurface m_drawn;
		MemorySurface m_expected;
	};

	TEST_F(Utf8Text, AnEllipsisReplacesWholeCharacters)
	{
		// "città più già", whose accented letters take two bytes each.
		const char* lpszText = "citt\xC3\xA0 pi\xC3\xB9 gi\xC3\xA0";
		const CString strKept = "citt\xC3\xA0...";
		const int nWidth = m_drawn.Dc().GetTextExtent(strKept).cx;
		CRect rect(0, 0, nWidth, 20);
		m_drawn.Dc().DrawText(lpszText, -1, &rect, DT_SINGLELINE | DT_END_ELLIPSIS);
		m_expected.Dc().TextOut(0, 0, strKept);
		EXPECT_EQ(m_expected.Snapshot(), m_drawn.Snapshot());
	}

	TEST_F(Utf8Text, TheMnemonicUnderlineSpansATwoByteCharacter)
	{
		CRect rect(0, 0, 120, 20);
		m_drawn.Dc().DrawText("&\xC3\x88lan", -1, &rect, DT_SINGLELINE);
		TEXTMETRIC tm;
		m_drawn.Dc().GetTextMetrics(&tm);
		const int nWidth = m_drawn.Dc().GetTextExtent("\xC3\x88", 2).cx;
		m_expected.Dc().TextOut(0, 0, "\xC3\x88lan");
		m_expected.Dc().FillSolidRect(0, tm.tmAscent + 1, nWidth, 1, kBlack);
		EXPECT_EQ(m_expected.Snapshot(), m_drawn.Snapshot());
	}
}
