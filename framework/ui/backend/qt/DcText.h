// Text on a DC: decoding the framework's UTF-8 strings and drawing one run of text.
#pragma once

#include "framework/ui/backend/qt/DcState.h"

#include <QFontMetrics>
#include <QString>

// nCount bytes of lpsz, or up to its NUL when nCount is negative; null gives an empty string.
QString DcDecode(LPCTSTR lpsz, int nCount);
QFontMetrics DcMetrics(DcState& state);

// The character cell of the DC's font. Windows' cell holds every glyph whole, so the descent is
// rounded up: glyphs such as parentheses reach below the rounded descent of the Liberation fonts.
struct DcCell
{
	int nAscent;
	int nDescent;

	int Height() const
	{
		return nAscent + nDescent;
	}
};
DcCell DcCellOf(DcState& state);
// Draws text in the DC's font and text colour with the top of its cell at yTop; lpDx, when
// given, holds the advance of each character of the decoded text (of each byte for ASCII, as
// on Windows).
void DcDrawRun(DcState& state, int x, int yTop, const QString& text, const int* lpDx);
// The width the text takes, following lpDx when given.
int DcRunWidth(DcState& state, const QString& text, const int* lpDx);
