// CDC::DrawText: formatted text in a rectangle, with alignment, word breaks, an ellipsis for
// text too long and '&' marking the mnemonic character.
#include "framework/ui/gdi/Dc.h"

#include "framework/ui/gdi/DcPaint.h"
#include "framework/ui/gdi/DcText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
	const std::string kEllipsis = "...";

	struct TextLine
	{
		std::string text;
		size_t nMnemonic = std::string::npos;	// byte offset of the underlined character
	};

	bool IsContinuation(char c)
	{
		return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
	}

	// The bytes of the UTF-8 character starting at nAt.
	size_t CharLength(const std::string& text, size_t nAt)
	{
		size_t nEnd = nAt + 1;
		while (nEnd < text.size() && IsContinuation(text[nEnd]))
			++nEnd;
		return nEnd - nAt;
	}

	// Removes the '&' marks: "&&" stands for one '&', "&x" underlines x.
	TextLine StripPrefixes(const std::string& text)
	{
		TextLine line;
		for (size_t i = 0; i < text.size(); ++i)
		{
			if (text[i] == '&' && i + 1 < text.size())
			{
				++i;
				if (text[i] != '&')
					line.nMnemonic = line.text.size();
			}
			else if (text[i] == '&')
			{
				continue;
			}
			line.text += text[i];
		}
		return line;
	}

	std::vector<std::string> Split(const std::string& text, char cSeparator)
	{
		std::vector<std::string> pieces;
		size_t nStart = 0;
		for (size_t nAt = text.find(cSeparator); nAt != std::string::npos; nAt = text.find(cSeparator, nStart))
		{
			pieces.push_back(text.substr(nStart, nAt - nStart));
			nStart = nAt + 1;
		}
		pieces.push_back(text.substr(nStart));
		return pieces;
	}

	class LineMeasure
	{
	public:
		explicit LineMeasure(DcState& state)
			: m_state(state)
		{
		}

		int operator()(const std::string& text) const
		{
			return DcTextWidth(m_state, text.data(), static_cast<int>(text.size()));
		}

	private:
		DcState& m_state;
	};

	// Breaks a paragraph at spaces so that each line fits nWidth; a word wider than that stays whole.
	void BreakWords(const std::string& paragraph, int nWidth, const LineMeasure& measure, std::vector<std::string>* pLines)
	{
		std::string current;
		for (const std::string& word : Split(paragraph, ' '))
		{
			std::string candidate = current.empty() ? word : current + ' ' + word;
			if (!current.empty() && measure(candidate) > nWidth)
			{
				pLines->push_back(current);
				current = word;
			}
			else
			{
				current = candidate;
			}
		}
		pLines->push_back(current);
	}

	std::string WithEllipsis(const std::string& text, int nWidth, const LineMeasure& measure)
	{
		if (measure(text) <= nWidth)
			return text;
		std::string kept = text;
		while (!kept.empty() && measure(kept + kEllipsis) > nWidth)
		{
			size_t nLast = kept.size() - 1;
			while (nLast > 0 && IsContinuation(kept[nLast]))
				--nLast;
			kept.erase(nLast);
		}
		return kept + kEllipsis;
	}

	std::vector<TextLine> LayOut(const std::string& text, UINT nFormat, int nWidth, const LineMeasure& measure)
	{
		std::vector<std::string> pieces;
		if (nFormat & DT_SINGLELINE)
		{
			pieces.push_back(text);
		}
		else
		{
			std::string normalised = text;
			normalised.erase(std::remove(normalised.begin(), normalised.end(), '\r'), normalised.end());
			for (const std::string& paragraph : Split(normalised, '\n'))
			{
				if (nFormat & DT_WORDBREAK)
					BreakWords(paragraph, nWidth, measure, &pieces);
				else
					pieces.push_back(paragraph);
			}
		}
		std::vector<TextLine> lines;
		for (const std::string& piece : pieces)
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
			std::string shortened = WithEllipsis(last.text, nWidth, measure);
			if (shortened != last.text && last.nMnemonic != std::string::npos
				&& last.nMnemonic + kEllipsis.size() >= shortened.size())
				last.nMnemonic = std::string::npos;
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
	const LineMeasure measure(*pState);
	const DcCell cell = DcCellOf(*pState);
	int nLineHeight = cell.Height();
	int nRectWidth = lpRect->right - lpRect->left;
	const std::string text(lpszString == nullptr ? "" : lpszString, static_cast<size_t>(DcTextLength(lpszString, nCount)));
	std::vector<TextLine> lines = LayOut(text, nFormat, nRectWidth, measure);
	int nTextHeight = nLineHeight * static_cast<int>(lines.size());

	if (nFormat & DT_CALCRECT)
	{
		int nWidest = 0;
		for (const TextLine& line : lines)
			nWidest = std::max(nWidest, measure(line.text));
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
	if (pState->Target() != nullptr)
	{
		const CRect clip(*lpRect);
		const CRect* pClip = (nFormat & DT_NOCLIP) ? nullptr : &clip;
		int yLine = y;
		for (const TextLine& line : lines)
		{
			int nWidth = measure(line.text);
			int x = lpRect->left;
			if (nFormat & DT_CENTER)
				x = lpRect->left + (nRectWidth - nWidth) / 2;
			else if (nFormat & DT_RIGHT)
				x = lpRect->right - nWidth;
			if (pState->Attr().nBkMode == OPAQUE)
				DcFillBackground(*pState, CRect(x, yLine, x + nWidth, yLine + nLineHeight), pClip);
			DcDrawRun(*pState, CPoint(x, yLine), line.text.data(), static_cast<int>(line.text.size()), nullptr, pClip);
			if (line.nMnemonic != std::string::npos)
			{
				const int xStart = x + measure(line.text.substr(0, line.nMnemonic));
				const int nCharWidth = measure(line.text.substr(line.nMnemonic, CharLength(line.text, line.nMnemonic)));
				CRect underline(xStart, yLine + cell.nAscent + 1, xStart + nCharWidth, yLine + cell.nAscent + 2);
				if (pClip != nullptr)
					underline.IntersectRect(&underline, pClip);
				DcFillSolid(*pState, underline, pState->Attr().crText);
			}
			yLine += nLineHeight;
		}
	}
	if (nFormat & (DT_VCENTER | DT_BOTTOM))
		return y - lpRect->top + nTextHeight;
	return nTextHeight;
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
	return DrawText(str, str.GetLength(), lpRect, nFormat);
}
