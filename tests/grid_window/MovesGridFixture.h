// A live grid whose cell view is 100 pixels high, derived so that it writes down, in order, the
// notifications a move of the current cell or the view fires.
#pragma once

#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class MoveRecordingGrid : public GridWindow
{
public:
	int AllowCurrentMove(int, long, int nNewCol, long nNewRow) override
	{
		m_log.push_back("allow " + std::to_string(nNewCol) + "," + std::to_string(nNewRow));
		if (m_onAllowMove)
			m_onAllowMove();
		return m_nAllowMove;
	}
	int AllowViewScroll(int, long, int nNewLeftCol, long nNewTopRow) override
	{
		m_log.push_back("scroll " + std::to_string(nNewLeftCol) + "," + std::to_string(nNewTopRow));
		return 1;
	}
	void NotifyPastLastRow(long nRowCount, long nRowsPast, long* pnRowsAdded) override
	{
		m_log.push_back("past " + std::to_string(nRowCount) + " " + std::to_string(nRowsPast) + " "
			+ std::to_string(*pnRowsAdded));
	}
	void NotifyCurrentColumn(int nOld, int nNew) override { Log("column", nOld, nNew); }
	void NotifyCurrentRow(long nOld, long nNew) override { Log("row", nOld, nNew); }
	void NotifyCurrentCell(int nOldCol, int nNewCol, long nOldRow, long nNewRow) override
	{
		m_log.push_back("cell " + std::to_string(nOldCol) + "," + std::to_string(nOldRow) + " -> "
			+ std::to_string(nNewCol) + "," + std::to_string(nNewRow));
	}
	void NotifyTopRow(long nOld, long nNew) override { Log("top", nOld, nNew); }
	void NotifyLeftColumn(int nOld, int nNew) override { Log("left", nOld, nNew); }
	void NotifyKeyDown(UINT* pnKey, BOOL bProcessed) override
	{
		m_log.push_back("key " + std::to_string(*pnKey) + " " + std::to_string(bProcessed));
	}
	void NotifyCellClick(int nCol, long nRow, BOOL bDown, RECT*, POINT*, BOOL bProcessed) override
	{
		m_log.push_back(std::string(bDown ? "press " : "release ") + std::to_string(nCol) + "," + std::to_string(nRow)
			+ " " + std::to_string(bProcessed));
	}
	void NotifyCellDoubleClick(int nCol, long nRow, RECT*, POINT*, BOOL bProcessed) override
	{
		m_log.push_back("double " + std::to_string(nCol) + "," + std::to_string(nRow) + " " + std::to_string(bProcessed));
	}
	void NotifyChar(UINT* pnKey, BOOL bProcessed) override
	{
		m_log.push_back("char " + std::to_string(*pnKey) + " " + std::to_string(bProcessed));
	}

	std::vector<std::string> m_log;
	int m_nAllowMove = 1;
	// Runs in the middle of every move: a test acts there as a user would meanwhile.
	std::function<void()> m_onAllowMove;

private:
	void Log(const char* pszWhat, long nOld, long nNew)
	{
		m_log.push_back(std::string(pszWhat) + " " + std::to_string(nOld) + " -> " + std::to_string(nNew));
	}
};

class MovesGridTest : public ::testing::Test
{
protected:
	static constexpr int VIEW_HEIGHT = 100;

	MovesGridTest()
	{
		m_frame.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 400), nullptr, 0);
		m_grid.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_frame, 100);
	}

	~MovesGridTest() override
	{
		m_grid.DestroyWindow();
		m_frame.DestroyWindow();
	}

	// Columns of 75 and rows of 20 in a cell view of 100 pixels, with the current cell moved to
	// (nCol, nRow) and the notifications so far forgotten.
	void MakeSheet(int nCols, long nRows, int nCol = 0, long nRow = 0)
	{
		m_grid.SetColumnCount(nCols, TRUE);
		m_grid.SetRowCount(nRows, TRUE);
		const int nHeight = 200 + VIEW_HEIGHT - Sheet().m_nViewHeight;
		m_grid.MoveWindow(0, 0, 300, nHeight, TRUE);
		ASSERT_EQ(VIEW_HEIGHT, Sheet().m_nViewHeight);
		m_grid.GotoCell(nCol, nRow);
		// The counts placed the first current cell without reporting it; the report is made here.
		m_grid.CommitChanges();
		m_grid.m_log.clear();
	}

	void Key(UINT nKey, BOOL bRepeat = FALSE)
	{
		m_grid.GetCellView()->SendMessage(WM_KEYDOWN, nKey, MAKELPARAM(1, bRepeat ? 0x4000 : 0));
	}

	void ExpectCurrent(int nCol, long nRow)
	{
		EXPECT_EQ(nCol, m_grid.GetCurrentColumn());
		EXPECT_EQ(nRow, m_grid.GetCurrentRow());
	}

	SheetSettings& Sheet() { return *m_grid.GetSheet(); }

	CWnd m_frame;
	MoveRecordingGrid m_grid;
};
