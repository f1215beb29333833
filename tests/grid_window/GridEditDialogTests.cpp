// The in-place editor inside a dialog: Tab, Enter and Esc reach the editor rather than moving the
// dialog's focus, pressing its default button or cancelling it.
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/testing/UserDriving.h"
#include "grid/window/CellView.h"
#include "grid/window/GridWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr UINT IDC_PLACEHOLDER = 1012;

const DialogItemTemplate s_items[] = {
	{"BUTTON", "Righe", IDC_PLACEHOLDER, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 7, 7, 200, 80},
	{"BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 7, 90, 50, 14},
	{"BUTTON", "Annulla", IDCANCEL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 60, 90, 50, 14},
};

const DialogTemplate s_dialog = {640, WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT, 0, 0, 0, 220, 110, "Griglia",
	"MS Sans Serif", 8, s_items, sizeof(s_items) / sizeof(s_items[0]), 0};

class RecordingDialog : public CDialog
{
public:
	void OnOK() override { m_log.push_back("ok"); }
	void OnCancel() override { m_log.push_back("cancel"); }
	std::vector<std::string> m_log;
};
} // namespace

TEST(GridEditDialogTest, TheKeysThatLeaveTheEditorAreNotTheDialogs)
{
	RecordingDialog dialog;
	ASSERT_TRUE(dialog.CreateIndirect(&s_dialog, nullptr));
	GridWindow grid;
	grid.AttachToDialogItem(&dialog, IDC_PLACEHOLDER);
	grid.SetColumnCount(3, TRUE);
	grid.SetRowCount(3, TRUE);
	for (UINT nKey : {UINT(VK_TAB), UINT(VK_RETURN), UINT(VK_ESCAPE)})
	{
		ASSERT_EQ(0, grid.StartEdit(1, 1, 'a'));
		ASSERT_TRUE(AfxSendKeyInput(&dialog, WM_KEYDOWN, nKey));
		ASSERT_TRUE(AfxSendKeyInput(&dialog, WM_KEYUP, nKey));
		EXPECT_FALSE(grid.IsEditing()) << nKey;
		EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(grid.GetCellView())) << nKey;
	}
	EXPECT_EQ(std::vector<std::string>{}, dialog.m_log);
	GridCell cell;
	grid.GetCell(1, 1, &cell);
	EXPECT_EQ(std::string("a"), std::string(cell.GetText())) << "Tab and Enter stored, Esc did not";
	grid.DestroyWindow();
	dialog.DestroyWindow();
}
