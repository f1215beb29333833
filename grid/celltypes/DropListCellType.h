// DropListCellType: a cell with a button that opens a list of the items in the cell's label;
// choosing one makes it the cell's text.
#pragma once

#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Pen.h"
#include "grid/celltypes/CellType.h"
#include "grid/celltypes/DropListBox.h"

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

	// The list box reports how it ended: with a chosen item, or closed by losing the focus.
	void OnListChosen(LPCSTR lpszItem);
	void OnListClosed(BOOL bByFocusLoss);

private:
	void ShowList(int nCol, long nRow, const RECT& rcCell);

	CPen m_penFace;
	CBrush m_brFace;
	int m_nButtonWidth;
	BOOL m_bPressed;
	int m_nListCol;
	long m_nListRow;
	RECT m_rcButton;
	DropListBox m_listBox;
};
