// CDC: TextOut, ExtTextOut, text extents and metrics.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/backend/qt/DcText.h"
#include "framework/ui/backend/qt/GdiRegion.h"

#include <QFontInfo>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
	QColor ToQColor(COLORREF crColor)
	{
		return QColor(GetRValue(crColor), GetGValue(crColor), GetBValue(crColor));
	}

	// The top left of the text's cell for a reference point under the DC's text alignment.
	QPoint CellOrigin(DcState& state, int x, int y, int nWidth)
	{
		const DcCell cell = DcCellOf(state);
		UINT nAlign = state.Attr().nTextAlign;
		if ((nAlign & TA_CENTER) == TA_CENTER)
			x -= nWidth / 2;
		else if (nAlign & TA_RIGHT)
			x -= nWidth;
		if ((nAlign & TA_BASELINE) == TA_BASELINE)
			y -= cell.nAscent;
		else if (nAlign & TA_BOTTOM)
			y -= cell.Height();
		return QPoint(x, y);
	}

	CSize Extent(const CDC* pDC, LPCTSTR lpszString, int nCount)
	{
		DcState* pState = DcStateOf(pDC);
		if (pState == nullptr)
			return CSize(0, 0);
		QFontMetrics metrics = DcMetrics(*pState);
		return CSize(metrics.horizontalAdvance(DcDecode(lpszString, nCount)), DcCellOf(*pState).Height());
	}
}

QString DcDecode(LPCTSTR lpsz, int nCount)
{
	if (lpsz == nullptr)
		return QString();
	return QString::fromUtf8(lpsz, nCount < 0 ? static_cast<int>(std::strlen(lpsz)) : nCount);
}

QFontMetrics DcMetrics(DcState& state)
{
	return QFontMetrics(state.Font(), state.Device());
}

DcCell DcCellOf(DcState& state)
{
	QFontMetricsF metrics(state.Font(), state.Device());
	return { qRound(metrics.ascent()), static_cast<int>(std::ceil(metrics.descent() - 0.01)) };
}

int DcRunWidth(DcState& state, const QString& text, const int* lpDx)
{
	if (lpDx == nullptr)
		return DcMetrics(state).horizontalAdvance(text);
	int nWidth = 0;
	for (int i = 0; i < text.size(); ++i)
		nWidth += lpDx[i];
	return nWidth;
}

void DcDrawRun(DcState& state, int x, int yTop, const QString& text, const int* lpDx)
{
	QPainter* pPainter = state.Painter();
	if (pPainter == nullptr || text.isEmpty())
		return;
	pPainter->setFont(state.Font());
	pPainter->setPen(ToQColor(state.Attr().crText));
	int yBaseline = yTop + DcCellOf(state).nAscent;
	if (lpDx == nullptr)
	{
		pPainter->drawText(QPoint(x, yBaseline), text);
		return;
	}
	for (int i = 0; i < text.size(); ++i)
	{
		pPainter->drawText(QPoint(x, yBaseline), QString(text[i]));
		x += lpDx[i];
	}
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
	return ExtTextOut(x, y, 0, nullptr, lpszString, static_cast<UINT>(nCount), nullptr);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
	return TextOut(x, y, str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
	LPINT lpDxWidths)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr)
		return FALSE;
	QString text = DcDecode(lpszString, lpszString == nullptr ? 0 : static_cast<int>(nCount));
	bool bUpdateCP = (pState->Attr().nTextAlign & TA_UPDATECP) != 0;
	if (bUpdateCP)
	{
		x = pState->Attr().ptCurrent.x();
		y = pState->Attr().ptCurrent.y();
	}
	int nWidth = DcRunWidth(*pState, text, lpDxWidths);
	QPoint origin = CellOrigin(*pState, x, y, nWidth);
	QPainter* pPainter = pState->Painter();
	if (pPainter != nullptr)
	{
		QRect rect = lpRect == nullptr ? QRect() : GdiQRect(*lpRect);
		if ((nOptions & ETO_OPAQUE) && lpRect != nullptr)
			pPainter->fillRect(GdiNormalizedQRect(*lpRect), ToQColor(pState->Attr().crBk));
		pPainter->save();
		if ((nOptions & ETO_CLIPPED) && lpRect != nullptr)
			pPainter->setClipRect(rect, Qt::IntersectClip);
		if (pState->Attr().nBkMode == OPAQUE && !text.isEmpty())
		{
			pPainter->fillRect(QRect(origin.x(), origin.y(), nWidth, DcCellOf(*pState).Height()),
				ToQColor(pState->Attr().crBk));
		}
		DcDrawRun(*pState, origin.x(), origin.y(), text, lpDxWidths);
		pPainter->restore();
	}
	if (bUpdateCP)
		pState->Attr().ptCurrent.rx() += nWidth;
	return TRUE;
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
	return ExtTextOut(x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
	return Extent(this, lpszString, nCount);
}

CSize CDC::GetTextExtent(const CString& str) const
{
	return GetTextExtent(str, str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
	return Extent(this, lpszString, nCount);
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
	return GetOutputTextExtent(str, str.GetLength());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || lpMetrics == nullptr)
		return FALSE;
	QFontMetrics metrics = DcMetrics(*pState);
	const LOGFONT& logFont = pState->Attr().pFont->m_logFont;
	std::memset(lpMetrics, 0, sizeof(TEXTMETRIC));
	const DcCell cell = DcCellOf(*pState);
	lpMetrics->tmAscent = cell.nAscent;
	lpMetrics->tmDescent = cell.nDescent;
	lpMetrics->tmHeight = cell.Height();
	lpMetrics->tmInternalLeading = lpMetrics->tmHeight - pState->Font().pixelSize();
	lpMetrics->tmExternalLeading = std::max(0, metrics.leading());
	lpMetrics->tmAveCharWidth = metrics.averageCharWidth();
	lpMetrics->tmMaxCharWidth = metrics.maxWidth();
	lpMetrics->tmWeight = pState->Font().weight();
	lpMetrics->tmDigitizedAspectX = GetDeviceCaps(LOGPIXELSX);
	lpMetrics->tmDigitizedAspectY = GetDeviceCaps(LOGPIXELSY);
	lpMetrics->tmFirstChar = ' ';
	lpMetrics->tmLastChar = '~';
	lpMetrics->tmDefaultChar = '?';
	lpMetrics->tmBreakChar = ' ';
	lpMetrics->tmItalic = logFont.lfItalic;
	lpMetrics->tmUnderlined = logFont.lfUnderline;
	lpMetrics->tmStruckOut = logFont.lfStrikeOut;
	// The "fixed pitch" bit is set for variable-pitch fonts, as on Windows.
	BYTE nPitch = QFontInfo(pState->Font()).fixedPitch() ? 0 : TMPF_FIXED_PITCH;
	lpMetrics->tmPitchAndFamily = static_cast<BYTE>(nPitch | TMPF_TRUETYPE | (logFont.lfPitchAndFamily & 0xF0));
	lpMetrics->tmCharSet = logFont.lfCharSet;
	return TRUE;
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
	return GetTextMetrics(lpMetrics);
}
