// CBrush: solid, hatched, pattern (from a bitmap) and hollow brushes.
#pragma once

#include "framework/ui/gdi/GdiObject.h"
#include "framework/ui/gdi/GdiTypes.h"

class CBitmap;

class CBrush : public CGdiObject
{
	DECLARE_DYNAMIC(CBrush)

public:
	CBrush();
	explicit CBrush(COLORREF crColor);
	CBrush(int nIndex, COLORREF crColor);
	explicit CBrush(CBitmap* pBitmap);

	static CBrush* FromHandle(HBRUSH hBrush);
	operator HBRUSH() const;

	BOOL CreateSolidBrush(COLORREF crColor);
	BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
	// The brush keeps a copy of the bitmap's pixels: later drawing into the bitmap does not change it.
	BOOL CreatePatternBrush(CBitmap* pBitmap);
	BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
	// A brush of its own in the system colour nIndex (COLOR_*), which the program may delete.
	BOOL CreateSysColorBrush(int nIndex);
	int GetLogBrush(LOGBRUSH* pLogBrush) const;
};

// A brush of the system colour owned by the framework; never delete it. It takes the colour's new
// value when the desktop changes it, as on Windows.
HBRUSH GetSysColorBrush(int nIndex);
// The system colour changed: its brush takes the new value.
void AfxSyncSysColorBrush(int nIndex);
