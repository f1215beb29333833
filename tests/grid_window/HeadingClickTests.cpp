// Clicks in the headings and the corner: the heading cell's type first, then the grid's heading
// or corner notification, with the heading positions the cell stands at.
#include "tests/grid_window/HeadingGridFixture.h"

#include "grid/celltypes/CellType.h"

namespace
{
	// Writes the clicks it is given into the grid's log and takes them when told to.
	class ClickRecordingType : public CellType
	{
	public:
		explicit ClickRecordingType(HeadingRecordingGrid* pGrid) : m_pLogGrid(pGrid) {}

		BOOL OnLButton(int nCol, long nRow, BOOL bDown, RECT*, POINT*) override
		{
			return Note(bDown ? "type press" : "type release", nCol, nRow);
		}
		BOOL OnRButton(int nCol, long nRow, BOOL bDown, RECT*, POINT*) override
		{
			return Note(bDown ? "type right press" : "type right release", nCol, nRow);
		}
		BOOL OnDoubleClick(int nCol, long nRow, RECT*, POINT*) override { return Note("type double", nCol, nRow); }

		BOOL m_bTake = FALSE;

	private:
		BOOL Note(const std::string& what, int nCol, long nRow)
		{
			m_pLogGrid->m_log.push_back(what + " " + std::to_string(nCol) + "," + std::to_string(nRow));
			return m_bTake;
		}

		HeadingRecordingGrid* m_pLogGrid;
	};
}

class HeadingClickTest : public HeadingGridTest
{
protected:
	HeadingClickTest() : m_type(&m_grid) { m_grid.AddCellType(&m_type); }

	void Click(CWnd* pWnd, CPoint point)
	{
		Mouse(pWnd, WM_LBUTTONDOWN, point);
		Mouse(pWnd, WM_LBUTTONUP, point);
	}
	void DoubleClick(CWnd* pWnd, CPoint point)
	{
		Click(pWnd, point);
		ASSERT_TRUE(AfxSendMouseInput(pWnd, WM_LBUTTONDBLCLK, point, MK_LBUTTON));
		Mouse(pWnd, WM_LBUTTONUP, point);
	}
	void RightClick(CWnd* pWnd, CPoint point)
	{
		ASSERT_TRUE(AfxSendMouseInput(pWnd, WM_RBUTTONDOWN, point, MK_RBUTTON));
		ASSERT_TRUE(AfxSendMouseInput(pWnd, WM_RBUTTONUP, point, 0));
	}

	ClickRecordingType m_type;
};

TEST_F(HeadingClickTest, EveryClickReachesTheHeadingCellsTypeAndThenTheGrid)
{
	MakeSheet(3, 5);
	GridCell cell;
	cell.SetCellType(m_type.GetIndex());
	m_grid.SetCell(1, -1, &cell);
	m_grid.SetCell(-1, 2, &cell);
	Sheet().m_headingDefaultCell.SetCellType(m_type.GetIndex());

	DoubleClick(Top(), CPoint(100, 10));
	RightClick(Top(), CPoint(100, 10));
	EXPECT_EQ((Log{"type press 1,-1", "top press 1,-1 75-150", "type release 1,-1", "top release 1,-1 75-150",
				  "type double 1,-1", "top double 1,-1 75-150", "type release 1,-1", "top release 1,-1 75-150",
				  "type right press 1,-1", "top right press 1,-1 75-150", "type right release 1,-1",
				  "top right release 1,-1 75-150"}),
		m_grid.m_log);

	m_grid.m_log.clear();
	m_type.m_bTake = TRUE;
	Click(Side(), CPoint(20, 50));
	RightClick(Side(), CPoint(20, 50));
	EXPECT_EQ((Log{"type press -1,2", "side press -1,2 0-40 taken", "type release -1,2", "side release -1,2 0-40 taken",
				  "type right press -1,2", "side right press -1,2 0-40 taken", "type right release -1,2",
				  "side right release -1,2 0-40 taken"}),
		m_grid.m_log);

	m_grid.m_log.clear();
	m_type.m_bTake = FALSE;
	CornerButton* pCorner = m_grid.GetCornerButton();
	DoubleClick(pCorner, CPoint(20, 10));
	RightClick(pCorner, CPoint(20, 10));
	EXPECT_EQ((Log{"type press -1,-1", "corner press -1,-1 0-40", "type release -1,-1", "corner release -1,-1 0-40",
				  "type double -1,-1", "corner double -1,-1 0-40", "type release -1,-1", "corner release -1,-1 0-40",
				  "type right press -1,-1", "corner right press -1,-1 0-40", "type right release -1,-1",
				  "corner right release -1,-1 0-40"}),
		m_grid.m_log);
}

TEST_F(HeadingClickTest, APressInAnUpperHeadingRowNamesThatRowAndAJoinedBlockByItsOrigin)
{
	MakeSheet(3, 5);
	m_grid.SetTopHeadingRows(2);
	GridCell cell;
	cell.SetJoin(TRUE, 1, 0);
	m_grid.SetCell(0, -2, &cell);
	cell.SetJoin(FALSE, -1, 0);
	m_grid.SetCell(1, -2, &cell);
	m_grid.m_log.clear();

	Click(Top(), CPoint(100, 10));
	Click(Top(), CPoint(100, 30));
	EXPECT_EQ((Log{"top press 0,-2 0-150", "top release 0,-2 0-150", "top press 1,-1 75-150", "top release 1,-1 75-150"}),
		m_grid.m_log);
}
