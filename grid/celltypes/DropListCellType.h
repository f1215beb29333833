// DropListCellType: a cell with a button that opens a list of the items in the cell's label;
// choosing one makes it the cell's text.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Pen.h"
#include "grid/celltypes/CellType.h"
#include "grid/celltypes/DropListBox.h"
#include "grid/store/GridCell.h"

// With this style a cell that is not current draws like a normal cell, without its button.
constexpr int GCS_DROPLIST_BUTTON_WHEN_CURRENT = 0x200;

class DropListCellType : public CellType
{
	DECLARE_DYNAMIC(DropListCellType)

public:
	DropListCellType();
	~DropListCellType() override;

	LPCSTR GetName() const override;
	const GridTypeId* GetIdentifier() const override;
	BOOL GetEditArea(RECT* pRect) override;
	int OnSysColorChange() override;
	BOOL OnLButton(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint) override;
	BOOL OnDoubleClick(int nCol, long nRow, RECT* pRect, POINT* pPoint) override;
	BOOL OnKeyDown(int nCol, long nRow, UINT* pnKey) override;
	BOOL OnChar(int nCol, long nRow, UINT* pnKey) override;
	BOOL OnMouseMove(int nCol, long nRow, POINT* pPoint, UINT nKeyFlags) override;
	void Draw(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell, int nSelected, BOOL bCurrent) override;
	void OnFocusLost(int nCol, long nRow, GridCell* pCell) override;

	// The list box reports the item chosen, then that it has closed, by losing the focus or not.
	void OnListChosen(LPCSTR lpszItem);
	void OnListClosed(BOOL bByFocusLoss);
	// The list while it is open; its window is gone otherwise.
	DropListBox* GetListBox();

private:
	// Values of m_nListCol and m_nListRow besides a cell's. A list that closed because it lost the
	// focus may have lost it to a press on the button, which must not open the list again.
	static constexpr int NO_LIST = -1;
	static constexpr int CLOSED_BY_FOCUS_LOSS = -2;

	// The cell's list shown below rcCell (cell-view coordinates), unless a list is open already.
	void ShowList(int nCol, long nRow, const RECT& rcCell);
	// A cell with the button-when-current style shows its button only while it is current.
	BOOL HasButton(int nCol, long nRow, GridCell* pCell) const;
	CRect GetButtonRect(const RECT& rcCell, GridCell* pCell) const;
	// The cell whose list is open or whose button is pressed.
	BOOL IsListCell(int nCol, long nRow) const;
	void RedrawCell(int nCol, long nRow);

	CPen m_penFace;
	CBrush m_brFace;
	int m_nButtonWidth;
	BOOL m_bPressed;
	int m_nListCol;
	long m_nListRow;
	// The button last pressed, for the mouse moving in and out of it.
	CRect m_rcButton;
	DropListBox m_listBox;
	GridCell m_cell;
};
