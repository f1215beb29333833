// CellType: how a grid cell looks and reacts to the mouse and keyboard. The normal type draws
// borders, text, a bitmap strip and text overflowing from the left; the others derive from it.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/Types.h"

class CDC;
class CFont;
class CPen;
class CString;
class DataSource;
class GridCell;
class GridWindow;
class SheetSettings;

// A cell type's 16-byte identifier.
struct GridTypeId
{
	BYTE m_bytes[16];
};

// Border bits: one-, two- and three-pixel sides, and the two 3-D looks.
constexpr WORD GCB_LEFT = 0x1;
constexpr WORD GCB_TOP = 0x2;
constexpr WORD GCB_RIGHT = 0x4;
constexpr WORD GCB_BOTTOM = 0x8;
constexpr WORD GCB_LEFT2 = 0x10;
constexpr WORD GCB_TOP2 = 0x20;
constexpr WORD GCB_RIGHT2 = 0x40;
constexpr WORD GCB_BOTTOM2 = 0x80;
constexpr WORD GCB_LEFT3 = 0x100;
constexpr WORD GCB_TOP3 = 0x200;
constexpr WORD GCB_RIGHT3 = 0x400;
constexpr WORD GCB_BOTTOM3 = 0x800;
constexpr WORD GCB_SUNKEN = 0x1000;
constexpr WORD GCB_RAISED = 0x2000;

// Cell-type styles of the normal type.
constexpr int GCS_WORDWRAP = 0x2;
constexpr int GCS_ELLIPSIS = 0x4;
constexpr int GCS_SHOWLABEL = 0x8;

// Indexes of the built-in types.
constexpr int GRID_TYPE_NORMAL = 0;
constexpr int GRID_TYPE_DROPLIST = 1;
constexpr int GRID_TYPE_CHECKBOX = 2;
constexpr int GRID_TYPE_ARROW = 3;

// Events the built-in types report through NotifyCellTypeEvent.
constexpr int GRID_EVENT_CHECK_CHANGED = 53;
constexpr int GRID_EVENT_LIST_SHOWING = 100;
constexpr int GRID_EVENT_LIST_CHOSEN = 101;

class CellType : public CObject
{
	DECLARE_DYNAMIC(CellType)

public:
	CellType();
	~CellType() override;

	CellType(const CellType&) = delete;
	CellType& operator=(const CellType&) = delete;

	virtual LPCSTR GetName() const;
	virtual const GridTypeId* GetIdentifier() const;
	// Shrinks the in-place editor's rectangle and returns TRUE, or leaves it and returns FALSE.
	virtual BOOL GetEditArea(RECT* pRect);
	virtual int GetProperty(int nProperty, int nParam);
	virtual int SetProperty(int nProperty, int nValue);
	virtual int OnSysColorChange();
	// Each returns TRUE when it handled the event.
	virtual BOOL OnLButton(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint);
	virtual BOOL OnRButton(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint);
	virtual BOOL OnDoubleClick(int nCol, long nRow, RECT* pRect, POINT* pPoint);
	virtual BOOL OnKeyDown(int nCol, long nRow, UINT* pnKey);
	virtual BOOL OnChar(int nCol, long nRow, UINT* pnKey);
	virtual BOOL OnMouseMove(int nCol, long nRow, POINT* pPoint, UINT nKeyFlags);
	// nSelected is 0, or the selection block that holds the cell plus one.
	virtual void Draw(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell, int nSelected, BOOL bCurrent);
	// For the printer: the font is scaled by the rectangle's height over the row's.
	virtual void DrawScaled(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell);
	virtual void OnFocusGained(int nCol, long nRow, GridCell* pCell);
	virtual void OnFocusLost(int nCol, long nRow, GridCell* pCell);
	virtual void BestSize(CDC* pDC, SIZE* pSize, GridCell* pCell);

	void AttachToGrid(GridWindow* pGrid, int nIndex);
	GridWindow* GetGrid() const;
	int GetIndex() const;

	BOOL m_bEditable;
	BOOL m_bShowLabel;
	BOOL m_bOverflow;

protected:
	// Draws the cell's borders and shrinks *pRect to the content they leave.
	void DrawBorders(CDC* pDC, RECT* pRect, GridCell* pCell);
	// Shrinks *pRect to the content DrawBorders would leave, drawing nothing.
	void GetContentRect(RECT* pRect, GridCell* pCell) const;
	// The normal type's content: colours, font, bitmap strip, aligned text, overflow.
	void DrawText(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell, int nSelected, BOOL bCurrent);

	// Null while the type belongs to no grid.
	SheetSettings* GetSheet() const;
	// A selected cell, and the current one while the sheet highlights it, take the highlight colours.
	BOOL IsHighlighted(int nSelected, BOOL bCurrent) const;
	void GetColors(GridCell* pCell, BOOL bHighlighted, COLORREF* pcrText, COLORREF* pcrBack) const;
	// The cell's font, else the sheet's default font; null when neither has one.
	CFont* GetCellFont(GridCell* pCell) const;
	// The label for types that show labels and for style 8, the text otherwise.
	CString GetDrawnString(GridCell* pCell) const;

	GridWindow* m_pGrid;
	int m_nIndex;

private:
	// When the empty cell (nCol, nRow) shows the end of a text from its left, fills *pSource with
	// the cell that holds it and *pnShift with the widths of the columns the text crosses first.
	BOOL FindOverflowSource(CDC* pDC, int nCol, long nRow, GridCell* pCell, GridCell* pSource, int* pnShift);
	// The grid column left of nBefore whose cells are the data column nDataColumn of pSource; -1 when none.
	int FindGridColumn(DataSource* pSource, int nDataColumn, int nBefore) const;

	// Printing scales the rectangle but not the column widths, so scaled cells keep their text.
	BOOL m_bDrawingScaled;
	// Printer pixels per screen pixel while drawing scaled: the text keeps its margins on paper.
	double m_dDrawingScale;
};
