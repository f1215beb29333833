// CEditScope: an oscilloscope-like plotting control that takes over a dialog's EDIT control,
// turns sample arrays into 16-bit pixel traces at once and paints grid, axes and traces.
#pragma once

#include "framework/core/Collections.h"
#include "framework/ui/controls/Edit.h"

class CDC;
struct ScopePaintState;

class CEditScope : public CEdit
{
public:
	CEditScope();
	~CEditScope() override;

	void SetXType(int nType);
	void SetYType(int nType);
	int GetXAxis();
	int GetYAxis();
	CRect GetDisplayRect();

	void SetYScaleTo(double dRange);
	void SetXScaleTo(double dRange);
	void SetYScaleTo(int nPixels, double dRange);
	void SetXScaleTo(int nPixels, double dRange);
	void SetXGrid(double dStep);
	void SetYGrid(double dStep);

	void PlaySignal(double* pX, double* pY, int nCount);
	void PlaySignalAdd(double* pX, double* pY, int nCount);
	void ResetSignal();
	UINT GetSignalsCount();
	void SetStartDisplay(int nIndex);
	void SetEndDisplay(int nIndex);

	void SetPlayMode(int nMode);
	void SetPlayAddMode(int nMode);
	void DisplayAxis(int bDisplay);
	void SetPeriodic(int bPeriodic);
	int IsPeriodic();

	int m_nEndDisplay;
	int m_nStartDisplay;
	BOOL m_bDisplayAxis;
	CObArray m_aXPixels;
	CObArray m_aYPixels;
	int m_nPlayAddMode;
	int m_nPlayMode;
	double m_dYScale;
	double m_dXScale;
	int m_nYGrid;
	int m_nXGrid;
	int m_nXType;
	int m_nYType;
	int m_nYAxis;
	int m_nXAxis;
	BOOL m_bPeriodic;

protected:
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg void OnPaint();
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);

	void DrawGrid(CDC& dc, CRect rect);
	void PaintNormal(CDC& dc, CRect rect);
	void PaintHistogram(CDC& dc, CRect rect);

	DECLARE_MESSAGE_MAP()

private:
	ScopePaintState PaintState(const CRect& rect) const;
};
