// CCalibratedScope: a CEditScope that also keeps its samples in volts and seconds and paints them
// as a bench oscilloscope does: 1-2-5 divisions, a readout, zoom and cursors.
#pragma once

#include "framework/core/String.h"
#include "sigkit/scope/EditScope.h"
#include "sigkit/scope/ScopeView.h"

#include <vector>

// The readout's text height on screen; a picture painted with taller text scales its divisions
// with it, so it looks as the screen does.
constexpr int SCOPE_SCREEN_TEXT_HEIGHT = 12;

class CCalibratedScope : public CEditScope
{
public:
	CCalibratedScope();

	// Off, the control paints CEditScope's picture unchanged.
	void SetCalibrated(BOOL bOn);
	BOOL IsCalibrated() const;
	void SetName(LPCTSTR lpszName);
	CString GetName() const;
	void SetNote(const CString& strNote);

	// The arrays given to PlaySignal: t = X × dSecondsPerX; dPeak sets the default vertical scale.
	// A count of 0 empties the copy. The view goes back to the whole signal.
	void SetSamples(const double* pX, const double* pY, int nCount, double dSecondsPerX, double dPeak);
	int GetSampleCount() const;
	// Seconds between two samples, 0 with fewer than two.
	double SampleStep() const;

	// The base picture's vertical scale: 2.2 × peak over the display height.
	double OwnVoltsPerPixel() const;
	// 0 goes back to the scope's own scale.
	void SetVoltsPerPixel(double dVoltsPerPixel);
	double VoltsPerPixel() const;

	// The whole view lays time 0 on the base picture's axis column and 1.01 × the signal's length
	// over the client width, as CEditScope does, so switching calibration does not move the trace.
	ScopeTimeWindow WholeTimeWindow() const;
	void SetTimeWindow(const ScopeTimeWindow& window);
	ScopeTimeWindow GetTimeWindow() const;

	void SetCursors(BOOL bA, double tA, BOOL bB, double tB);

	// FALSE outside the signal's first and last sample.
	BOOL TimeAtClientX(int x, double& t) const;
	BOOL ValueAtTime(double t, double& v) const;

	// The calibrated picture in any DC and rectangle; the time window spans the rectangle's width
	// and the vertical scale follows its height relative to the client area.
	void PaintPicture(CDC& dc, const CRect& rc, int nTextHeight);

protected:
	afx_msg void OnPaint();

	DECLARE_MESSAGE_MAP()

private:
	CRect ClientRect() const;
	CRect ScopeDisplayArea(const CRect& rc) const;
	// The 1-2-5 steps of one division: a division is about as many text heights on any picture.
	struct Divisions
	{
		double dVolts;
		double dSeconds;
	};
	static Divisions DivisionsFor(const CRect& rc, const ScopeTimeWindow& window, double dVoltsPerPixel, int nTextHeight);
	void PaintGrid(CDC& dc, const CRect& rc, const ScopeTimeWindow& window, double dVoltsPerPixel, int nAxisRow,
		const Divisions& divisions) const;
	void PaintEmptyGrid(CDC& dc, const CRect& rc, double dScale) const;
	void PaintTrace(CDC& dc, const CRect& rc, const ScopeTimeWindow& window, double dVoltsPerPixel, int nAxisRow) const;
	void PaintCursors(CDC& dc, const CRect& rc, const ScopeTimeWindow& window) const;
	void PaintReadout(CDC& dc, const CRect& rc, const Divisions& divisions) const;

	BOOL m_bCalibrated;
	CString m_strName;
	CString m_strNote;
	std::vector<double> m_aTimes;
	std::vector<double> m_aValues;
	double m_dPeak;
	double m_dWholeSpan;
	double m_dVoltsPerPixel;
	BOOL m_bWholeWindow;	// follows the client size until a window is set
	ScopeTimeWindow m_window;
	BOOL m_bCursorA;
	double m_dCursorA;
	BOOL m_bCursorB;
	double m_dCursorB;
};
