// Icons made from the bytes of an icon file, as resources hold them, and the size an icon is drawn at.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/core/Types.h"

#include <cstddef>

// An icon with every size the file holds, the first one (the one drawn) first; null when no
// picture in it can be read.
HICON AfxCreateIconFromFile(const BYTE* pData, size_t nSize);
// The size of the picture DrawIcon draws; 0 by 0 for a handle that is not an icon.
CSize AfxGetIconSize(HICON hIcon);
