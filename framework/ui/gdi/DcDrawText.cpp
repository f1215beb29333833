// CDC::DrawText: formatted text in a rectangle, with alignment, word breaks, an ellipsis for
// text too long and '&' marking the mnemonic character.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/backend/qt/DcText.h"
#include "framework/ui/backend/qt/GdiRegion.h"

#include <QStringList>

#include <algorithm>

namespace
{
	const QString kEllipsis = QStringLiteral("...");

	struct TextLine
	{
		QString text;
		int nMnemonic = -1;	// index of the underlined character, -1 for none
	};

	// Removes the '&' marks: "&&" stands for one '&', "&x" underlines x.
	TextLine StripPrefixes(const QString& text)
	{
		TextLine line;
		for (int i = 0; i < text.size(); ++i)
		{
			if (text[i] == QLatin1Char('&') && i + 1 < text.size())
			{
				++i;
				if (text[i] != QLatin1Char('&'))
					line.nMnemonic = line.text.size();
			}
			else if (text[i] == QLatin1Char('&'))
			{
				continue;
			}
			line.text += text[i];
		}
		return line;
	}

	// Breaks a paragraph at spaces so that each line fits nWidth; a word wider than that stays whole.
	QStringList BreakWords(const QString& paragraph, int nWidth, const QFontMetrics& metrics)
	{
		QStringList lines;
		QString current;
		for (const QString& word : paragraph.split(QLatin1Char(' ')))
		{
			QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
			if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > nWidth)
			{
				lines << current;
				current = word;
			}
			else
			{
				current = candidate;
			}
		}
		lines << current;
		return lines;
	}

	QString WithEllipsis(const QString& text, int nWidth, const QFontMetrics& metrics)
	{
		if (metrics.horizontalAdvance(text) <= nWidth)
			return text;
		QString kept = text;
		while (!kept.isEmpty() && metrics.horizontalAdvance(kept + kEllipsis) > nWidth)
			kept.chop(1);
		return kept + kEllipsis;
	}

	std::vector<TextLine> LayOut(const QString& text, UINT nFormat, int nWidth, const QFontMetrics& metrics)
	{
		QStringList pieces;
		if (nFormat & DT_SINGLELINE)
		{
			pieces << text;
		}
		else
		{
			QString normalised = text;
			normalised.remove(QLatin1Char('\r'));
			for (const QString& paragraph : normalised.split(QLatin1Char('\n')))
			{
				if (nFormat & DT_WORDBREAK)
					pieces << BreakWords(paragraph, nWidth, metrics);
				else
					pieces << paragraph;
			}
		}
		std::vector<TextLine> lines;
		for (const QString& piece : pieces)
		{
			TextLine line;
			if (nFormat & DT_NOPREFIX)
				line.text = piece;
			else
				line = StripPrefixes(piece);
			lines.push_back(line);
		}
		if ((nFormat & DT_END_ELLIPSIS) && !(nFormat & DT_CALCRECT) && !lines.empty())
		{
			TextLine& last = lines.back();
			QString shortened = WithEllipsis(last.text, nWidth, metrics);
			if (shortened != last.text && last.nMnemonic >= shortened.size() - kEllipsis.size())
				last.nMnemonic = -1;
			last.text = shortened;
		}
		return lines;
	}
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
	DcState* pState = DcStateOf(this);
	if (pState == nullptr || lpRect == nullptr)
		return 0;
	QFontMetrics metrics = DcMetrics(*pState);
	int nLineHeight = DcCellOf(*pState).Height();
	int nRectWidth = lpRect->right - lpRect->left;
	std::vector<TextLine> lines = LayOut(DcDecode(lpszString, nCount), nFormat, nRectWidth, metrics);
	int nTextHeight = nLineHeight * static_cast<int>(lines.size());

	if (nFormat & DT_CALCRECT)
	{
		int nWidest = 0;
		for (const TextLine& line : lines)
			nWidest = std::max(nWidest, metrics.horizontalAdvance(line.text));
		lpRect->right = lpRect->left + nWidest;
		lpRect->bottom = lpRect->top + nTextHeight;
		return nTextHeight;
	}

	// Vertical placement applies to single lines only, as on Windows.
	int y = lpRect->top;
	if (nFormat & DT_SINGLELINE)
	{
		if (nFormat & DT_VCENTER)
			y = lpRect->top + (lpRect->bottom - lpRect->top - nTextHeight) / 2;
		else if (nFormat & DT_BOTTOM)
			y = lpRect->bottom - nTextHeight;
	}
	QPainter* pPainter = pState->Painter();
	if (pPainter != nullptr)
	{
		pPainter->save();
		if (!(nFormat & DT_NOCLIP))
			pPainter->setClipRect(GdiQRect(*lpRect), Qt::IntersectClip);
		QColor textColor(GetRValue(pState->Attr().crText), GetGValue(pState->Attr().crText), GetBValue(pState->Attr().crText));
		QColor bkColor(GetRValue(pState->Attr().crBk), GetGValue(pState->Attr().crBk), GetBValue(pState->Attr().crBk));
		int yLine = y;
		for (const TextLine& line : lines)
		{
			int nWidth = metrics.horizontalAdvance(line.text);
			int x = lpRect->left;
			if (nFormat & DT_CENTER)
				x = lpRect->left + (nRectWidth - nWidth) / 2;
			else if (nFormat & DT_RIGHT)
				x = lpRect->right - nWidth;
			if (pState->Attr().nBkMode == OPAQUE)
				pPainter->fillRect(QRect(x, yLine, nWidth, nLineHeight), bkColor);
			DcDrawRun(*pState, x, yLine, line.text, nullptr);
			if (line.nMnemonic >= 0)
			{
				int xStart = x + metrics.horizontalAdvance(line.text.left(line.nMnemonic));
				int nCharWidth = metrics.horizontalAdvance(line.text.at(line.nMnemonic));
				pPainter->fillRect(QRect(xStart, yLine + DcCellOf(*pState).nAscent + 1, nCharWidth, 1), textColor);
			}
			yLine += nLineHeight;
		}
		pPainter->restore();
	}
	if (nFormat & (DT_VCENTER | DT_BOTTOM))
		return y - lpRect->top + nTextHeight;
	return nTextHeight;
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
	return DrawText(str, str.GetLength(), lpRect, nFormat);
}
