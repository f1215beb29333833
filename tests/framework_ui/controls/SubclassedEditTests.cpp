// An EDIT control taken over by a CEdit subclass that maps WM_PAINT paints its own surface
// instead of showing the native line edit: the scope's case.
#include "framework/core/GdiConstants.h"
#include "framework/ui/controls/Edit.h"
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/window/PaintDC.h"
#include "framework/ui/testing/SurfaceAccess.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT IDC_SCOPE = 1000;
constexpr COLORREF TRACE = RGB(0, 255, 0);

const DialogItemTemplate s_items[] = {
	{ "EDIT", "", IDC_SCOPE, WS_VISIBLE | WS_BORDER | WS_DISABLED | ES_AUTOHSCROLL, 0, 4, 4, 120, 40 },
};

const DialogTemplate s_template = { 900, WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT, 0, 0, 0, 130, 50, "Scope",
	"MS Sans Serif", 8, s_items, 1, 0 };

// Black background and one horizontal trace across the middle, painted entirely by the object.
class CPlotEdit : public CEdit
{
public:
	int m_nPaints = 0;

protected:
	afx_msg BOOL OnEraseBkgnd(CDC*)
	{
		return TRUE;
	}

	afx_msg void OnPaint()
	{
		CPaintDC dc(this);
		CRect rcClient;
		GetClientRect(&rcClient);
		CBrush black(RGB(0, 0, 0));
		dc.FillRect(&rcClient, &black);
		CPen pen(PS_SOLID, 1, TRACE);
		CPen* pOld = dc.SelectObject(&pen);
		dc.MoveTo(0, rcClient.Height() / 2);
		dc.LineTo(rcClient.Width(), rcClient.Height() / 2);
		dc.SelectObject(pOld);
		++m_nPaints;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPlotEdit, CEdit)
	ON_WM_ERASEBKGND()
	ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(SubclassedEditTest, MappedPaintReplacesTheNativeEditOnTheSurface)
{
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(&s_template));
	CWnd* pControl = dlg.GetDlgItem(IDC_SCOPE);
	pControl->Invalidate();
	pControl->UpdateWindow();
	// The native edit paints itself: nothing reaches the surface.
	EXPECT_NE(RGB(0, 0, 0), GetSurfacePixel(pControl, 5, 5));

	CPlotEdit scope;
	ASSERT_TRUE(scope.SubclassDlgItem(IDC_SCOPE, &dlg));
	CRect rcWindow;
	CRect rcClient;
	scope.GetWindowRect(&rcWindow);
	scope.GetClientRect(&rcClient);
	// The border stays outside the client area the scope paints.
	EXPECT_EQ(CSize(rcWindow.Width() - 2, rcWindow.Height() - 2), rcClient.Size());

	scope.Invalidate();
	scope.UpdateWindow();
	EXPECT_EQ(1, scope.m_nPaints);
	const int nMiddle = rcClient.Height() / 2;
	EXPECT_EQ(RGB(0, 0, 0), GetSurfacePixel(&scope, 5, 5));
	EXPECT_EQ(RGB(0, 0, 0), GetSurfacePixel(&scope, rcClient.Width() - 1, rcClient.Height() - 1));
	EXPECT_EQ(TRACE, GetSurfacePixel(&scope, 5, nMiddle));
	EXPECT_EQ(TRACE, GetSurfacePixel(&scope, rcClient.Width() - 2, nMiddle));
	// Disabled as in the dialog template, it still paints: the disabled look is the native edit's.
	EXPECT_FALSE(scope.IsWindowEnabled());
}

}
