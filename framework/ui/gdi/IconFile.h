// Icons made from the bytes of an icon file, as resources hold them.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Types.h"

#include <cstddef>

// An icon with every size the file holds, the first one (the one drawn) first; null when no
// picture in it can be read.
HICON AfxCreateIconFromFile(const BYTE* pData, size_t nSize);
