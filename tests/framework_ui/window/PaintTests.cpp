// Painting through window surfaces, read back pixel by pixel: erasing before painting, clipping
// to the invalidated area, synchronous UpdateWindow, class backgrounds and client DCs.
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "tests/support/EventPump.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

namespace
{

constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF GREEN = RGB(0, 255, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF YELLOW = RGB(255, 255, 0);

// Erases with one colour and paints the left half of the client area with another.
class CPaintRecorder : public CMessageRecorder
{
public:
	COLORREF m_crErase = BLUE;
	COLORREF m_crPaint = RED;
	CRect m_rcPaint;

protected:
	afx_msg BOOL OnEraseBkgnd(CDC* pDC)
	{
		m_log.push_back("erase");
		CRect rcClient;
		GetClientRect(&rcClient);
		pDC->FillSolidRect(&rcClient, m_crErase);
		return TRUE;
	}

	afx_msg void OnPaint()
	{
		CPaintDC dc(this);
		m_log.push_back("paint");
		m_rcPaint = dc.m_ps.rcPaint;
		CRect rcClient;
		GetClientRect(&rcClient);
		dc.FillSolidRect(0, 0, rcClient.Width() / 2, rcClient.Height(), m_crPaint);
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintRecorder, CMessageRecorder)
	ON_WM_ERASEBKGND()
	ON_WM_PAINT()
END_MESSAGE_MAP()

class PaintTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_wnd.CreatePopup(CRect(30, 30, 70, 60)));
		ASSERT_TRUE(PumpUntil([this] { return !m_wnd.m_log.empty(); }));
	}

	COLORREF Pixel(int x, int y)
	{
		return GetSurfacePixel(&m_wnd, x, y);
	}

	CPaintRecorder m_wnd;
};

TEST_F(PaintTest, ShowingErasesThenPaintsTheWholeWindowFromTheEventLoop)
{
	EXPECT_EQ((MessageLog { "erase", "paint" }), m_wnd.m_log);
	EXPECT_EQ(CRect(0, 0, 40, 30), m_wnd.m_rcPaint);
	EXPECT_EQ(RED, Pixel(0, 0));
	EXPECT_EQ(RED, Pixel(19, 29));
	EXPECT_EQ(BLUE, Pixel(20, 0));
	EXPECT_EQ(BLUE, Pixel(39, 29));
	EXPECT_EQ(CLR_INVALID, Pixel(40, 0));
}

TEST_F(PaintTest, UpdateWindowPaintsAtOnceAndOnlyWhenSomethingIsInvalid)
{
	m_wnd.m_log.clear();
	m_wnd.UpdateWindow();
	EXPECT_TRUE(m_wnd.m_log.empty());

	m_wnd.m_crPaint = GREEN;
	m_wnd.InvalidateRect(nullptr, FALSE);
	CRect rcUpdate;
	EXPECT_TRUE(m_wnd.GetUpdateRect(&rcUpdate));
	EXPECT_EQ(CRect(0, 0, 40, 30), rcUpdate);
	m_wnd.UpdateWindow();
	EXPECT_EQ((MessageLog { "paint" }), m_wnd.m_log);
	EXPECT_EQ(GREEN, Pixel(5, 5));
	EXPECT_EQ(BLUE, Pixel(25, 5));
	EXPECT_FALSE(m_wnd.GetUpdateRect(&rcUpdate));
}

TEST_F(PaintTest, PaintingIsClippedToTheAccumulatedInvalidArea)
{
	m_wnd.m_crPaint = GREEN;
	m_wnd.m_crErase = YELLOW;
	m_wnd.m_log.clear();
	m_wnd.InvalidateRect(CRect(10, 5, 15, 15));
	m_wnd.InvalidateRect(CRect(25, 5, 30, 15), FALSE);
	m_wnd.UpdateWindow();

	EXPECT_EQ((MessageLog { "erase", "paint" }), m_wnd.m_log);
	EXPECT_EQ(CRect(10, 5, 30, 15), m_wnd.m_rcPaint);
	struct Probe
	{
		int x;
		int y;
		COLORREF cr;
	};
	const Probe probes[] = {
		{ 10, 5, GREEN },
		{ 14, 14, GREEN },
		{ 15, 5, RED },
		{ 9, 5, RED },
		{ 10, 15, RED },
		{ 25, 5, YELLOW },
		{ 29, 14, YELLOW },
		{ 20, 10, BLUE },
		{ 30, 10, BLUE },
	};
	for (const Probe& probe : probes)
	{
		EXPECT_EQ(probe.cr, Pixel(probe.x, probe.y)) << probe.x << "," << probe.y;
	}
}

TEST_F(PaintTest, ValidatedAreaIsNotPainted)
{
	m_wnd.m_log.clear();
	m_wnd.InvalidateRect(CRect(0, 0, 10, 10));
	m_wnd.ValidateRect(nullptr);
	m_wnd.UpdateWindow();
	EXPECT_TRUE(m_wnd.m_log.empty());
}

TEST_F(PaintTest, ClientDCDrawsOnTheSurfaceOutsideWMPaint)
{
	m_wnd.m_log.clear();
	{
		CClientDC dc(&m_wnd);
		dc.FillSolidRect(30, 20, 5, 5, GREEN);
	}
	CDC* pDC = m_wnd.GetDC();
	pDC->SetPixel(2, 2, YELLOW);
	m_wnd.ReleaseDC(pDC);
	EXPECT_TRUE(m_wnd.m_log.empty());
	EXPECT_EQ(GREEN, Pixel(32, 22));
	EXPECT_EQ(YELLOW, Pixel(2, 2));
	EXPECT_EQ(RED, Pixel(3, 3));
}

TEST(HiddenWindowPaintTest, HiddenWindowPaintsOnlyOnceShown)
{
	CPaintRecorder wnd;
	ASSERT_TRUE(wnd.CreatePopup(CRect(0, 0, 20, 20), WS_POPUP));
	wnd.Invalidate();
	wnd.UpdateWindow();
	EXPECT_TRUE(wnd.m_log.empty());
	wnd.ShowWindow(SW_SHOW);
	wnd.UpdateWindow();
	EXPECT_EQ((MessageLog { "erase", "paint" }), wnd.m_log);
	EXPECT_EQ(BLUE, GetSurfacePixel(&wnd, 15, 15));
}

TEST(ClassBackgroundTest, DefaultErasingFillsWithTheClassBackground)
{
	CBrush brush(RGB(10, 20, 30));
	struct Case
	{
		HBRUSH hbrBackground;
		COLORREF cr;
	};
	const Case cases[] = {
		{ reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_BTNFACE + 1)), RGB(192, 192, 192) },
		{ reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_HIGHLIGHT + 1)), RGB(0, 0, 128) },
		{ static_cast<HBRUSH>(brush), RGB(10, 20, 30) },
	};
	for (const Case& c : cases)
	{
		CTestWindow wnd;
		ASSERT_TRUE(wnd.CreatePopup(CRect(0, 0, 12, 12), WS_POPUP | WS_VISIBLE, 0,
			AfxRegisterWndClass(0, nullptr, c.hbrBackground)));
		wnd.UpdateWindow();
		EXPECT_EQ(c.cr, GetSurfacePixel(&wnd, 0, 0));
		EXPECT_EQ(c.cr, GetSurfacePixel(&wnd, 11, 11));
	}
}

TEST(ClassBackgroundTest, ChildSurfaceIsItsClientAreaInsideTheBorder)
{
	CTestWindow parent;
	ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 50, 50), WS_POPUP | WS_VISIBLE, 0,
		AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_BTNFACE + 1)))));
	CPaintRecorder child;
	ASSERT_TRUE(child.CreateChild(&parent, CRect(5, 5, 25, 25), 1, WS_CHILD | WS_VISIBLE | WS_BORDER, WS_EX_CLIENTEDGE));
	child.UpdateWindow();
	EXPECT_EQ(CSize(14, 14), GetSurfaceSize(&child));
	EXPECT_EQ(RED, GetSurfacePixel(&child, 0, 0));
	EXPECT_EQ(BLUE, GetSurfacePixel(&child, 13, 13));
}

}
