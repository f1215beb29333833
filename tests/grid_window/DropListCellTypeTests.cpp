// The drop-list type in a live grid: the list of the label's items, its height and place in the
// cell view, and the chosen item written to the cell unless the grid vetoes it.
#include "tests/grid_window/CellTypeTestSupport.h"

#include "grid/celltypes/DropListBox.h"
#include "grid/window/CellView.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT WM_DRAIN_DONE = WM_USER + 1;

// Ends a modal loop once the messages posted before it have been handled.
class QueueDrain : public CWnd
{
protected:
	afx_msg LRESULT OnDone(WPARAM, LPARAM)
	{
		EndModalLoop(0);
		return 0;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(QueueDrain, CWnd)
	ON_MESSAGE(WM_DRAIN_DONE, OnDone)
END_MESSAGE_MAP()

void HandlePostedMessages()
{
	QueueDrain drain;
	drain.CreateEx(0, nullptr, "drain", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0);
	drain.PostMessage(WM_DRAIN_DONE);
	drain.RunModalLoop(MLF_NOIDLEMSG);
	drain.DestroyWindow();
}

// Columns of 75 and rows of 20: cell (1, 1) is (75, 20, 150, 40) in the cell view, its button
// the last 16 pixels inside the grid line.
const CRect kCell(75, 20, 150, 40);
const CPoint kOnButton(140, 30);
constexpr int kItemHeight = 11;

class DropListCellTypeTest : public ::testing::Test
{
protected:
	DropListCellTypeTest()
	{
		m_frame.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0);
		m_grid.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &m_frame, 100);
		CreateTestFont(m_font, -kItemHeight);
		m_grid.SetDefaultFont(&m_font);
		m_grid.SetColumnCount(3, FALSE);
		m_grid.SetRowCount(5, FALSE);
		m_grid.GotoCell(1, 1);
	}

	~DropListCellTypeTest() override
	{
		m_grid.DestroyWindow();
		m_frame.DestroyWindow();
	}

	void Store(LPCSTR lpszLabel, LPCSTR lpszText = "")
	{
		GridCell cell;
		cell.SetCellType(GRID_TYPE_DROPLIST);
		cell.SetLabel(lpszLabel);
		cell.SetText(lpszText);
		m_grid.SetCell(1, 1, &cell);
	}

	CString Stored()
	{
		GridCell cell;
		m_grid.GetCell(1, 1, &cell);
		return cell.GetText();
	}

	DropListCellType* Type()
	{
		return static_cast<DropListCellType*>(m_grid.GetCellType(GRID_TYPE_DROPLIST));
	}

	DropListBox* List()
	{
		return Type()->GetListBox();
	}

	BOOL PressButton(const CRect& rcCell = kCell, CPoint point = kOnButton)
	{
		CRect rc(rcCell);
		const BOOL bHandled = Type()->OnLButton(1, 1, TRUE, &rc, &point);
		Type()->OnLButton(1, 1, FALSE, &rc, &point);
		return bHandled;
	}

	// The list's window rectangle in cell-view coordinates.
	CRect ListRect()
	{
		CRect rc;
		List()->GetWindowRect(&rc);
		m_grid.GetCellView()->ScreenToClient(&rc);
		return rc;
	}

	int ShowingEvents() const
	{
		int nCount = 0;
		for (const RecordedTypeEvent& event : m_grid.m_events)
			nCount += event.m_nEvent == GRID_EVENT_LIST_SHOWING ? 1 : 0;
		return nCount;
	}

	CWnd m_frame;
	RecordingGrid m_grid;
	CFont m_font;
};

TEST_F(DropListCellTypeTest, TheItemsAreTheLabelsLinesThatEndInANewline)
{
	Store("a\nb\nc");
	ASSERT_TRUE(PressButton());
	ASSERT_NE(nullptr, List()->GetSafeHwnd());
	EXPECT_EQ(2, List()->GetCount());
	List()->CloseList();

	Store("a\nb\nc\n");
	ASSERT_TRUE(PressButton());
	EXPECT_EQ(3, List()->GetCount());
	const std::vector<RecordedTypeEvent> expected = { { GRID_TYPE_DROPLIST, 1, 1, GRID_EVENT_LIST_SHOWING, "a|b" },
		{ GRID_TYPE_DROPLIST, 1, 1, GRID_EVENT_LIST_SHOWING, "a|b|c" } };
	EXPECT_EQ(expected, m_grid.m_events);
	EXPECT_EQ(List(), CWnd::GetFocus());
}

TEST_F(DropListCellTypeTest, TheListHasALineMoreThanItsItemsUpToSixteenAndOpensBelowTheCell)
{
	Store("a\nb\nc\n");
	PressButton();
	EXPECT_EQ(CRect(85, 40, 160, 40 + 4 * kItemHeight + 2), ListRect());
	List()->CloseList();

	CString strTwenty;
	for (int i = 0; i < 20; ++i)
		strTwenty += "item\n";
	Store(strTwenty);
	PressButton();
	EXPECT_EQ(CRect(85, 40, 160, 40 + 16 * kItemHeight + 2), ListRect());
}

TEST_F(DropListCellTypeTest, AListThatWouldLeaveTheCellViewIsMovedBackInside)
{
	CRect rcView;
	m_grid.GetCellView()->GetClientRect(&rcView);
	Store("a\nb\nc\n");
	const int nHeight = 4 * kItemHeight + 2;
	const CRect rcLow(75, rcView.bottom - 20, 150, rcView.bottom);
	PressButton(rcLow, CPoint(140, rcView.bottom - 10));
	EXPECT_EQ(CRect(85, rcView.bottom - nHeight, 160, rcView.bottom), ListRect());
	List()->CloseList();

	const CRect rcRight(rcView.right - 60, 20, rcView.right + 15, 40);
	PressButton(rcRight, CPoint(rcView.right + 5, 30));
	EXPECT_EQ(CRect(rcView.right - 75, 40, rcView.right, 40 + nHeight), ListRect());
}

TEST_F(DropListCellTypeTest, EnterOnAnItemWritesItToTheCellUnlessTheGridVetoes)
{
	Store("alfa\nbeta\n", "alfa");
	PressButton();
	EXPECT_EQ(0, List()->GetCurSel());
	List()->SetCurSel(1);
	List()->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
	EXPECT_EQ(nullptr, List()->GetSafeHwnd());
	EXPECT_EQ(CString("beta"), Stored());
	EXPECT_EQ(m_grid.GetCellView(), CWnd::GetFocus());
	const RecordedTypeEvent chosen = { GRID_TYPE_DROPLIST, 1, 1, GRID_EVENT_LIST_CHOSEN, "beta" };
	EXPECT_EQ(chosen, m_grid.m_events.back());

	m_grid.m_nAnswer = 0;
	PressButton();
	List()->SetCurSel(0);
	List()->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
	EXPECT_EQ(CString("beta"), Stored());
	const RecordedTypeEvent vetoed = { GRID_TYPE_DROPLIST, 1, 1, GRID_EVENT_LIST_CHOSEN, "alfa" };
	EXPECT_EQ(vetoed, m_grid.m_events.back());
}

TEST_F(DropListCellTypeTest, AReleaseOnAnItemChoosesThatItemAndOneBelowTheItemsNone)
{
	Store("alfa\nbeta\ngamma\n", "beta");
	PressButton();
	const int nItemHeight = List()->GetItemHeight(0);
	List()->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 3 * nItemHeight + 2));
	ASSERT_NE(nullptr, List()->GetSafeHwnd());
	List()->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 2 * nItemHeight + nItemHeight / 2));
	EXPECT_EQ(nullptr, List()->GetSafeHwnd());
	EXPECT_EQ(CString("gamma"), Stored());
}

TEST_F(DropListCellTypeTest, EscapeAndEnterWithoutASelectionCloseTheListWithoutAChoice)
{
	Store("alfa\nbeta\n");
	for (UINT nKey : { VK_ESCAPE, VK_RETURN })
	{
		PressButton();
		ASSERT_NE(nullptr, List()->GetSafeHwnd());
		List()->SendMessage(WM_KEYDOWN, nKey, 0);
		EXPECT_EQ(nullptr, List()->GetSafeHwnd()) << nKey;
	}
	EXPECT_EQ(CString(""), Stored());
	EXPECT_EQ(2, ShowingEvents());
	EXPECT_EQ(2u, m_grid.m_events.size());
}

TEST_F(DropListCellTypeTest, ThePressThatTakesTheFocusFromTheListDoesNotOpenItAgain)
{
	Store("alfa\nbeta\n");
	PressButton();
	m_grid.GetCellView()->SetFocus();
	EXPECT_FALSE(List()->IsWindowVisible());
	HandlePostedMessages();
	EXPECT_EQ(nullptr, List()->GetSafeHwnd());

	EXPECT_TRUE(PressButton());
	EXPECT_EQ(nullptr, List()->GetSafeHwnd());
	EXPECT_EQ(1, ShowingEvents());
	PressButton();
	EXPECT_NE(nullptr, List()->GetSafeHwnd());
	EXPECT_EQ(2, ShowingEvents());
}

TEST_F(DropListCellTypeTest, EnterOnTheCurrentCellOpensTheListAndIsConsumed)
{
	Store("alfa\nbeta\n");
	m_grid.GetCellView()->UpdateWindow();
	UINT nKey = VK_RETURN;
	EXPECT_TRUE(Type()->OnKeyDown(1, 1, &nKey));
	EXPECT_EQ(0u, nKey);
	ASSERT_NE(nullptr, List()->GetSafeHwnd());
	EXPECT_EQ(CRect(85, 40, 160, 40 + 3 * kItemHeight + 2), ListRect());
	nKey = VK_DOWN;
	EXPECT_FALSE(Type()->OnKeyDown(1, 1, &nKey));
}

TEST_F(DropListCellTypeTest, TheEditorLeavesTheButtonFree)
{
	CRect rc(kCell);
	EXPECT_TRUE(Type()->GetEditArea(&rc));
	EXPECT_EQ(CRect(75, 20, 150 - 17, 40), rc);
}

}
