// STATIC controls: pictures set with STM_SETIMAGE and the control sized to them, text painted
// with the parent's colours, and a hollow background that shows the parent's painting.
#include "framework/core/GdiConstants.h"
#include "framework/ui/controls/Static.h"
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/system/SystemServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{

constexpr UINT IDC_PICTURE = 1001;
constexpr UINT IDC_CLEAR = 1002;
constexpr UINT IDC_PLAIN = 1003;
constexpr COLORREF BACKGROUND = RGB(200, 0, 0);

// A bitmap of one colour, 32 bits per pixel.
void MakeBitmap(CBitmap& bitmap, int nWidth, int nHeight, COLORREF crColor)
{
	const DWORD dwPixel = static_cast<DWORD>(GetBValue(crColor)) | (static_cast<DWORD>(GetGValue(crColor)) << 8)
		| (static_cast<DWORD>(GetRValue(crColor)) << 16);
	std::vector<DWORD> pixels(static_cast<size_t>(nWidth * nHeight), dwPixel);
	ASSERT_TRUE(bitmap.CreateBitmap(nWidth, nHeight, 1, 32, pixels.data()));
}

const DialogItemTemplate s_items[] = {
	{ "STATIC", "", IDC_PICTURE, WS_VISIBLE | SS_BITMAP | SS_REALSIZEIMAGE | SS_SUNKEN, 0, 0, 0, 20, 20 },
	{ "STATIC", "", IDC_CLEAR, WS_VISIBLE | SS_LEFT, 0, 40, 40, 60, 20 },
	{ "STATIC", "", IDC_PLAIN, WS_VISIBLE | SS_LEFT, 0, 40, 70, 60, 20 },
};

const DialogTemplate s_template = { 800, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 0, 192, 118, nullptr,
	"MS Sans Serif", 8, s_items, sizeof(s_items) / sizeof(s_items[0]), 0 };

// Paints its own background and hands a hollow brush to one static, as a dialog with a picture
// behind its controls does.
class CBackgroundDialog : public CDialog
{
public:
	CBackgroundDialog()
	{
		m_brHollow.CreateStockObject(HOLLOW_BRUSH);
	}

	CBrush m_brHollow;

protected:
	afx_msg BOOL OnEraseBkgnd(CDC* pDC)
	{
		CRect rcClient;
		GetClientRect(&rcClient);
		CBrush brush(BACKGROUND);
		pDC->FillRect(&rcClient, &brush);
		return TRUE;
	}

	afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
	{
		if (nCtlColor == CTLCOLOR_STATIC && pWnd->GetDlgCtrlID() == static_cast<int>(IDC_CLEAR))
		{
			pDC->SetBkMode(TRANSPARENT);
			return static_cast<HBRUSH>(m_brHollow);
		}
		return reinterpret_cast<HBRUSH>(Default());
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBackgroundDialog, CDialog)
	ON_WM_ERASEBKGND()
	ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(StaticTest, SetImageReturnsThePreviousBitmapAndRealSizeFitsTheControl)
{
	CBackgroundDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&s_template));
	CStatic picture;
	ASSERT_TRUE(picture.SubclassDlgItem(IDC_PICTURE, &dlg));
	CBitmap first;
	CBitmap second;
	MakeBitmap(first, 40, 30, RGB(0, 0, 255));
	MakeBitmap(second, 120, 90, RGB(0, 128, 0));

	EXPECT_EQ(nullptr, picture.SetBitmap(first));
	EXPECT_EQ(static_cast<HBITMAP>(first), picture.SetBitmap(second));
	EXPECT_EQ(static_cast<HBITMAP>(second), picture.GetBitmap());

	// The picture plus the one-pixel sunken edge on every side; the corner stays put.
	CRect rcWindow;
	picture.GetWindowRect(&rcWindow);
	dlg.ScreenToClient(&rcWindow);
	EXPECT_EQ(CRect(0, 0, 122, 92), rcWindow);
	picture.UpdateWindow();
	EXPECT_EQ(RGB(0, 128, 0), GetSurfacePixel(&picture, 1, 1));
	EXPECT_EQ(RGB(0, 128, 0), GetSurfacePixel(&picture, 120, 90));
	EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), GetSurfacePixel(&picture, 0, 0));
	EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), GetSurfacePixel(&picture, 121, 91));
}

TEST(StaticTest, HollowBrushShowsTheParentBackgroundThroughTheControl)
{
	CBackgroundDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&s_template));
	dlg.UpdateWindow();
	CWnd* pClear = dlg.GetDlgItem(IDC_CLEAR);
	CWnd* pPlain = dlg.GetDlgItem(IDC_PLAIN);
	pClear->UpdateWindow();
	pPlain->UpdateWindow();
	EXPECT_EQ(BACKGROUND, GetSurfacePixel(&dlg, 2, 2));
	EXPECT_EQ(BACKGROUND, GetSurfacePixel(pClear, 3, 3));
	EXPECT_EQ(BACKGROUND, GetSurfacePixel(pClear, 80, 25));
	// Without the parent's brush a static has the button face.
	EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetSurfacePixel(pPlain, 3, 3));
}

// The darkest red, green or blue value on the control's surface: text drawn in black reaches 0,
// grey text stays near 128 whatever the font smoothing does at the edges.
int DarkestValue(CWnd* pWnd)
{
	const CSize size = GetSurfaceSize(pWnd);
	int nDarkest = 255;
	for (int y = 0; y < size.cy; ++y)
	{
		for (int x = 0; x < size.cx; ++x)
		{
			const COLORREF cr = GetSurfacePixel(pWnd, x, y);
			nDarkest = std::min({ nDarkest, static_cast<int>(GetRValue(cr)), static_cast<int>(GetGValue(cr)),
				static_cast<int>(GetBValue(cr)) });
		}
	}
	return nDarkest;
}

TEST(StaticTest, TextIsBlackWhenEnabledAndGreyWhenDisabled)
{
	CBackgroundDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&s_template));
	CWnd* pPlain = dlg.GetDlgItem(IDC_PLAIN);
	pPlain->UpdateWindow();
	EXPECT_EQ(GetRValue(GetSysColor(COLOR_BTNFACE)), DarkestValue(pPlain));
	pPlain->SetWindowText("KF = 15000");
	pPlain->UpdateWindow();
	EXPECT_LT(DarkestValue(pPlain), 40);
	pPlain->EnableWindow(FALSE);
	pPlain->UpdateWindow();
	EXPECT_GE(DarkestValue(pPlain), 110);
	EXPECT_LE(DarkestValue(pPlain), 140);
}

}
