// Logical records of pens, brushes and fonts and the text metrics a DC reports, with the Windows
// field names and orders; the GDI keeps them and the toolkit driver draws from them.
#pragma once

#include "framework/core/GdiConstants.h"
#include "framework/core/Types.h"

typedef int* LPINT;

struct LOGPEN
{
	UINT lopnStyle;
	POINT lopnWidth;	// only x is used
	COLORREF lopnColor;
};

struct LOGBRUSH
{
	UINT lbStyle;
	COLORREF lbColor;
	UINT_PTR lbHatch;	// hatch style, or nothing for solid and hollow brushes
};

struct LOGFONT
{
	LONG lfHeight;	// negative: character height in pixels; positive: cell height
	LONG lfWidth;
	LONG lfEscapement;
	LONG lfOrientation;
	LONG lfWeight;
	BYTE lfItalic;
	BYTE lfUnderline;
	BYTE lfStrikeOut;
	BYTE lfCharSet;
	BYTE lfOutPrecision;
	BYTE lfClipPrecision;
	BYTE lfQuality;
	BYTE lfPitchAndFamily;
	char lfFaceName[LF_FACESIZE];
};

struct TEXTMETRIC
{
	LONG tmHeight;
	LONG tmAscent;
	LONG tmDescent;
	LONG tmInternalLeading;
	LONG tmExternalLeading;
	LONG tmAveCharWidth;
	LONG tmMaxCharWidth;
	LONG tmWeight;
	LONG tmOverhang;
	LONG tmDigitizedAspectX;
	LONG tmDigitizedAspectY;
	char tmFirstChar;
	char tmLastChar;
	char tmDefaultChar;
	char tmBreakChar;
	BYTE tmItalic;
	BYTE tmUnderlined;
	BYTE tmStruckOut;
	BYTE tmPitchAndFamily;
	BYTE tmCharSet;
};

typedef LOGPEN* LPLOGPEN;
typedef LOGBRUSH* LPLOGBRUSH;
typedef LOGFONT* LPLOGFONT;
typedef TEXTMETRIC* LPTEXTMETRIC;
