// New desktop colours: every top-level window hears WM_SYSCOLORCHANGE and passes it to the windows
// inside it, which read the new colours; system colour brushes and class backgrounds follow.
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/gdi/Brush.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

constexpr COLORREF CLASSIC_FACE = RGB(192, 192, 192);
constexpr COLORREF NEW_FACE = RGB(10, 120, 200);

const DialogItemTemplate s_items[] = {
	{ "EDIT", "", 1000, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 7, 7, 60, 14 },
};

const DialogTemplate s_dialog = { 612, WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 130, 50, "Colori", "MS Sans Serif", 8,
	s_items, sizeof(s_items) / sizeof(s_items[0]), 0 };

class CColourListener : public CMessageRecorder
{
public:
	using CMessageRecorder::CMessageRecorder;

protected:
	afx_msg void OnSysColorChange()
	{
		const COLORREF cr = GetSysColor(COLOR_BTNFACE);
		Note("face " + std::to_string(GetRValue(cr)) + "," + std::to_string(GetGValue(cr)) + ","
			+ std::to_string(GetBValue(cr)));
		CMessageRecorder::OnSysColorChange();
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourListener, CMessageRecorder)
	ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

class SysColorChangeTest : public ::testing::Test
{
protected:
	~SysColorChangeTest() override
	{
		AfxSetDesktopSysColor(COLOR_BTNFACE, CLASSIC_FACE);
	}
};

TEST_F(SysColorChangeTest, AWindowInsideADialogHearsOfTheNewColourAndReadsIt)
{
	MessageLog log;
	CDialog dialog;
	ASSERT_TRUE(dialog.CreateIndirect(&s_dialog, nullptr));
	CColourListener child(log, "child");
	ASSERT_TRUE(child.CreateChild(&dialog, CRect(5, 30, 60, 60), 1001));
	CColourListener grandchild(log, "grandchild");
	ASSERT_TRUE(grandchild.CreateChild(&child, CRect(2, 2, 20, 20), 1002));
	CColourListener popup(log, "popup");
	ASSERT_TRUE(popup.CreatePopup(CRect(300, 20, 360, 80)));

	AfxSetDesktopSysColor(COLOR_BTNFACE, NEW_FACE);

	EXPECT_EQ(NEW_FACE, GetSysColor(COLOR_BTNFACE));
	const MessageLog expected = { "child face 10,120,200", "grandchild face 10,120,200", "popup face 10,120,200" };
	EXPECT_EQ(expected, log);
	dialog.DestroyWindow();
}

TEST_F(SysColorChangeTest, AClassBackgroundOfASystemColourIsErasedInTheNewColour)
{
	CTestWindow window;
	LPCTSTR lpszClass = AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_BTNFACE + 1)));
	ASSERT_TRUE(window.CreatePopup(CRect(20, 20, 80, 80), WS_POPUP | WS_VISIBLE, 0, lpszClass));
	window.UpdateWindow();
	EXPECT_EQ(CLASSIC_FACE, GetSurfacePixel(&window, 10, 10));
	HBRUSH hbrFace = GetSysColorBrush(COLOR_BTNFACE);

	AfxSetDesktopSysColor(COLOR_BTNFACE, NEW_FACE);
	window.UpdateWindow();

	EXPECT_EQ(NEW_FACE, GetSurfacePixel(&window, 10, 10));
	EXPECT_EQ(hbrFace, GetSysColorBrush(COLOR_BTNFACE));
}

}
