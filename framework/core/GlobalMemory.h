// Movable memory blocks behind HGLOBAL handles, in which the print dialog hands its printer
// records (DEVMODE, DEVNAMES) to the program and to the application object.
#pragma once

#include "framework/core/CommonDialogConstants.h"
#include "framework/core/Types.h"

typedef void* HGLOBAL;

// A block of dwBytes (zeroed with GMEM_ZEROINIT); null when it cannot be had.
HGLOBAL GlobalAlloc(UINT uFlags, size_t dwBytes);
// The block's memory; blocks never move here, so locking only gives the address.
LPVOID GlobalLock(HGLOBAL hMem);
BOOL GlobalUnlock(HGLOBAL hMem);
size_t GlobalSize(HGLOBAL hMem);
// Returns null on success, as on Windows.
HGLOBAL GlobalFree(HGLOBAL hMem);
