// Drawing pieces the cell types share: the two-coloured frames of 3-D looks.
#pragma once

#include "framework/core/Geometry.h"

class CDC;
class CPen;

// A one-pixel frame just inside rc: pTopLeft draws the left and top sides, pBottomRight the
// right and bottom ones.
void DrawCellFrame(CDC* pDC, const RECT& rc, CPen* pTopLeft, CPen* pBottomRight);
