// CSpectrumDlg: the spectrum window. It shows the lines of the modulated signal as bars in a
// scope and as a table in a grid, with the figures of the course beside them when the scales
// show, and prints, copies and grows with its frame.
#pragma once

#include "app/SpectrumLayout.h"
#include "app/SpectrumLineGrid.h"
#include "engine/ModulationParams.h"
#include "engine/SpectralLines.h"
#include "framework/ui/controls/Static.h"
#include "framework/ui/gdi/Font.h"
#include "sigkit/frames/TBBDialog.h"
#include "sigkit/scope/SpectrumScope.h"

#include <vector>

class CBitmap;
class CCmdUI;

class CSpectrumDlg;

// Computes the lines from the window's record and hands them to its diagram and its table.
void ComputeSpectralLines(CSpectrumDlg* pDlg);

class CSpectrumDlg : public CTBBDialog
{
public:
	// The record is the main window's and is only read.
	CSpectrumDlg(ModulationParams* pParams, CWnd* pParent = nullptr);

	BOOL OnInitDialog() override;
	BOOL PreTranslateMessage(MSG* pMsg) override;

	// The bars and the table's rows point at each other: the bar of a row, -1 for none.
	int BarOfRow(long nRow) const;
	long RowOfBar(int nBar) const;
	// A row became current in the table: its bar lights.
	void TableRowChanged(long nRow);

	// The table as tab-separated text with a heading line and decimal commas: the rows selected
	// in it, all of them when none is.
	CString TableText();
	// A column's heading with the unit of its numbers: "Frequenza (Hz)".
	CString ColumnHeading(int nCol);

	CSpectrumScope m_scopeSpectrum;
	CFont m_fontTable;
	CSpectrumLineGrid m_gridLines;
	ModulationParams* m_pParams;
	// The scales and the figures show: the main window's setting, handed in and read back.
	BOOL m_bScales;

protected:
	void DoDataExchange(CDataExchange* pDX) override;
	void OnCancel() override;

	afx_msg void OnFilePrint();
	afx_msg void OnFilePrintSetup();
	afx_msg void OnEditCopyRows();
	afx_msg void OnEditCopyPicture();
	afx_msg void OnViewScales();
	afx_msg void OnUpdateViewScales(CCmdUI* pCmdUI);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
	afx_msg void OnViewToolBar();
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

	DECLARE_MESSAGE_MAP()

private:
	friend void ComputeSpectralLines(CSpectrumDlg* pDlg);

	void SetupLineTable();
	void CreateTableFont();
	void SetLabel(UINT nID, LPCSTR lpszText, double dValue);

	// Side lines of the amplitude family: (frequency, amplitude) pairs, nCount doubles.
	void PlotSpectralLines(const double* pLines, int nCount);
	void FillLineTable(const double* pLines, int nCount);
	// Orders 0 … nCount − 1 of an angle modulation.
	void PlotSpectralLines(const AngleLine* pLines, int nCount);
	void FillLineTable(const AngleLine* pLines, int nCount);
	// One row of the table from column 1 on: frequency, amplitude and, when nPhase ≥ 0, phase.
	void FillLineRow(long nRow, double dFrequency, double dAmplitude, int nPhase);
	// The points and scales of the plain picture, kept to be played again at a new size.
	void PlayBars();

	// The figures' panel: created hidden, filled from the record, shown with the scales.
	void CreateFiguresPanel();
	int FiguresHeight();
	void ShowScales(BOOL bOn);

	// The controls follow the client area below the toolbar as the template places them.
	void KeepTemplateLayout();
	CRect AreaBelowToolBar();
	void LayOutControls();
	void WidenColumns(int nTableWidth);

	// The tooltip of the bar under the pointer of the scope, and the bar it lights.
	void ShowBarTip(CPoint ptScope);
	CString BarTipText(int nBar);
	BOOL RenderBarsPicture(CBitmap& bitmap);

	// Bar k stands for row k of the table.
	std::vector<SpectrumBar> m_bars;
	double m_dCentre;
	double m_dHalfSpan;
	// The angle lines as computed, for the figures; and the figures' texts, for screen and paper.
	std::vector<AngleLine> m_angleLines;
	std::vector<CString> m_figureLines;
	std::vector<double> m_plotX;
	std::vector<double> m_plotY;
	double m_dPlotYRange;
	double m_dPlotXRange;
	CStatic m_wndFigures[2];
	int m_nFiguresMeasuredWidth;
	int m_nFiguresMeasuredWidth2;
	int m_nFiguresMeasuredHeight;
	SpectrumTemplate m_layoutTemplate;
	BOOL m_bLayoutKept;
	int m_nTipBar;
	// The bar of the row the user made current, -1 before any.
	int m_nRowBar;
	// The columns' widths at the template's size: a wider table widens them in proportion.
	std::vector<int> m_templateColumnWidths;
};
