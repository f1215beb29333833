// CheckBoxCellType: a box with a mark when the cell's number is above 0, toggled by a click in
// the box or the space bar, with the cell's label beside it.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/gdi/Pen.h"
#include "grid/celltypes/CellType.h"
#include "grid/store/GridCell.h"

// Styles: the box's look and the mark.
constexpr int GCS_CHECK_SUNKEN = 0x100;
constexpr int GCS_CHECK_RAISED = 0x200;
constexpr int GCS_CHECK_TICK = 0x1000;

class CheckBoxCellType : public CellType
{
	DECLARE_DYNAMIC(CheckBoxCellType)

public:
	CheckBoxCellType();
	~CheckBoxCellType() override;

	LPCSTR GetName() const override;
	const GridTypeId* GetIdentifier() const override;
	int OnSysColorChange() override;
	BOOL OnLButton(int nCol, long nRow, BOOL bDown, RECT* pRect, POINT* pPoint) override;
	BOOL OnDoubleClick(int nCol, long nRow, RECT* pRect, POINT* pPoint) override;
	BOOL OnKeyDown(int nCol, long nRow, UINT* pnKey) override;
	void Draw(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell, int nSelected, BOOL bCurrent) override;

private:
	// The box in a cell's content rectangle: g = min(height - 6, 12) pixels square, 3 pixels in
	// from the left, centred vertically.
	static CRect BoxRect(const RECT& rcContent);
	void DrawBox(CDC* pDC, const CRect& rcBox, int nStyle);
	static void DrawMark(CDC* pDC, const CRect& rcBox, int nStyle);
	// Stores 1 for a cell that is off and 0 otherwise (a click reads the number, the space bar the
	// boolean), redraws it and reports event 53; FALSE for a read-only cell, which keeps its value.
	BOOL Toggle(int nCol, long nRow, BOOL bByKey);

	CPen m_penLight;
	CPen m_penShadow;
	CPen m_penFace;
	GridCell m_cell;
};
