// Toolbar resources written as C++ data, the way a resource script writes a toolbar: the size of
// one button image and the buttons' command ids; the images are the bitmap of the same id.
#pragma once

#include "framework/core/Types.h"

struct ToolbarTemplate
{
	UINT nID;	// also the id of the bitmap holding the images side by side
	WORD wWidth;	// of one image
	WORD wHeight;
	const UINT* pItems;	// command ids, 0 for a separator
	UINT nItems;
};
