// CPen: a cosmetic pen of one colour, solid, styled (dashes and dots) or null.
#pragma once

#include "framework/ui/gdi/GdiObject.h"
#include "framework/ui/gdi/GdiTypes.h"

class CPen : public CGdiObject
{
	DECLARE_DYNAMIC(CPen)

public:
	CPen();
	CPen(int nPenStyle, int nWidth, COLORREF crColor);

	static CPen* FromHandle(HPEN hPen);
	operator HPEN() const;

	BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
	BOOL CreatePenIndirect(const LOGPEN* lpLogPen);
	int GetLogPen(LOGPEN* pLogPen) const;
};
