// The spectrum window on paper: a heading with the run and its figures, the scaled bars, and the
// table over as many pages as it takes.
#include "app/SpectrumDlg.h"

#include "app/RunTexts.h"
#include "app/SpectrumPages.h"

namespace
{
	// The table's own headings say only what a column is.
	const char* const s_units[] = {"", " (Hz)", " (V)", " (°)"};
}

CString CSpectrumDlg::ColumnHeading(int nCol)
{
	GridCell cell;
	m_gridLines.GetCell(nCol, -1, &cell);
	return cell.GetText() + (nCol >= 0 && nCol < 4 ? s_units[nCol] : "");
}

void CSpectrumDlg::OnFilePrint()
{
	SpectrumPageContent content;
	GetWindowText(content.strTitle);
	content.strModulation = ModulationName(*m_pParams);
	content.strParameters = ParameterLine(*m_pParams);
	content.figureLines = m_figureLines;
	const int nColumns = m_gridLines.GetColumnCount();
	for (int nCol = 0; nCol < nColumns; nCol++)
		content.headings.push_back(ColumnHeading(nCol));
	GridCell cell;
	for (long nRow = 0; nRow < m_gridLines.GetRowCount(); nRow++)
	{
		std::vector<CString> row;
		for (int nCol = 0; nCol < nColumns; nCol++)
		{
			m_gridLines.GetCell(nCol, nRow, &cell);
			row.push_back(cell.GetText());
		}
		content.rows.push_back(row);
	}
	// Paper always gets the scaled bars: a handout is read without the window beside it.
	content.paintPicture = [this](CDC& dc, const CRect& rc, int nTextHeight)
	{
		m_scopeSpectrum.PaintPicture(dc, rc, nTextHeight);
	};
	PrintSpectrum(this, content);
}
