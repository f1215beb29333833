// Where a move along one direction lands when the position it reaches lies in a joined block, so
// that the keyboard and the mouse never leave the current cell inside a block's hidden members.
#pragma once

// nNew is the position reached, nTarget the one moved from, [nOrigin, nLast] the block along this
// direction and nCount the number of positions. A mouse gesture lands on the block's origin; the
// keyboard (bKeyboard) steps onto the block from outside and off it from inside.
long GridStepOverJoin(long nNew, long nTarget, long nOrigin, long nLast, long nCount, bool bKeyboard);
