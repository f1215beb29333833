// In-place editing in a live grid, driven by the desktop's keyboard and mouse: what reaches the
// cell, what is refused, where the editor lies and how it grows, and the notifications asked.
#include "framework/ui/gdi/Font.h"
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/celltypes/CellType.h"
#include "grid/window/CellView.h"
#include "grid/window/GridHeadings.h"
#include "grid/window/GridWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// Columns are 75 wide and rows 20 high: the middle of cell (nCol, nRow).
CPoint Middle(int nCol, long nRow)
{
	return CPoint(nCol * 75 + 37, static_cast<int>(nRow) * 20 + 10);
}

// An editor that goes on editing after Tab or Enter, as an application may supply.
class ContinuingEdit : public InCellEdit
{
protected:
	BOOL ContinuesAfterKey(UINT) override { return TRUE; }
};

class EditRecordingGrid : public GridWindow
{
public:
	int AllowCurrentMove(int, long, int, long) override { return m_nAllowMove; }
	int AllowEditStart(int nCol, long nRow, CWnd** ppEditor) override
	{
		m_log.push_back("start " + std::to_string(nCol) + "," + std::to_string(nRow));
		if (m_pOwnEditor != nullptr)
			*ppEditor = m_pOwnEditor;
		return 1;
	}
	int AllowEditChar(int, long, CWnd*, UINT* pnKey) override
	{
		// Capitals only; a digit is refused.
		if (*pnKey >= 'a' && *pnKey <= 'z')
			*pnKey -= 'a' - 'A';
		return *pnKey >= '0' && *pnKey <= '9' ? 0 : 1;
	}
	int AllowEditEnd(int nCol, long nRow, CWnd*, LPCSTR lpszText, BOOL bCancelled) override
	{
		m_log.push_back("end " + std::to_string(nCol) + "," + std::to_string(nRow) + " \"" + lpszText + "\""
			+ (bCancelled ? " cancelled" : ""));
		return m_nAllowEnd;
	}
	int ChooseNextEditCell(int nOldCol, long nOldRow, int* pnCol, long* pnRow) override
	{
		m_log.push_back("next " + std::to_string(nOldCol) + "," + std::to_string(nOldRow) + " -> "
			+ std::to_string(*pnCol) + "," + std::to_string(*pnRow));
		return 1;
	}

	Log m_log;
	int m_nAllowMove = 1;
	int m_nAllowEnd = 1;
	CWnd* m_pOwnEditor = nullptr;
};
} // namespace

class GridEditTest : public ::testing::Test
{
protected:
	GridEditTest()
	{
		m_frame.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 400), nullptr, 0);
		m_grid.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_frame, 100);
		m_grid.SetColumnCount(3, TRUE);
		m_grid.SetRowCount(5, TRUE);
		m_grid.SetCellText(1, 1, "old");
		View()->SetFocus();
	}

	~GridEditTest() override
	{
		m_grid.DestroyWindow();
		m_frame.DestroyWindow();
	}

	CellView* View() { return m_grid.GetCellView(); }
	InCellEdit* Editor() { return m_grid.GetEditor(); }

	void Press(UINT nKey)
	{
		ASSERT_TRUE(AfxSendKeyInput(&m_frame, WM_KEYDOWN, nKey));
		ASSERT_TRUE(AfxSendKeyInput(&m_frame, WM_KEYUP, nKey));
	}

	void Type(const char* pszKeys)
	{
		for (const char* p = pszKeys; *p != '\0'; p++)
			Press(static_cast<UINT>(*p));
	}

	// A click in the grid's window while it is active: no mouse activation comes first to move
	// the focus, so the cell view is left to take it.
	void ClickInActiveWindow(CPoint point)
	{
		View()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
		View()->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
	}

	std::string Text(int nCol, long nRow)
	{
		GridCell cell;
		m_grid.GetCell(nCol, nRow, &cell);
		return std::string(cell.GetText());
	}

	std::string EditorText()
	{
		CString strText;
		Editor()->GetWindowText(strText);
		return std::string(strText);
	}

	// The editor's rectangle in the cell view.
	CRect EditorRect()
	{
		CRect rc;
		Editor()->GetWindowRect(&rc);
		View()->ScreenToClient(&rc);
		return rc;
	}

	CWnd m_frame;
	EditRecordingGrid m_grid;
};

TEST_F(GridEditTest, TypingOpensTheEditorWithTheCharacterInPlaceOfTheTextAndEnterStoresIt)
{
	m_grid.GotoCell(1, 1);
	Type("NEW");
	ASSERT_TRUE(m_grid.IsEditing());
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(Editor()));
	EXPECT_EQ("NEW", EditorText()) << "the first character replaced the selected text";
	EXPECT_EQ("old", Text(1, 1)) << "nothing is stored while the edit runs";

	Press(VK_RETURN);
	EXPECT_FALSE(m_grid.IsEditing());
	EXPECT_FALSE(Editor()->IsWindowVisible());
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(View()));
	EXPECT_EQ("NEW", Text(1, 1));
	EXPECT_EQ((Log{"start 1,1", "end 1,1 \"NEW\""}), m_grid.m_log);
	EXPECT_EQ(1, m_grid.GetCurrentColumn()) << "Enter does not move the current cell";
	EXPECT_EQ(1, m_grid.GetCurrentRow());
}

TEST_F(GridEditTest, CharactersPassThroughAllowEditCharWhichMayChangeOrRefuseThem)
{
	ASSERT_EQ(0, m_grid.StartEdit(1, 1, 'a'));
	Type("B7C");
	EXPECT_EQ("ABC", EditorText()) << "letters made capitals, the digit refused";
}

TEST_F(GridEditTest, EscLeavesTheCellAsItWas)
{
	ASSERT_EQ(0, m_grid.StartEdit(1, 1, 'x'));
	Press(VK_ESCAPE);
	EXPECT_FALSE(m_grid.IsEditing());
	EXPECT_FALSE(Editor()->IsWindowVisible());
	EXPECT_EQ("old", Text(1, 1));
	EXPECT_EQ("end 1,1 \"X\" cancelled", m_grid.m_log.back());
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(View()));
}

TEST_F(GridEditTest, ClickingAnotherCellStoresTheEditAndMovesThere)
{
	for (BOOL bActive : {TRUE, FALSE})
	{
		m_grid.GotoCell(1, 1);
		ASSERT_EQ(0, m_grid.StartEdit(1, 1, bActive ? 'x' : 'y'));
		if (bActive)
			ClickInActiveWindow(Middle(2, 3));
		else
		{
			ASSERT_TRUE(AfxSendMouseInput(View(), WM_LBUTTONDOWN, Middle(2, 3), MK_LBUTTON));
			ASSERT_TRUE(AfxSendMouseInput(View(), WM_LBUTTONUP, Middle(2, 3), 0));
		}
		EXPECT_EQ(bActive ? "X" : "Y", Text(1, 1));
		EXPECT_FALSE(m_grid.IsEditing());
		EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(View()));
		EXPECT_EQ(2, m_grid.GetCurrentColumn());
		EXPECT_EQ(3, m_grid.GetCurrentRow());
	}
}

TEST_F(GridEditTest, TheEditorAlignsItsTextAsTheCellDoes)
{
	GridCell cell;
	m_grid.GetCell(2, 2, &cell);
	cell.SetAlignment(GCA_RIGHT);
	m_grid.SetCell(2, 2, &cell);
	ASSERT_EQ(0, m_grid.StartEdit(2, 2, 0));
	EXPECT_EQ(static_cast<DWORD>(ES_RIGHT), Editor()->GetStyle() & (ES_RIGHT | ES_CENTER));
	Press(VK_RETURN);
	ASSERT_EQ(0, m_grid.StartEdit(1, 1, 0));
	EXPECT_EQ(0u, Editor()->GetStyle() & (ES_RIGHT | ES_CENTER));
}

TEST_F(GridEditTest, PressingAHeadingKeepsWhatWasTyped)
{
	ASSERT_EQ(0, m_grid.StartEdit(1, 1, 'x'));
	CWnd* pHeading = m_grid.GetTopHeading();
	pHeading->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2 * 75 + 37, 10));
	pHeading->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2 * 75 + 37, 10));
	EXPECT_FALSE(m_grid.IsEditing());
	EXPECT_EQ("X", Text(1, 1));
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(View()));
}

TEST_F(GridEditTest, FocusGoingToAnotherTopLevelWindowDiscardsTheEdit)
{
	CWnd other;
	other.CreateEx(0, nullptr, "other", WS_POPUP | WS_VISIBLE, CRect(500, 0, 600, 100), nullptr, 0);
	ASSERT_EQ(0, m_grid.StartEdit(1, 1, 'x'));
	other.SetFocus();
	EXPECT_FALSE(m_grid.IsEditing());
	EXPECT_FALSE(Editor()->IsWindowVisible());
	EXPECT_EQ("old", Text(1, 1));
	EXPECT_EQ("end 1,1 \"X\" cancelled", m_grid.m_log.back());
	other.DestroyWindow();
}

TEST_F(GridEditTest, ReadOnlyAndNonEditableCellsRefuseAndAVetoedMoveReturnsTwo)
{
	GridCell cell;
	cell.SetText("fixed");
	cell.SetReadOnly(TRUE);
	m_grid.SetCell(0, 2, &cell);
	GridCell box;
	box.SetCellType(GRID_TYPE_CHECKBOX);
	m_grid.SetCell(2, 2, &box);

	EXPECT_EQ(1, m_grid.StartEdit(0, 2, 'x'));
	EXPECT_EQ(1, m_grid.StartEdit(2, 2, 0));
	EXPECT_EQ(1, m_grid.StartEdit(3, 0, 0)) << "past the last column";
	EXPECT_FALSE(m_grid.IsEditing());
	EXPECT_FALSE(Editor()->IsWindowVisible());
	EXPECT_EQ(Log{}, m_grid.m_log) << "refused before the notification is asked";

	m_grid.m_nAllowMove = 0;
	EXPECT_EQ(2, m_grid.StartEdit(1, 4, 0));
	EXPECT_FALSE(m_grid.IsEditing());
	EXPECT_EQ(2, m_grid.GetCurrentColumn());
	EXPECT_EQ(2, m_grid.GetCurrentRow()) << "the current cell stays where the refusals left it";
}

TEST_F(GridEditTest, AVetoingAllowEditEndKeepsTheEditorOpenOnItsCell)
{
	ASSERT_EQ(0, m_grid.StartEdit(1, 1, 'x'));
	m_grid.m_nAllowEnd = 0;
	Press(VK_RETURN);
	EXPECT_TRUE(m_grid.IsEditing());
	EXPECT_TRUE(Editor()->IsWindowVisible());
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(Editor()));

	// A click elsewhere is kept from moving the current cell as well.
	ClickInActiveWindow(Middle(2, 3));
	EXPECT_TRUE(m_grid.IsEditing());
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(Editor()));
	EXPECT_EQ(1, m_grid.GetCurrentColumn());
	EXPECT_EQ(1, m_grid.GetCurrentRow());
	EXPECT_EQ("old", Text(1, 1));

	m_grid.m_nAllowEnd = 1;
	Press(VK_RETURN);
	EXPECT_FALSE(m_grid.IsEditing());
	EXPECT_EQ("X", Text(1, 1));
}

TEST_F(GridEditTest, TheEditorLiesOnTheCellInItsFontAndGrowsToTheEdgesOfTheCellsItsTextReaches)
{
	CFont font;
	font.CreatePointFont(80, "MS Sans Serif");
	GridCell cell;
	cell.SetFont(&font);
	m_grid.SetCell(0, 1, &cell);
	ASSERT_EQ(0, m_grid.StartEdit(0, 1, 0));
	EXPECT_EQ(CRect(0, 20, 74, 39), EditorRect()) << "the cell less its right and bottom lines";
	EXPECT_EQ(font.GetSafeHandle(), Editor()->GetFont()->GetSafeHandle());

	// Wider than a column: the editor reaches the right edge of the next one.
	Type("WWWWWWWWWW");
	EXPECT_EQ(CRect(0, 20, 150, 39), EditorRect());
	// Wider than the view: the text wraps and the editor goes down to a row's edge, as wide as
	// the view.
	Type("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
	const CRect rcGrown = EditorRect();
	CRect rcView;
	View()->GetClientRect(&rcView);
	EXPECT_EQ(rcView.right, rcGrown.right);
	EXPECT_GT(rcGrown.bottom, 40);
	EXPECT_EQ(0, rcGrown.bottom % 20) << "a row's bottom edge";

	// Deleting text never shrinks it.
	for (int n = 0; n < 30; n++)
		Press(VK_BACK);
	EXPECT_EQ(rcGrown, EditorRect());
}

TEST_F(GridEditTest, ADropListCellIsEditedBesideItsButton)
{
	GridCell cell;
	cell.SetCellType(GRID_TYPE_DROPLIST);
	m_grid.SetCell(1, 2, &cell);
	ASSERT_EQ(0, m_grid.StartEdit(1, 2, 0));
	EXPECT_EQ(CRect(75, 40, 149 - GetSystemMetrics(SM_CXVSCROLL) - 1, 59), EditorRect());
}

TEST_F(GridEditTest, ADoubleClickOrF2OpensTheEditorWithTheWholeTextSelected)
{
	for (BOOL bMouse : {TRUE, FALSE})
	{
		if (bMouse)
		{
			ASSERT_TRUE(AfxSendMouseInput(View(), WM_LBUTTONDOWN, Middle(1, 1), MK_LBUTTON));
			ASSERT_TRUE(AfxSendMouseInput(View(), WM_LBUTTONUP, Middle(1, 1), 0));
			ASSERT_TRUE(AfxSendMouseInput(View(), WM_LBUTTONDBLCLK, Middle(1, 1), MK_LBUTTON));
		}
		else
			View()->SendMessage(WM_KEYDOWN, VK_F2, 1);
		ASSERT_TRUE(m_grid.IsEditing());
		int nStart = -1;
		int nEnd = -1;
		Editor()->GetSel(nStart, nEnd);
		EXPECT_EQ(0, nStart);
		EXPECT_EQ(3, nEnd);
		EXPECT_EQ("old", EditorText());
		Press(VK_ESCAPE);
	}
}

TEST_F(GridEditTest, CloseEditorHidesItUnstoredAndGivesTheFocusBackToTheCells)
{
	ASSERT_EQ(0, m_grid.StartEdit(1, 1, 'x'));
	m_grid.CloseEditor();
	EXPECT_FALSE(m_grid.IsEditing());
	EXPECT_FALSE(Editor()->IsWindowVisible());
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(View()));
	EXPECT_EQ("old", Text(1, 1));
	EXPECT_EQ(Log{"start 1,1"}, m_grid.m_log) << "AllowEditEnd is not asked";
}

TEST_F(GridEditTest, ASuppliedEditorThatContinuesMovesOnAfterTabWrappingAtTheLastColumn)
{
	ContinuingEdit editor;
	editor.SetGrid(&m_grid);
	ASSERT_TRUE(editor.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 0, 0), &m_grid, 124));
	m_grid.m_pOwnEditor = &editor;
	ASSERT_EQ(0, m_grid.StartEdit(2, 1, 'y'));
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(&editor));
	Press(VK_TAB);
	EXPECT_EQ("Y", Text(2, 1));
	EXPECT_TRUE(m_grid.IsEditing());
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(&editor));
	EXPECT_EQ((Log{"start 2,1", "end 2,1 \"Y\"", "next 2,1 -> 0,1", "start 0,1"}), m_grid.m_log);
	EXPECT_EQ(0, m_grid.GetCurrentColumn());
	m_grid.CloseEditor();
	m_grid.m_pOwnEditor = nullptr;
}

TEST(GridEditLifetimeTest, AGridDestroyedWhileEditingTakesTheEditWithIt)
{
	CWnd frame;
	frame.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 400), nullptr, 0);
	for (BOOL bWindowFirst : {TRUE, FALSE})
	{
		auto pGrid = std::make_unique<GridWindow>();
		pGrid->CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &frame, 100);
		pGrid->SetColumnCount(2, TRUE);
		pGrid->SetRowCount(2, TRUE);
		ASSERT_EQ(0, pGrid->StartEdit(1, 1, 'x'));
		if (bWindowFirst)
			pGrid->DestroyWindow();
		pGrid.reset();
		EXPECT_NE(nullptr, frame.GetSafeHwnd());
	}
	frame.DestroyWindow();
}

TEST_F(GridEditTest, LeavingTheEditorKeepsTheFocusInTheGridBesideOtherControls)
{
	// A control that takes the focus by Tab, as a dialog's buttons do.
	CWnd button;
	ASSERT_TRUE(button.Create("BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CRect(310, 0, 390, 30),
		&m_frame, IDOK));
	for (UINT nKey : {UINT(VK_RETURN), UINT(VK_ESCAPE), UINT(VK_TAB)})
	{
		ASSERT_EQ(0, m_grid.StartEdit(1, 1, 'x'));
		Press(nKey);
		EXPECT_FALSE(m_grid.IsEditing()) << nKey;
		EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(View())) << nKey;
	}
	ASSERT_EQ(0, m_grid.StartEdit(1, 1, 'x'));
	m_grid.CloseEditor();
	EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(View()));
	button.DestroyWindow();
}

TEST_F(GridEditTest, AHeadingCellIsEditedInItsHeadingAndStoredThere)
{
	ASSERT_EQ(0, m_grid.StartEdit(-1, 2, 'h'));
	EXPECT_EQ(static_cast<CWnd*>(m_grid.GetSideHeading()), Editor()->GetParent());
	CRect rc;
	Editor()->GetWindowRect(&rc);
	m_grid.GetSideHeading()->ScreenToClient(&rc);
	CRect rcHeading;
	m_grid.GetSideHeading()->GetClientRect(&rcHeading);
	EXPECT_EQ(CRect(0, 40, rcHeading.right - 1, 59), rc) << "the heading of row 2, across the whole strip";
	Press(VK_RETURN);
	EXPECT_EQ("H", Text(-1, 2));
	EXPECT_EQ(1, m_grid.StartEdit(-1, -1, 0)) << "the corner has no cell to edit";
}
