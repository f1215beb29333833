// The notification operations' defaults: a grid that nobody derives from accepts every change
// and leaves every event to the grid itself.
#include "grid/window/GridWindow.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/system/SystemServices.h"
#include "grid/store/CellCompare.h"

void GridWindow::NotifyViewFocus(int) {}
void GridWindow::NotifyGridReady() {}
void GridWindow::NotifySheetCreated(int) {}
int GridWindow::AllowCurrentMove(int, long, int, long) { return 1; }
int GridWindow::AllowViewScroll(int, long, int, long) { return 1; }
void GridWindow::NotifyPastLastRow(long, long, long*) {}
void GridWindow::NotifyReserved1(int, long) {}
int GridWindow::AllowColumnResize(int) { return 1; }
void GridWindow::NotifyColumnResizing(int, int*) {}
void GridWindow::NotifyColumnResized(int, int*) {}
int GridWindow::AllowRowResize(long) { return 1; }
void GridWindow::NotifyRowResizing(long, int*) {}
void GridWindow::NotifyRowResized(long, int*) {}
int GridWindow::AllowTopHeadingResize() { return 1; }
int GridWindow::AllowSideHeadingResize() { return 1; }
int GridWindow::NotifyTopHeadingResizing(int*) { return 1; }
int GridWindow::NotifySideHeadingResizing(int*) { return 1; }
int GridWindow::NotifyTopHeadingResized(int*) { return 1; }
int GridWindow::NotifySideHeadingResized(int*) { return 1; }
void GridWindow::NotifyCurrentColumn(int, int) {}
void GridWindow::NotifyCurrentRow(long, long) {}
void GridWindow::NotifyCurrentCell(int, int, long, long) {}
void GridWindow::NotifyLeftColumn(int, int) {}
void GridWindow::NotifyTopRow(long, long) {}
void GridWindow::NotifyCellClick(int, long, BOOL, RECT*, POINT*, BOOL) {}
void GridWindow::NotifyCellRightClick(int, long, BOOL, RECT*, POINT*, BOOL) {}
void GridWindow::NotifyCellDoubleClick(int, long, RECT*, POINT*, BOOL) {}
void GridWindow::NotifyCellMouseMove(int, long, POINT*, UINT, BOOL) {}
void GridWindow::NotifyTopHeadingClick(int, long, BOOL, RECT*, POINT*, BOOL) {}
void GridWindow::NotifyTopHeadingRightClick(int, long, BOOL, RECT*, POINT*, BOOL) {}
void GridWindow::NotifyTopHeadingDoubleClick(int, long, RECT*, POINT*, BOOL) {}
void GridWindow::NotifySideHeadingClick(int, long, BOOL, RECT*, POINT*, BOOL) {}
void GridWindow::NotifySideHeadingRightClick(int, long, BOOL, RECT*, POINT*, BOOL) {}
void GridWindow::NotifySideHeadingDoubleClick(int, long, RECT*, POINT*, BOOL) {}
void GridWindow::NotifyCornerClick(BOOL, RECT*, POINT*, BOOL) {}
void GridWindow::NotifyCornerRightClick(BOOL, RECT*, POINT*, BOOL) {}
void GridWindow::NotifyCornerDoubleClick(RECT*, POINT*, BOOL) {}
void GridWindow::NotifyKeyDown(UINT*, BOOL) {}
void GridWindow::NotifyChar(UINT*, BOOL) {}
void GridWindow::ProvideCell(int, long, GridCell*) {}
void GridWindow::NotifyCellStore(int, long, GridCell*) {}
void GridWindow::NotifyReserved2(int, long, GridCell*) {}
int GridWindow::NotifyCellTypeEvent(int, int, long, int, LPARAM) { return 1; }
int GridWindow::AllowEditStart(int, long, CWnd**) { return 1; }
int GridWindow::AllowEditChar(int, long, CWnd*, UINT*) { return 1; }
int GridWindow::AllowEditEnd(int, long, CWnd*, LPCSTR, BOOL) { return 1; }
int GridWindow::ChooseNextEditCell(int, long, int*, long*) { return 1; }
void GridWindow::NotifyMenuCommand(int, long, int, UINT) {}
int GridWindow::AllowMenu(int, long, int) { return 1; }

int GridWindow::ProvideTooltipText(int nCol, long nRow, int, CString* pText)
{
	if (pText != nullptr)
		pText->Format("Col:%d Row:%ld", nCol, nRow);
	return 1;
}

int GridWindow::ProvideRowScrollHint(long, CString*) { return 1; }
int GridWindow::ProvideColumnScrollHint(int, CString*) { return 1; }

int GridWindow::CompareCellsForSort(GridCell* pA, GridCell* pB, int nFlags)
{
	return ::CompareCellsForSort(pA, pB, nFlags);
}

void GridWindow::NotifyDrawStart(CDC*, int, int) {}
void GridWindow::NotifyLayout(RECT*, RECT*, RECT*, RECT*, RECT*, RECT*, RECT*) {}
void GridWindow::NotifySheetTab(int) {}

COLORREF GridWindow::DefaultBackColor(int nSection)
{
	return GetSysColor(nSection == GRID_SECTION_CELLS ? COLOR_WINDOW : COLOR_BTNFACE);
}

void GridWindow::DrawFocusFrame(CDC* pDC, RECT* pRect)
{
	CRect rcFrame(*pRect);
	rcFrame.right -= 1;
	rcFrame.bottom -= 1;
	pDC->DrawFocusRect(&rcFrame);
}

void GridWindow::NotifyViewFocusLost(int) {}
int GridWindow::AllowColumnMoveStart(int) { return 1; }
int GridWindow::AllowColumnMove(int, int) { return 1; }
void GridWindow::NotifyFloatingWindowMoved(RECT*, RECT*) {}
