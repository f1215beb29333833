// CPen: creation and the logical record of pens.
#include "framework/ui/gdi/Pen.h"

#include "framework/ui/gdi/GdiObjectData.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen::CPen()
{
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
	CreatePen(nPenStyle, nWidth, crColor);
}

CPen* CPen::FromHandle(HPEN hPen)
{
	return static_cast<CPen*>(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(hPen)));
}

CPen::operator HPEN() const
{
	return reinterpret_cast<HPEN>(m_hObject);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
	LOGPEN logPen = { static_cast<UINT>(nPenStyle), { nWidth, 0 }, crColor };
	return CreatePenIndirect(&logPen);
}

BOOL CPen::CreatePenIndirect(const LOGPEN* lpLogPen)
{
	if (lpLogPen == nullptr || (lpLogPen->lopnStyle & PS_STYLE_MASK) > PS_INSIDEFRAME)
		return FALSE;
	LOGPEN logPen = *lpLogPen;
	if (logPen.lopnWidth.x < 0)
		logPen.lopnWidth.x = 0;
	return Attach(GdiAddObject(std::make_shared<GdiPenData>(logPen)));
}

int CPen::GetLogPen(LOGPEN* pLogPen) const
{
	return GetObject(sizeof(LOGPEN), pLogPen);
}
