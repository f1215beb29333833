// The grid's context menu (which cell and section it opens for, the veto, the commands handed
// on) and its cell tooltips (the cell under the mouse, the default text, the length a tip holds).
#include "framework/ui/window/ToolTip.h"
#include "framework/ui/window/MessagePump.h"
#include "framework/ui/window/ToolInfo.h"
#include "framework/ui/testing/UserDriving.h"
#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridScrollBars.h"
#include "grid/window/GridWindow.h"
#include "tests/support/EventPump.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

constexpr UINT ID_COPY_CELL = 1001;
constexpr UINT ID_APPLICATION_COMMAND = 999;

class MenuGrid : public GridWindow
{
public:
	int AllowMenu(int nCol, long nRow, int nSection) override
	{
		m_log.push_back("allow " + Place(nCol, nRow, nSection));
		return m_nAllowMenu;
	}
	void NotifyMenuCommand(int nCol, long nRow, int nSection, UINT nItem) override
	{
		m_log.push_back("command " + std::to_string(nItem) + " " + Place(nCol, nRow, nSection));
	}
	int ProvideTooltipText(int nCol, long nRow, int nSection, CString* pText) override
	{
		if (m_strTip.empty())
			return GridWindow::ProvideTooltipText(nCol, nRow, nSection, pText);
		*pText = m_strTip.c_str();
		return 1;
	}

	Log m_log;
	int m_nAllowMenu = 1;
	std::string m_strTip;

private:
	static std::string Place(int nCol, long nRow, int nSection)
	{
		return std::to_string(nCol) + "," + std::to_string(nRow) + " in " + std::to_string(nSection);
	}
};

// Delivers what the popup posted.
void DeliverPosted()
{
	MSG msg;
	while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
		::DispatchMessage(&msg);
}

std::string TipText()
{
	return static_cast<LPCTSTR>(AfxGetToolTipText());
}

class GridMenuTipsTest : public ::testing::Test
{
protected:
	GridMenuTipsTest()
	{
		m_frame.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 400), nullptr, 0);
		m_grid.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_frame, 100);
		m_grid.SetColumnCount(4, TRUE);
		m_grid.SetRowCount(30, TRUE);
		m_grid.GetPopupMenu()->AppendMenu(MF_STRING, ID_COPY_CELL, "&Copia cella");
		// The user closes the menu without a choice unless a test chooses.
		m_seam.Otherwise(ModalKind::PopupMenu, 0);
	}
	~GridMenuTipsTest() override
	{
		CWnd::CancelToolTips();
		m_grid.DestroyWindow();
		m_frame.DestroyWindow();
	}

	CWnd m_frame;
	MenuGrid m_grid;
	CScriptedUser m_seam;
};
}

TEST_F(GridMenuTipsTest, MenuOpensOnlyWhenSwitchedOnAndAllowedAndHandsOnItsOwnCommands)
{
	EXPECT_EQ(1, m_grid.OpenContextMenu(1, 2, GRID_SECTION_CELLS, CPoint(50, 50)));
	EXPECT_TRUE(m_seam.m_shown.empty());

	m_grid.GetSheet()->m_bContextMenu = TRUE;
	m_grid.m_nAllowMenu = 0;
	EXPECT_EQ(2, m_grid.OpenContextMenu(1, 2, GRID_SECTION_CELLS, CPoint(50, 50)));
	EXPECT_TRUE(m_seam.m_shown.empty());

	m_grid.m_nAllowMenu = 1;
	m_seam.Then(ModalKind::PopupMenu, ID_COPY_CELL);
	EXPECT_EQ(0, m_grid.OpenContextMenu(1, 2, GRID_SECTION_CELLS, CPoint(50, 50)));
	ASSERT_EQ(1u, m_seam.m_shown.size());
	EXPECT_NE(0u, m_seam.m_shown[0].nType & TPM_RIGHTBUTTON);
	DeliverPosted();
	// A command below the grid's range belongs to the application.
	m_grid.SendMessage(WM_COMMAND, ID_APPLICATION_COMMAND, 0);
	EXPECT_EQ((Log{"allow 1,2 in 1", "allow 1,2 in 1", "command 1001 1,2 in 1"}), m_grid.m_log);
}

TEST_F(GridMenuTipsTest, MenuForAJoinedCellIsForItsOrigin)
{
	m_grid.GetSheet()->m_bContextMenu = TRUE;
	GridCell origin;
	origin.SetJoin(TRUE, 1, 2);
	m_grid.SetCell(1, 3, &origin);
	for (long nRow = 3; nRow <= 5; ++nRow)
		for (int nCol = 1; nCol <= 2; ++nCol)
			if (nCol != 1 || nRow != 3)
			{
				GridCell member;
				member.SetJoin(FALSE, 1 - nCol, 3 - nRow);
				m_grid.SetCell(nCol, nRow, &member);
			}
	m_grid.OpenContextMenu(2, 5, GRID_SECTION_CELLS, CPoint(0, 0));
	EXPECT_EQ((Log{"allow 1,3 in 1"}), m_grid.m_log);
}

TEST_F(GridMenuTipsTest, RightPressesOpenTheMenuForTheirSection)
{
	m_grid.GetSheet()->m_bContextMenu = TRUE;
	m_grid.GotoCell(2, 4);
	m_grid.m_log.clear();
	const auto rightClick = [](CWnd* pWnd, CPoint point) {
		ASSERT_TRUE(AfxSendMouseInput(pWnd, WM_RBUTTONDOWN, point, MK_RBUTTON));
		ASSERT_TRUE(AfxSendMouseInput(pWnd, WM_RBUTTONUP, point, 0));
	};
	rightClick(m_grid.GetCellView(), CPoint(1 * 75 + 37, 5 * 20 + 10));
	rightClick(m_grid.GetTopHeading(), CPoint(2 * 75 + 37, 10));
	rightClick(m_grid.GetSideHeading(), CPoint(20, 3 * 20 + 10));
	rightClick(m_grid.GetCornerButton(), CPoint(5, 5));
	// The scroll bars' menu is for the current cell, which the right press in the cells moved.
	rightClick(m_grid.GetVScrollBar(), CPoint(5, 40));
	rightClick(m_grid.GetHScrollBar(), CPoint(40, 5));
	EXPECT_EQ((Log{"allow 1,5 in 1", "allow 2,-1 in 2", "allow -1,3 in 3", "allow -1,-1 in 4", "allow 1,5 in 6", "allow 1,5 in 5"}),
		m_grid.m_log);
}

TEST_F(GridMenuTipsTest, TipNamesTheCellUnderTheMouseAndGoesWhenTheMouseMovesToAnother)
{
	CellView* pView = m_grid.GetCellView();
	// Switched off, the cells show no tip.
	TOOLINFO ti = {};
	EXPECT_EQ(-1, pView->OnToolHitTest(CPoint(100, 50), &ti));

	m_grid.GetSheet()->m_bCellTooltips = TRUE;
	ASSERT_TRUE(AfxSendMouseInput(pView, WM_MOUSEMOVE, CPoint(100, 50)));
	EXPECT_TRUE(PumpUntil([] { return TipText() == "Col:1 Row:2"; }));
	ASSERT_TRUE(AfxSendMouseInput(pView, WM_MOUSEMOVE, CPoint(110, 55)));
	EXPECT_EQ("Col:1 Row:2", TipText()) << "moving within the cell keeps the tip";
	ASSERT_TRUE(AfxSendMouseInput(pView, WM_MOUSEMOVE, CPoint(180, 50)));
	EXPECT_EQ("", TipText()) << "another cell takes the tip away until the mouse rests";
	EXPECT_TRUE(PumpUntil([] { return TipText() == "Col:2 Row:2"; }));
}

TEST_F(GridMenuTipsTest, TipHoldsSeventyNineCharactersWithoutSplittingOne)
{
	m_grid.GetSheet()->m_bCellTooltips = TRUE;
	CellView* pView = m_grid.GetCellView();
	TOOLINFO ti = {};
	ASSERT_NE(-1, pView->OnToolHitTest(CPoint(10, 10), &ti));
	EXPECT_EQ(CRect(0, 0, 75, 20), CRect(ti.rect));

	m_grid.m_strTip = std::string(100, 'x');
	EXPECT_EQ(std::string(79, 'x'), static_cast<LPCTSTR>(AfxRequestToolTipText(pView, pView, 0)));
	// 78 letters and an "è" (two bytes) would end half way through the accent.
	m_grid.m_strTip = std::string(78, 'x') + "\xC3\xA8" + "yy";
	EXPECT_EQ(std::string(78, 'x'), static_cast<LPCTSTR>(AfxRequestToolTipText(pView, pView, 0)));
}
