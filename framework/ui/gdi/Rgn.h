// CRgn: a region of pixels made of rectangles, used for clipping and for update areas.
#pragma once

#include "framework/core/Types.h"
#include "framework/ui/gdi/GdiObject.h"

class CRgn : public CGdiObject
{
	DECLARE_DYNAMIC(CRgn)

public:
	CRgn();

	static CRgn* FromHandle(HRGN hRgn);
	operator HRGN() const;

	BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
	BOOL CreateRectRgnIndirect(LPCRECT lpRect);
	void SetRectRgn(int x1, int y1, int x2, int y2);
	void SetRectRgn(LPCRECT lpRect);

	// Both return the kind of the result (NULLREGION, SIMPLEREGION, COMPLEXREGION) or ERROR.
	int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode);
	int CopyRgn(CRgn* pRgnSrc);
	int OffsetRgn(int x, int y);
	int GetRgnBox(LPRECT lpRect) const;

	BOOL EqualRgn(CRgn* pRgn) const;
	BOOL PtInRegion(int x, int y) const;
	BOOL PtInRegion(POINT point) const;
	BOOL RectInRegion(LPCRECT lpRect) const;
};
