// CheckBoxCellType: a box with a mark when the cell's number is above 0, toggled by a click in
// the box or the space bar, with the cell's label beside it.
#pragma once

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
	CPen m_penLight;
	CPen m_penShadow;
	CPen m_penFace;
	GridCell m_cell;
};
