// Device-independent bitmaps drawn on a DC and read back from a bitmap: bottom-up rows (top-down
// with a negative height), 1, 4 and 8 bits with a colour table, 24 and 32 bits, DIB_RGB_COLORS.
#pragma once

#include "framework/core/DibTypes.h"
#include "framework/core/Handles.h"
#include "framework/core/Types.h"

// Source coordinates count from the DIB's first stored row, that is from the bottom of a
// bottom-up DIB. The bits hold the rows uStartScan .. uStartScan + cScanLines - 1.
int SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD dwWidth, DWORD dwHeight, int xSrc, int ySrc,
	UINT uStartScan, UINT cScanLines, const void* lpvBits, const BITMAPINFO* lpbmi, UINT fuColorUse);
int StretchDIBits(HDC hdc, int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
	int nSrcWidth, int nSrcHeight, const void* lpBits, const BITMAPINFO* lpbmi, UINT iUsage, DWORD dwRop);

// Fills lpvBits with the rows uStartScan .. of hbm in the format lpbmi asks for (and its colour
// table); with lpvBits null and biBitCount 0 it only fills in the header. Returns the rows copied.
int GetDIBits(HDC hdc, HBITMAP hbm, UINT uStartScan, UINT cScanLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
	UINT uUsage);
