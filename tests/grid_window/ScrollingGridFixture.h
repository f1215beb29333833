// A grid of 300 × 240 pixels in a top-level window, derived so that it writes down the sheet-tab
// notifications and the scroll hints it was asked for.
#pragma once

#include "grid/window/GridWindow.h"

#include <gtest/gtest.h>

#include <vector>

class ScrollHintTabGrid : public GridWindow
{
public:
	int ProvideRowScrollHint(long nRow, CString* pText) override
	{
		m_hintRows.push_back(nRow);
		*pText = m_strHint;
		return 1;
	}

	int ProvideColumnScrollHint(int nCol, CString* pText) override
	{
		m_hintColumns.push_back(nCol);
		*pText = m_strHint;
		return 1;
	}

	void NotifySheetTab(int nSheet) override
	{
		m_tabSheets.push_back(nSheet);
	}

	CString m_strHint = "7";
	std::vector<long> m_hintRows;
	std::vector<int> m_hintColumns;
	std::vector<int> m_tabSheets;
};

class ScrollingGridTest : public ::testing::Test
{
protected:
	static constexpr int GRID_WIDTH = 300;
	static constexpr int GRID_HEIGHT = 240;

	void SetUp() override
	{
		ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
		ASSERT_TRUE(m_grid.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, GRID_WIDTH, GRID_HEIGHT), &m_parent,
			100));
	}

	void TearDown() override
	{
		m_grid.DestroyWindow();
		m_parent.DestroyWindow();
	}

	SheetSettings& Sheet() { return *m_grid.GetSheet(); }

	CWnd m_parent;
	ScrollHintTabGrid m_grid;
};
