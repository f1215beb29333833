// A grid taking over a dialog's placeholder control, as the spectrum window's does: its style and
// children, the ready notification, and new desktop colours reaching its cell types and cells.
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/testing/UserDriving.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT IDC_PLACEHOLDER = 1012;

const DialogItemTemplate s_items[] = {
	{"BUTTON", "Righe", IDC_PLACEHOLDER, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 7, 7, 200, 80},
};

const DialogTemplate s_dialog = {640, WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT, 0, 0, 0, 220, 100, "Griglia",
	"MS Sans Serif", 8, s_items, sizeof(s_items) / sizeof(s_items[0]), 0};

class CountingType : public CellType
{
public:
	int OnSysColorChange() override
	{
		++m_nColourChanges;
		return 0;
	}
	int m_nColourChanges = 0;
};

class ReadyGrid : public GridWindow
{
public:
	void NotifyGridReady() override { ++m_nReady; }
	int m_nReady = 0;
};

class GridAttachTest : public ::testing::Test
{
protected:
	GridAttachTest() { m_dialog.CreateIndirect(&s_dialog, nullptr); }
	~GridAttachTest() override { AfxSetDesktopSysColor(COLOR_WINDOW, RGB(255, 255, 255)); }

	CDialog m_dialog;
	// Registered types must outlive the grid, which tells them of colour changes to its end.
	CountingType m_type;
	ReadyGrid m_grid;
};

TEST_F(GridAttachTest, TheGroupBoxBecomesTheGridWithItsChildren)
{
	EXPECT_EQ(0, m_grid.AttachToDialogItem(&m_dialog, IDC_PLACEHOLDER));
	ASSERT_EQ(m_dialog.GetDlgItem(IDC_PLACEHOLDER), &m_grid);
	EXPECT_EQ(WS_CLIPCHILDREN | WS_BORDER | WS_TABSTOP, m_grid.GetStyle() & (WS_CLIPCHILDREN | WS_BORDER | WS_TABSTOP));
	EXPECT_EQ(1, m_grid.m_nReady);
	for (UINT nId : {GRID_ID_CELLVIEW, GRID_ID_TOPHEADING, GRID_ID_SIDEHEADING, GRID_ID_CORNER, GRID_ID_TABBAR,
			 GRID_ID_VSCROLL, GRID_ID_EDITOR})
		EXPECT_NE(nullptr, m_grid.GetDlgItem(static_cast<int>(nId))) << nId;
	EXPECT_FALSE(m_grid.GetEditor()->IsWindowVisible());

	// Where the group box drew its frame and label, the grid's corner and cells now show.
	m_grid.SetColumnCount(2, TRUE);
	m_grid.SetRowCount(2, TRUE);
	m_grid.UpdateWindow();
	m_grid.GetCellView()->UpdateWindow();
	CRect rcClient;
	m_grid.GetClientRect(&rcClient);
	EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetShownPixel(&m_grid, rcClient.right - 5, rcClient.bottom - 5));
	EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetShownPixel(&m_grid, 10, 10));
}

TEST_F(GridAttachTest, AMissingControlLeavesTheGridWithoutAWindow)
{
	EXPECT_EQ(0, m_grid.AttachToDialogItem(&m_dialog, 999));
	EXPECT_EQ(nullptr, m_grid.GetSafeHwnd());
	EXPECT_EQ(nullptr, m_grid.GetCellView()->GetSafeHwnd());
	EXPECT_EQ(0, m_grid.m_nReady);
	EXPECT_EQ(0, m_grid.SetColumnCount(2, TRUE));
}

TEST_F(GridAttachTest, NewDesktopColoursReachTheCellTypesAndTheCells)
{
	ASSERT_EQ(4, m_grid.AddCellType(&m_type));
	m_grid.AttachToDialogItem(&m_dialog, IDC_PLACEHOLDER);
	m_grid.SetColumnCount(2, TRUE);
	m_grid.SetRowCount(1, TRUE);

	const COLORREF crNewWindow = RGB(250, 240, 200);
	AfxSetDesktopSysColor(COLOR_WINDOW, crNewWindow);
	EXPECT_EQ(1, m_type.m_nColourChanges);
	m_grid.GetCellView()->UpdateWindow();
	CRect rcView;
	m_grid.GetCellView()->GetClientRect(&rcView);
	EXPECT_EQ(crNewWindow, GetSurfacePixel(m_grid.GetCellView(), 10, rcView.bottom - 3));
}

} // namespace
