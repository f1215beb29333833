// GridWindow: a spreadsheet-like control with sheets, headings, pluggable cell types and data
// sources, scroll bars and sheet tabs. Operations return 0 when done, 1 for a bad argument and
// 2 when a notification vetoed the change; a derived class customises the grid through the
// notification operations, whose defaults are given here.
#pragma once

#include "framework/ui/gdi/Pen.h"
#include "framework/ui/menu/Menu.h"
#include "framework/ui/window/Wnd.h"
#include "grid/celltypes/ArrowCellType.h"
#include "grid/celltypes/CellType.h"
#include "grid/celltypes/CheckBoxCellType.h"
#include "grid/celltypes/DropListCellType.h"
#include "grid/store/CellCompare.h"
#include "grid/store/GridCell.h"
#include "grid/store/SlotTable.h"
#include "grid/window/InCellEdit.h"
#include "grid/window/SheetSettings.h"

#include <memory>
#include <vector>

class CellView;
class TopHeading;
class SideHeading;
class CornerButton;
class SheetTabBar;
class GridVScrollBar;
class GridHScrollBar;
class ScrollHintWindow;
class DataSource;
class CFindReplaceDialog;
class GridPrinter;
class CPrintDialog;

// Child window ids.
constexpr UINT GRID_ID_CELLVIEW = 1;
constexpr UINT GRID_ID_TOPHEADING = 2;
constexpr UINT GRID_ID_SIDEHEADING = 3;
constexpr UINT GRID_ID_CORNER = 4;
constexpr UINT GRID_ID_TABBAR = 5;
constexpr UINT GRID_ID_VSCROLL = 6;
constexpr UINT GRID_ID_HSCROLL = 7;
constexpr UINT GRID_ID_HINT = 7;
constexpr UINT GRID_ID_EDITOR = 123;

// Sections, as notifications name them.
constexpr int GRID_SECTION_CELLS = 1;
constexpr int GRID_SECTION_TOPHEADING = 2;
constexpr int GRID_SECTION_SIDEHEADING = 3;
constexpr int GRID_SECTION_CORNER = 4;
constexpr int GRID_SECTION_HSCROLL = 5;
constexpr int GRID_SECTION_VSCROLL = 6;

// Limits.
constexpr int GRID_MAX_COLUMNS = 32000;
constexpr long GRID_MAX_VARIABLE_ROWS = 64000;
constexpr int GRID_MAX_SHEETS = 1024;
constexpr int GRID_MAX_HEADING_SIZE = 1024;

class GridWindow : public CWnd, public GridCellOrder
{
	DECLARE_DYNAMIC(GridWindow)

public:
	GridWindow();
	~GridWindow() override;

	// Becomes the dialog's control with that id and creates the children; 0 either way.
	int AttachToDialogItem(CWnd* pParent, UINT nControlId);
	BOOL PreCreateWindow(CREATESTRUCT& cs) override;

	// Counts
	int SetRowCount(long nRows, BOOL bRedraw);
	long GetRowCount() const;
	int SetColumnCount(int nCols, BOOL bRedraw);
	int GetColumnCount() const;

	// Cells
	int SetCellText(int nCol, long nRow, LPCSTR lpszText);
	int GetCell(int nCol, long nRow, GridCell* pCell);
	// The cell as drawn, edited and printed: its column's (or the heading's) defaults, the stored
	// cell, ProvideCell, the attached handler and the property source cell.
	int GetCellWithDefaults(int nCol, long nRow, GridCell* pCell);
	int SetCell(int nCol, long nRow, GridCell* pCell);
	int SetDefaultFont(CFont* pFont);

	// Registries
	int AddCellType(CellType* pType);
	CellType* GetCellType(int nIndex) const;
	int AddDataSource(DataSource* pSource);
	DataSource* GetDataSource(int nIndex) const;
	// The data source that holds the column's cells and the column's number in it.
	DataSource* GetColumnDataSource(int nCol) const;
	int GetDataSourceColumn(int nCol) const;

	// Sheets
	int SetSheetCount(int nSheets);
	int GetSheetCount() const;
	int SelectSheet(int nSheet, BOOL bRedraw);
	int GetCurrentSheet() const;
	SheetSettings* GetSheet() const;

	// Geometry
	int SetColumnWidth(int nCol, int nWidth);
	int GetColumnWidth(int nCol, int* pnWidth) const;
	int SetRowHeight(long nRow, int nHeight);
	int GetRowHeight(long nRow, long* pnHeight) const;
	int SetUniformRowHeight(BOOL bUniform);
	int SetTopHeadingHeight(int nHeight);
	int SetSideHeadingWidth(int nWidth);
	int SetTopHeadingRowHeight(long nRow, int nHeight);
	int SetSideHeadingColumnWidth(int nCol, int nWidth);
	int SetTopHeadingRows(int nCount);
	int SetSideHeadingColumns(int nCount);
	int SetLockedColumns(int nCount);
	int SetLockedRows(long nCount);
	int SetTabBarWidth(int nWidth);
	int MoveColumn(int nFrom, int nTo, BOOL bBefore);
	int GetCurrentColumn() const;
	long GetCurrentRow() const;

	// Moving the current cell and the view; every move ends in the commit. Rows and columns past
	// the ends are brought back in (rows past the last are offered to the data source first) and a
	// move into a joined block lands as the running gesture wants.
	int GotoCell(int nCol, long nRow);
	int GotoColumn(int nCol);
	int GotoRow(long nRow);
	int SetTopRow(long nRow);
	int SetLeftColumn(int nCol);
	// Codes for the four below.
	static constexpr int MOVE_PREVIOUS = 0;
	static constexpr int MOVE_NEXT = 1;
	static constexpr int MOVE_PAGE_BACK = 2;
	static constexpr int MOVE_PAGE_FORWARD = 3;
	static constexpr int MOVE_FIRST = 4;
	static constexpr int MOVE_LAST = 5;
	int MoveCurrentColumn(int nCode);
	int MoveCurrentRow(int nCode);
	int ScrollColumns(int nCode);
	int ScrollRows(int nCode);
	// In cell-view coordinates; with joins on, a joined cell stands for its whole block and the
	// block's origin. GetCellFromPoint is 1 off the cells.
	int GetCellFromPoint(int x, int y, int* pnCol, long* pnRow, RECT* pRect);
	int GetCellRect(int nCol, long nRow, RECT* pRect);
	// Offers the rows past the last to the data source and NotifyPastLastRow, and takes on the
	// rows they added.
	void ReportRowsPastEnd(long nRowsPast);

	// Painting
	void RedrawAll();
	void RedrawRange(int nCol1, long nRow1, int nCol2, long nRow2);
	void EnablePainting(BOOL bEnable);
	BOOL IsPaintingEnabled() const;

	// Selection (multiple selection on): the blocks are made by the commit from the moves.
	void ClearSelection();
	// A plain move from the keyboard or the program starts from the current cell, the anchor of
	// the last block, not from the block's moving corner.
	void ReturnToSelectionAnchor();

	// Printing: options as GRID_PRINT_ numbers, the pages a block of cells takes on a printer DC
	// and one of them drawn, or the whole sheet printed on a printer the user or the application
	// chose. PrintGrid is 0 when printed or cancelled, 1 after telling the user it could not print.
	int SetPrintOption(int nOption, int nValue);
	int LayoutPages(CDC* pPrinterDC, CPrintDialog* pDialog, int nFirstCol, long nFirstRow, int nLastCol, long nLastRow);
	int PrintPage(CDC* pPrinterDC, int nPage);
	int PrintGrid(CString* pDocTitle, BOOL bAskUser);

	// In-place editing. StartEdit is 0 when the editor opened on the cell (a heading cell for a
	// negative column or row), 1 when the cell or a notification refused it, 2 when the move to
	// the cell was vetoed; nInitialChar > 0 is typed into it. EndEdit is the editor losing the
	// focus to pNewFocus: it stores, cancels or keeps the edit open (an editor AllowEditStart
	// handed back that is not an InCellEdit calls it itself). CloseEditor hides the editor without
	// storing.
	int StartEdit(int nCol, long nRow, UINT nInitialChar);
	void EndEdit(CWnd* pNewFocus);
	void CloseEditor();
	BOOL IsEditing() const;

	// Lays the children out from the current sheet's sizes.
	void LayoutChildren();
	// Fires the change notifications, keeps the floating window clear and redraws what moved.
	void CommitChanges();
	void KeepWindowClearOfCurrentCell();
	void SetFloatingWindow(CWnd* pWnd, int nMode);

	// The find/replace dialog whose notifications the grid answers (null: none), and whether it
	// searches row by row across all columns instead of down the current column.
	void SetFindDialog(CFindReplaceDialog* pDialog);
	CFindReplaceDialog* GetFindDialog() const;
	void SetFindAcrossColumns(BOOL bAcross);

	// The context menu, empty until the derived class fills it (in AllowMenu, say, for the section
	// the menu is for). Opened at a screen point for a cell (or a heading position) of a section:
	// 0 shown, 1 with the menu switched off, 2 vetoed by AllowMenu.
	CMenu* GetPopupMenu();
	int OpenContextMenu(int nCol, long nRow, int nSection, CPoint ptScreen);

	CellView* GetCellView() const;
	TopHeading* GetTopHeading() const;
	SideHeading* GetSideHeading() const;
	CornerButton* GetCornerButton() const;
	SheetTabBar* GetTabBar() const;
	GridVScrollBar* GetVScrollBar() const;
	GridHScrollBar* GetHScrollBar() const;
	ScrollHintWindow* GetScrollHint() const;
	InCellEdit* GetEditor();

	// Pens for 3-D borders.
	CPen m_penWhite;
	CPen m_penShadow;

	// Set while the find dialog runs, so the focus frame shows without the keyboard focus.
	BOOL m_bForceFocusFrame;

	// Notifications, in their order. A derived class overrides them.
	virtual void NotifyViewFocus(int nSection);
	virtual void NotifyGridReady();
	virtual void NotifySheetCreated(int nSheet);
	virtual int AllowCurrentMove(int nOldCol, long nOldRow, int nNewCol, long nNewRow);
	virtual int AllowViewScroll(int nOldLeftCol, long nOldTopRow, int nNewLeftCol, long nNewTopRow);
	virtual void NotifyPastLastRow(long nRowCount, long nRowsPast, long* pnRowsAdded);
	virtual void NotifyReserved1(int nParam1, long nParam2);
	virtual int AllowColumnResize(int nCol);
	virtual void NotifyColumnResizing(int nCol, int* pnWidth);
	virtual void NotifyColumnResized(int nCol, int* pnWidth);
	virtual int AllowRowResize(long nRow);
	virtual void NotifyRowResizing(long nRow, int* pnHeight);
	virtual void NotifyRowResized(long nRow, int* pnHeight);
	virtual int AllowTopHeadingResize();
	virtual int AllowSideHeadingResize();
	virtual int NotifyTopHeadingResizing(int* pnHeight);
	virtual int NotifySideHeadingResizing(int* pnWidth);
	virtual int NotifyTopHeadingResized(int* pnHeight);
	virtual int NotifySideHeadingResized(int* pnWidth);
	virtual void NotifyCurrentColumn(int nOld, int nNew);
	virtual void NotifyCurrentRow(long nOld, long nNew);
	virtual void NotifyCurrentCell(int nOldCol, int nNewCol, long nOldRow, long nNewRow);
	virtual void NotifyLeftColumn(int nOld, int nNew);
	virtual void NotifyTopRow(long nOld, long nNew);
	virtual void NotifyCellClick(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint, BOOL bProcessed);
	virtual void NotifyCellRightClick(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint, BOOL bProcessed);
	virtual void NotifyCellDoubleClick(int nCol, long nRow, RECT* pRect, POINT* pPoint, BOOL bProcessed);
	virtual void NotifyCellMouseMove(int nCol, long nRow, POINT* pPoint, UINT nKeyFlags, BOOL bProcessed);
	virtual void NotifyTopHeadingClick(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint, BOOL bProcessed);
	virtual void NotifyTopHeadingRightClick(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint,
		BOOL bProcessed);
	virtual void NotifyTopHeadingDoubleClick(int nCol, long nRow, RECT* pRect, POINT* pPoint, BOOL bProcessed);
	virtual void NotifySideHeadingClick(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint, BOOL bProcessed);
	virtual void NotifySideHeadingRightClick(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint,
		BOOL bProcessed);
	virtual void NotifySideHeadingDoubleClick(int nCol, long nRow, RECT* pRect, POINT* pPoint, BOOL bProcessed);
	virtual void NotifyCornerClick(BOOL bDown, RECT* pRect, POINT* pPoint, BOOL bProcessed);
	virtual void NotifyCornerRightClick(BOOL bDown, RECT* pRect, POINT* pPoint, BOOL bProcessed);
	virtual void NotifyCornerDoubleClick(RECT* pRect, POINT* pPoint, BOOL bProcessed);
	virtual void NotifyKeyDown(UINT* pnKey, BOOL bProcessed);
	virtual void NotifyChar(UINT* pnKey, BOOL bProcessed);
	virtual void ProvideCell(int nCol, long nRow, GridCell* pCell);
	virtual void NotifyCellStore(int nCol, long nRow, GridCell* pCell);
	virtual void NotifyReserved2(int nCol, long nRow, GridCell* pCell);
	virtual int NotifyCellTypeEvent(int nTypeIndex, int nCol, long nRow, int nEvent, LPARAM lParam);
	virtual int AllowEditStart(int nCol, long nRow, CWnd** ppEditor);
	virtual int AllowEditChar(int nCol, long nRow, CWnd* pEditor, UINT* pnKey);
	virtual int AllowEditEnd(int nCol, long nRow, CWnd* pEditor, LPCSTR lpszText, BOOL bCancelled);
	virtual int ChooseNextEditCell(int nOldCol, long nOldRow, int* pnCol, long* pnRow);
	virtual void NotifyMenuCommand(int nCol, long nRow, int nSection, UINT nItem);
	virtual int AllowMenu(int nCol, long nRow, int nSection);
	virtual int ProvideTooltipText(int nCol, long nRow, int nSection, CString* pText);
	virtual int ProvideRowScrollHint(long nRow, CString* pText);
	virtual int ProvideColumnScrollHint(int nCol, CString* pText);
	int CompareCellsForSort(GridCell* pA, GridCell* pB, int nFlags) override;
	virtual void NotifyDrawStart(CDC* pDC, int nParam, int nSection);
	virtual void NotifyLayout(RECT* pCellView, RECT* pTopHeading, RECT* pSideHeading, RECT* pCorner, RECT* pVScroll,
		RECT* pHScroll, RECT* pTabBar);
	virtual void NotifySheetTab(int nSheet);
	virtual COLORREF DefaultBackColor(int nSection);
	virtual void DrawFocusFrame(CDC* pDC, RECT* pRect);
	virtual void NotifyViewFocusLost(int nSection);
	virtual int AllowColumnMoveStart(int nCol);
	virtual int AllowColumnMove(int nFromCol, int nToCol);
	virtual void NotifyFloatingWindowMoved(RECT* pOld, RECT* pNew);

protected:
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg UINT OnGetDlgCode();
	afx_msg void OnSysColorChange();
	afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
	afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
	afx_msg LRESULT OnFindReplace(WPARAM wParam, LPARAM lParam);
	BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

	DECLARE_MESSAGE_MAP()

private:
	BOOL CreateChildren();
	void PointChildrenAtSheet();
	void RecomputeLockedSizes();
	// The last top row and last left column for the view's size, with the top row and left column
	// kept within them.
	void RecomputeLastPositions();
	// The position a move starts from: the target, or the current cell before any target.
	int GetTargetColumn() const;
	long GetTargetRow() const;
	// 1 when the move is refused at the end; otherwise the position is brought into range.
	int NormaliseColumn(int* pnCol);
	int NormaliseRow(long* pnRow);
	// The data source (when asked) and AllowCurrentMove both agree to the move from the current cell.
	BOOL MayMoveCurrent(int nCol, long nRow, BOOL bAskSource);
	void ScrollTargetIntoView(BOOL bColumn, BOOL bRow);
	// The commit's selection step: the selection follows the target as the running gesture and
	// its keys say, and the current cell becomes the last block's anchor.
	void UpdateSelection();
	void StartSelectionBlock(int nCol, long nRow);
	void ExtendSelection(int nCol, long nRow);
	// Clears the blocks (their cells drawn again) and starts one at the cell.
	void RestartSelection(int nCol, long nRow);
	// Marks cells whose selected look changed, for the drawing that ends the commit.
	void MarkSelectionCells(int nFirstCol, long nFirstRow, int nLastCol, long nLastRow);
	int PageAvailableHeight() const;
	int PageAvailableWidth() const;
	// The window an edit of the cell takes place in and the cell's rectangle there; null when the
	// cell is in none (the corner, or past the ends).
	CWnd* GetEditHost(int nCol, long nRow, RECT* pRect);
	void GetHeadingCellRect(int nCol, long nRow, RECT* pRect);

	// The first two hold objects the grid deletes; the third holds the cell types.
	SlotTable m_slots[6];
	CellType m_normalType;
	DropListCellType m_dropListType;
	CheckBoxCellType m_checkBoxType;
	ArrowCellType m_arrowType;
	std::unique_ptr<GridPrinter> m_pPrinter;
	CMenu m_popupMenu;
	// Where the context menu was last opened, for its commands.
	int m_nMenuColumn;
	long m_nMenuRow;
	int m_nMenuSection;
	GridCell m_scratchCell;

	std::vector<DataSource*> m_dataSources;
	int m_nDataSourceCount;

	std::vector<std::unique_ptr<SheetSettings>> m_sheets;
	int m_nCurrentSheet;
	SheetSettings* m_pSheet;

	BOOL m_bPaintingEnabled;
	BOOL m_bConstructionFailed;
	BOOL m_bLayingOut;

	std::unique_ptr<CellView> m_pCellView;
	std::unique_ptr<TopHeading> m_pTopHeading;
	std::unique_ptr<SideHeading> m_pSideHeading;
	std::unique_ptr<CornerButton> m_pCorner;
	std::unique_ptr<SheetTabBar> m_pTabBar;
	std::unique_ptr<GridVScrollBar> m_pVScroll;
	std::unique_ptr<GridHScrollBar> m_pHScroll;
	std::unique_ptr<ScrollHintWindow> m_pHint;

	CWnd* m_pFloatingWindow;
	InCellEdit m_editor;

	CFindReplaceDialog* m_pFindDialog;
	BOOL m_bFindAcrossColumns;
};
