// A demonstration of the grid control, for people to look at and use: a resizable window the
// grid fills, with a million-row sheet and a sheet of every look, switched by the sheet tabs,
// and Ctrl+F to find and replace. The headings' edges size columns, rows and the heading areas;
// on the million-row sheet a heading dragged sideways moves its column.
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/WinApp.h"
#include "tools/griddemo/DemoGrid.h"
#include "tools/griddemo/GridDemoResources.h"

namespace
{
class GridDemoDlg : public CDialog
{
public:
	GridDemoDlg() : CDialog(IDD_GRID_DEMO) {}

protected:
	BOOL OnInitDialog() override
	{
		CDialog::OnInitDialog();
		CRect rcClient;
		GetClientRect(&rcClient);
		m_grid.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rcClient, this,
			IDC_GRID_DEMO);
		m_grid.Populate();
		m_grid.SetFocus();
		return FALSE;
	}

	// The grid does not answer keys yet, so its dialog catches Ctrl+F on the way to it.
	BOOL PreTranslateMessage(MSG* pMsg) override
	{
		if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'F' && GetKeyState(VK_CONTROL) < 0)
		{
			m_grid.ShowFindDialog();
			return TRUE;
		}
		return CDialog::PreTranslateMessage(pMsg);
	}

	afx_msg void OnSize(UINT nType, int cx, int cy)
	{
		CDialog::OnSize(nType, cx, cy);
		if (m_grid.GetSafeHwnd() != nullptr)
			m_grid.MoveWindow(0, 0, cx, cy, TRUE);
	}

	DECLARE_MESSAGE_MAP()

private:
	DemoGrid m_grid;
};

BEGIN_MESSAGE_MAP(GridDemoDlg, CDialog)
	ON_WM_SIZE()
END_MESSAGE_MAP()

class GridDemoApp : public CWinApp
{
public:
	BOOL InitInstance() override
	{
		GridDemoDlg dlg;
		m_pMainWnd = &dlg;
		dlg.DoModal();
		return FALSE;
	}
};

GridDemoApp s_app;
} // namespace

int main(int argc, char** argv)
{
	return AfxWinMain(argc, argv);
}
