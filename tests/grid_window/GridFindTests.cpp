// The grid answering a real find/replace dialog it owns: the current cell's moves and their
// notifications, what each search option matches, the box shown when nothing matches, replacing
// one match or all of them, and the dialog closing.
#include "framework/ui/services/FindReplaceDialog.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"

#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

class MoveLoggingGrid : public GridWindow
{
public:
	void NotifyCurrentRow(long nOld, long nNew) override
	{
		m_log.push_back("row " + std::to_string(nOld) + " -> " + std::to_string(nNew));
	}
	void NotifyCurrentColumn(int nOld, int nNew) override
	{
		m_log.push_back("column " + std::to_string(nOld) + " -> " + std::to_string(nNew));
	}
	void NotifyCurrentCell(int nOldCol, int nNewCol, long nOldRow, long nNewRow) override
	{
		m_log.push_back("cell " + std::to_string(nOldCol) + "," + std::to_string(nOldRow) + " -> "
			+ std::to_string(nNewCol) + "," + std::to_string(nNewRow));
	}

	std::vector<std::string> m_log;
};

class GridFindTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 320, 240), nullptr, 0));
		ASSERT_TRUE(m_grid.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_frame, 100));
		m_grid.SetColumnCount(3, FALSE);
		m_grid.SetRowCount(6, FALSE);
		m_pDialog = new CFindReplaceDialog;
		ASSERT_TRUE(m_pDialog->Create(FALSE, "", nullptr, FR_DOWN, &m_grid));
		m_grid.SetFindDialog(m_pDialog);
	}

	void TearDown() override
	{
		if (m_grid.GetFindDialog() != nullptr)
			m_pDialog->DestroyWindow();
		m_grid.DestroyWindow();
		m_frame.DestroyWindow();
	}

	void FillColumn(int nCol, std::initializer_list<LPCSTR> texts)
	{
		long nRow = 0;
		for (LPCSTR pszText : texts)
			m_grid.SetCellText(nCol, nRow++, pszText);
	}

	// Types into the dialog and presses one of its buttons, as the user does.
	void Ask(UINT nButton, LPCSTR pszFind, LPCSTR pszReplace = "", BOOL bWholeWord = FALSE, BOOL bMatchCase = FALSE)
	{
		m_pDialog->SetDlgItemText(edt1, pszFind);
		m_pDialog->SetDlgItemText(edt2, pszReplace);
		m_pDialog->CheckDlgButton(chx1, bWholeWord ? BST_CHECKED : BST_UNCHECKED);
		m_pDialog->CheckDlgButton(chx2, bMatchCase ? BST_CHECKED : BST_UNCHECKED);
		m_pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nButton), BN_CLICKED),
			reinterpret_cast<LPARAM>(m_pDialog->GetDlgItem(nButton)->GetSafeHwnd()));
	}

	std::string Text(int nCol, long nRow)
	{
		GridCell cell;
		m_grid.GetCell(nCol, nRow, &cell);
		return static_cast<LPCSTR>(cell.GetText());
	}

	CWnd m_frame;
	MoveLoggingGrid m_grid;
	CFindReplaceDialog* m_pDialog = nullptr;
};

TEST_F(GridFindTest, FindNextGoesDownTheCurrentColumnOnly)
{
	FillColumn(0, { "Fase", "", "", "Fase" });
	FillColumn(1, { "", "Fase", "", "", "Fase" });
	m_grid.GotoCell(1, 0);
	m_grid.m_log.clear();

	Ask(IDOK, "Fase");
	EXPECT_EQ(1, m_grid.GetCurrentColumn());
	EXPECT_EQ(1, m_grid.GetCurrentRow());
	Ask(IDOK, "Fase");
	EXPECT_EQ(4, m_grid.GetCurrentRow());
	const std::vector<std::string> expected = { "row 0 -> 1", "cell 1,0 -> 1,1", "row 1 -> 4", "cell 1,1 -> 1,4" };
	EXPECT_EQ(expected, m_grid.m_log);
}

TEST_F(GridFindTest, WholeWordAndMatchCaseChooseTheMatch)
{
	FillColumn(0, { "", "la portante", "PORTANTE", "Portante bassa", "Portante" });
	const struct
	{
		BOOL bWholeWord;
		BOOL bMatchCase;
		long nExpectedRow;
	} cases[] = {
		{ TRUE, TRUE, 4 },	// the whole text, with its case
		{ TRUE, FALSE, 2 },	// the whole text, any case
		{ FALSE, FALSE, 3 },	// a part of the text, still with its case
		{ FALSE, TRUE, 3 },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(testing::Message() << "whole word " << c.bWholeWord << ", match case " << c.bMatchCase);
		m_grid.GotoCell(0, 0);
		Ask(IDOK, "Portante", "", c.bWholeWord, c.bMatchCase);
		EXPECT_EQ(c.nExpectedRow, m_grid.GetCurrentRow());
	}
}

TEST_F(GridFindTest, NothingFoundSaysSoAndMovesNothing)
{
	FillColumn(0, { "Ampiezza", "Fase" });
	FillColumn(1, { "", "", "Frequenza" });
	m_grid.GotoCell(0, 1);
	m_grid.m_log.clear();
	CScriptedUser seam;
	seam.Then(IDOK);
	seam.Then(IDOK);

	// Down its own column only, and never back above the current cell.
	Ask(IDOK, "Frequenza");
	Ask(IDOK, "Ampiezza");
	ASSERT_EQ(2u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::MessageBox, seam.m_shown[0].nKind);
	EXPECT_EQ("Item not found", seam.m_shown[0].strText);
	EXPECT_EQ("Not Found", seam.m_shown[0].strCaption);
	EXPECT_EQ(static_cast<UINT>(MB_OK), seam.m_shown[0].nType);
	EXPECT_EQ(m_grid.GetFindDialog(), seam.m_shown[0].pOwner);
	EXPECT_EQ(0, m_grid.GetCurrentColumn());
	EXPECT_EQ(1, m_grid.GetCurrentRow());
	EXPECT_TRUE(m_grid.m_log.empty());
}

TEST_F(GridFindTest, ReplaceWritesTheNextMatchAndAcrossColumnsWritesTheCellThatMatched)
{
	FillColumn(0, { "0.25", "", "0.25" });
	FillColumn(2, { "0.25" });
	m_grid.GotoCell(0, 0);
	Ask(psh1, "0.25", "0.5", TRUE, TRUE);
	EXPECT_EQ(2, m_grid.GetCurrentRow());
	EXPECT_EQ("0.25", Text(0, 0));
	EXPECT_EQ("0.5", Text(0, 2));

	m_grid.GotoCell(0, 0);
	m_grid.SetFindAcrossColumns(TRUE);
	Ask(psh1, "0.25", "1", TRUE, TRUE);
	EXPECT_EQ(2, m_grid.GetCurrentColumn());
	EXPECT_EQ(0, m_grid.GetCurrentRow());
	EXPECT_EQ("1", Text(2, 0));
	EXPECT_EQ("0.25", Text(0, 0));
}

TEST_F(GridFindTest, ReplaceAllReplacesEveryMatchAndEndsOnTheLast)
{
	FillColumn(1, { "Vm", "Vm", "Vm", "Vm", "Vm", "Vm" });
	FillColumn(2, { "Vm" });
	m_grid.GotoCell(1, 3);
	m_grid.m_log.clear();
	Ask(psh2, "Vm", "Vp", TRUE, TRUE);
	for (long nRow = 0; nRow < 6; ++nRow)
		EXPECT_EQ("Vp", Text(1, nRow)) << "row " << nRow;
	EXPECT_EQ("Vm", Text(2, 0)) << "another column";
	const std::vector<std::string> expected = { "row 3 -> 5", "cell 1,3 -> 1,5" };
	EXPECT_EQ(expected, m_grid.m_log) << "one move, to the last cell replaced";
}

TEST_F(GridFindTest, ClosingTheDialogTakesTheFrameAwayAndDetachesIt)
{
	FillColumn(0, { "", "Vp" });
	m_grid.GotoCell(0, 0);
	m_grid.GetCellView()->SendMessage(WM_KILLFOCUS);
	Ask(IDOK, "Vp");
	EXPECT_TRUE(m_grid.m_bForceFocusFrame);
	CellView* pView = m_grid.GetCellView();
	pView->UpdateWindow();
	const CRect rcCell = pView->GetCurrentCellRect();
	// The frame inverts every other pixel of the cell's edge, from its left end.
	const COLORREF crWindow = GetSysColor(COLOR_WINDOW);
	const COLORREF crInverted = RGB(255 - GetRValue(crWindow), 255 - GetGValue(crWindow), 255 - GetBValue(crWindow));
	EXPECT_EQ(crInverted, GetSurfacePixel(pView, rcCell.left + 2, rcCell.top)) << "framed without the focus";

	m_pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
	EXPECT_FALSE(m_grid.m_bForceFocusFrame);
	EXPECT_EQ(nullptr, m_grid.GetFindDialog());
	pView->UpdateWindow();
	EXPECT_EQ(crWindow, GetSurfacePixel(pView, rcCell.left + 2, rcCell.top)) << "the frame is gone with the dialog";
	EXPECT_EQ(1, m_grid.GetCurrentRow());
}

TEST_F(GridFindTest, WithoutADialogWindowTheMessageIsNotAnswered)
{
	FillColumn(0, { "", "Vp" });
	Ask(IDOK, "Vp");
	ASSERT_EQ(1, m_grid.GetCurrentRow());
	m_grid.GotoCell(0, 0);

	const UINT nMessage = RegisterWindowMessage(FINDMSGSTRING);
	const LPARAM lRecord = reinterpret_cast<LPARAM>(&m_pDialog->m_fr);
	CFindReplaceDialog unopened;
	m_grid.SetFindDialog(&unopened);
	EXPECT_EQ(0, m_grid.SendMessage(nMessage, 0, lRecord));
	m_grid.SetFindDialog(nullptr);
	EXPECT_EQ(0, m_grid.SendMessage(nMessage, 0, lRecord));
	EXPECT_EQ(0, m_grid.GetCurrentRow());
	m_pDialog->DestroyWindow();
}

}
