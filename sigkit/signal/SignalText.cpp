// CSignal's text form: a period followed by X/Y pairs, read line by line through an archive and
// written back the same way.
#include "sigkit/signal/Signal.h"

#include "framework/core/Archive.h"
#include "framework/core/Collections.h"
#include "sigkit/signal/ValueText.h"

#include <cmath>

namespace
{
	constexpr int MAX_LINE_LENGTH = 500;

	// Tokens are separated by spaces only; a tab stays inside its token.
	void AppendTokens(const CString& line, CStringArray& tokens)
	{
		const int length = line.GetLength();
		int i = 0;
		while (i < length)
		{
			while (i < length && line[i] == ' ')
				i++;
			const int start = i;
			while (i < length && line[i] != ' ')
				i++;
			if (i > start)
				tokens.Add(line.Mid(start, i - start));
		}
	}
}

void CSignal::SerializeTXT(CArchive& ar)
{
	if (ar.IsLoading())
		ImportTXT(ar);
	else
		ExportTXT(ar);
}

void CSignal::ImportTXT(CArchive& ar)
{
	CStringArray tokens;
	CString line;
	while (ar.ReadString(line))
	{
		if (!line.IsEmpty() && line.GetLength() <= MAX_LINE_LENGTH)
			AppendTokens(line, tokens);
	}
	if (tokens.GetSize() == 0)
		return;

	CStringArray xTexts, yTexts;
	for (int i = 1; i + 1 <= tokens.GetSize() - 1; i += 2)
	{
		xTexts.Add(tokens[i]);
		yTexts.Add(tokens[i + 1]);
	}
	SetValues(xTexts, yTexts, tokens[0]);
}

// The inverse of ImportTXT: the period, then one "X Y" line a sample, every number in a form that
// reads back to the same double (DoubleToText), so that no line comes near the 500 characters.
void CSignal::ExportTXT(CArchive& ar)
{
	ar.WriteString(DoubleToText(m_dPeriod) + "\n");
	for (UINT i = 0; i < m_nPoints; i++)
		ar.WriteString(DoubleToText(m_pX[i]) + " " + DoubleToText(m_pY[i]) + "\n");
}

void CSignal::SetValues(CStringArray& xTexts, CStringArray& yTexts, const CString& periodText)
{
	RedimXY(0);
	const int n = xTexts.GetSize() < yTexts.GetSize() ? xTexts.GetSize() : yTexts.GetSize();
	if (n == 0)
		return;
	RedimXY(UINT(n));

	double largest = 0.0;
	for (int i = 0; i < n; i++)
	{
		m_pX[i] = TextToDouble(xTexts[i]);
		m_pY[i] = TextToDouble(yTexts[i]);
		if (std::fabs(m_pY[i]) > largest)
			largest = std::fabs(m_pY[i]);
	}
	m_dAmplitude = largest;
	m_dPeriod = TextToDouble(periodText);
	m_dStepX = 1.0;
	m_dFrequency = 1.0 / m_dPeriod;
}
