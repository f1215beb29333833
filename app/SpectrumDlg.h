// CSpectrumDlg: the spectrum window. It shows the lines of the modulated signal as bars in a
// scope and as a table in a grid, and prints the table.
#pragma once

#include "engine/ModulationParams.h"
#include "engine/SpectralLines.h"
#include "framework/ui/gdi/Font.h"
#include "grid/window/GridWindow.h"
#include "sigkit/frames/TBBDialog.h"
#include "sigkit/scope/EditScope.h"

class CSpectrumDlg;

// Computes the lines from the window's record and hands them to its diagram and its table.
void ComputeSpectralLines(CSpectrumDlg* pDlg);

class CSpectrumDlg : public CTBBDialog
{
public:
	// The record is the main window's and is only read.
	CSpectrumDlg(ModulationParams* pParams, CWnd* pParent = nullptr);

	BOOL OnInitDialog() override;

	CEditScope m_scopeSpectrum;
	CFont m_fontTable;
	GridWindow m_gridLines;
	ModulationParams* m_pParams;

protected:
	void DoDataExchange(CDataExchange* pDX) override;

	afx_msg void OnFilePrint();
	afx_msg void OnFilePrintSetup();

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
};
