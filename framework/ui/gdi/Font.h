// CFont: a logical font. Windows face names are mapped to installed fonts through a fixed table,
// so that text measures the same on every machine. Unlike Windows, escapement and orientation
// are kept but do not rotate the text.
#pragma once

#include "framework/ui/gdi/GdiObject.h"
#include "framework/ui/gdi/GdiTypes.h"

class CDC;

class CFont : public CGdiObject
{
	DECLARE_DYNAMIC(CFont)

public:
	CFont();

	static CFont* FromHandle(HFONT hFont);
	operator HFONT() const;

	BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
	BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
		BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
		BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
	// nPointSize in tenths of a point, converted with the vertical resolution of pDC (of the
	// screen when pDC is null).
	BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
	BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = nullptr);
	int GetLogFont(LOGFONT* pLogFont) const;
};
