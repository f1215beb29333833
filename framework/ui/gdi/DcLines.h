// One-pixel solid lines written straight into the pixels of a device that keeps them: a scope
// draws thousands of short segments on every repaint, too many to hand to the toolkit one by one.
#pragma once

#include "framework/ui/backend/Driver.h"

// Lights the pixels of the lines through the points in crColor, within the target's clipping: each
// segment leaves its end point to the next and the last end point is left out (a closed outline
// joins the last point to the first). False, with nothing drawn, when the device keeps no pixels
// the model can write.
bool DcWriteThinLines(const DrawTarget& target, const POINT* pPoints, int nPoints, bool bClosed, COLORREF crColor);
