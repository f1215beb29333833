// What the desktop is told about the program's windows: the main window is a normal, resizable
// window with both boxes and the program's icon; its dialogs are modal, kept above the window
// they were opened from, and neither resizable nor minimisable.
#include "app/ModApp.h"
#include "app/resources/AppResourceIds.h"
#include "framework/ui/testing/DesktopAccess.h"
#include "tests/app/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
	// Reads the dialog's frame while it is open, then cancels it.
	std::function<void(CDialog&)> ReadFrame(DesktopWindowState& seen)
	{
		return [&seen](CDialog& dlg)
		{
			seen = AfxReadDesktopWindow(&dlg);
			dlg.EndDialog(IDCANCEL);
		};
	}
}

TEST_F(MainWindowTest, TheMainWindowIsANormalResizableWindowWithBothBoxesAndBothIconSizes)
{
	const DesktopWindowState state = AfxReadDesktopWindow(&m_dlg);
	ASSERT_TRUE(state.bExists);
	EXPECT_EQ(DesktopWindowKind::Normal, state.frame.kind);
	EXPECT_FALSE(state.frame.bTransient);
	EXPECT_EQ(nullptr, state.pKeptAbove);
	EXPECT_TRUE(state.frame.bResizable);
	EXPECT_TRUE(state.frame.bMinimizeBox);
	EXPECT_TRUE(state.frame.bMaximizeBox);
	EXPECT_TRUE(state.frame.bCloseBox);
	EXPECT_FALSE(state.bModal);
	EXPECT_EQ((std::vector<CSize> { CSize(16, 16), CSize(32, 32) }), state.iconSizes);
}

TEST_F(MainWindowTest, TheParametersDialogAndTheAboutBoxAreModalFixedWindowsAboveTheMainWindow)
{
	// The about box has no parent: the application's main window owns it, as in the program.
	CModApp app;
	app.m_pMainWnd = &m_dlg;
	DesktopWindowState params = {};
	DesktopWindowState about = {};
	m_user.ThenInDialog(ReadFrame(params));
	Command(ID_MOD_FREQUENZA);
	m_user.ThenInDialog(ReadFrame(about));
	Command(ID_APP_ABOUT);
	app.m_pMainWnd = nullptr;

	ASSERT_TRUE(params.bExists);
	EXPECT_EQ(DesktopWindowKind::Tool, params.frame.kind);
	ASSERT_TRUE(about.bExists);
	EXPECT_EQ(DesktopWindowKind::Dialog, about.frame.kind);
	for (const DesktopWindowState* pState : { &params, &about })
	{
		const DesktopWindowState& state = *pState;
		EXPECT_TRUE(state.bModal);
		EXPECT_EQ(&m_dlg, state.pKeptAbove);
		EXPECT_FALSE(state.frame.bResizable);
		EXPECT_FALSE(state.frame.bMinimizeBox);
		EXPECT_FALSE(state.frame.bMaximizeBox);
		EXPECT_TRUE(state.frame.bCloseBox);
	}
}
