// CFont: creation and the logical record of fonts.
#include "framework/ui/gdi/Font.h"

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/GdiObjectData.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

namespace
{
	const int kScreenPixelsPerInch = 96;
}

CFont::CFont()
{
}

CFont* CFont::FromHandle(HFONT hFont)
{
	return static_cast<CFont*>(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(hFont)));
}

CFont::operator HFONT() const
{
	return reinterpret_cast<HFONT>(m_hObject);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
	if (lpLogFont == nullptr)
		return FALSE;
	return Attach(GdiAddObject(std::make_shared<GdiFontData>(*lpLogFont)));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
	BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
	BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
	LOGFONT logFont;
	std::memset(&logFont, 0, sizeof(logFont));
	logFont.lfHeight = nHeight;
	logFont.lfWidth = nWidth;
	logFont.lfEscapement = nEscapement;
	logFont.lfOrientation = nOrientation;
	logFont.lfWeight = nWeight;
	logFont.lfItalic = bItalic;
	logFont.lfUnderline = bUnderline;
	logFont.lfStrikeOut = cStrikeOut;
	logFont.lfCharSet = nCharSet;
	logFont.lfOutPrecision = nOutPrecision;
	logFont.lfClipPrecision = nClipPrecision;
	logFont.lfQuality = nQuality;
	logFont.lfPitchAndFamily = nPitchAndFamily;
	if (lpszFacename != nullptr)
		std::strncpy(logFont.lfFaceName, lpszFacename, LF_FACESIZE - 1);
	return CreateFontIndirect(&logFont);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
	LOGFONT logFont;
	std::memset(&logFont, 0, sizeof(logFont));
	logFont.lfCharSet = DEFAULT_CHARSET;
	logFont.lfHeight = nPointSize;
	if (lpszFaceName != nullptr)
		std::strncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
	return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
	if (lpLogFont == nullptr)
		return FALSE;
	LOGFONT logFont = *lpLogFont;
	int nPixelsPerInch = pDC != nullptr && pDC->m_hDC != nullptr ? pDC->GetDeviceCaps(LOGPIXELSY) : kScreenPixelsPerInch;
	// Tenths of a point to pixels, rounded to the nearest pixel; negative asks for the character height.
	logFont.lfHeight = -std::abs((nPixelsPerInch * static_cast<int>(logFont.lfHeight) + 360) / 720);
	return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
	return GetObject(sizeof(LOGFONT), pLogFont);
}
