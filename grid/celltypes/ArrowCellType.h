// ArrowCellType: one or two small arrows centred in the cell, chosen by the cell-type style.
#pragma once

#include "grid/celltypes/CellType.h"

constexpr int GCS_ARROW_RIGHT = 0x10;
constexpr int GCS_ARROW_LEFT = 0x20;
constexpr int GCS_ARROW_APART = 0x40;
constexpr int GCS_ARROW_TOGETHER = 0x80;

class ArrowCellType : public CellType
{
	DECLARE_DYNAMIC(ArrowCellType)

public:
	ArrowCellType();

	void Draw(CDC* pDC, RECT* pRect, int nCol, long nRow, GridCell* pCell, int nSelected, BOOL bCurrent) override;
};
