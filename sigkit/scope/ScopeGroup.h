// CScopeGroup: the calibrated scopes of one window sharing a time axis, zoom, pan and cursors,
// and optionally one vertical scale; it turns pointer positions into those changes.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "sigkit/scope/CalibratedScope.h"

#include <vector>

class CWnd;

class CScopeGroup
{
public:
	CScopeGroup();

	void Attach(CCalibratedScope* pScope);
	void SetCalibrated(BOOL bOn);
	BOOL IsCalibrated() const;
	// All panels take the largest volts-per-pixel among them, so equal heights mean equal volts.
	void SetSameVerticalScale(BOOL bOn);
	BOOL IsSameVerticalScale() const;

	// After a run: the whole signal, no cursors, scales recomputed.
	void SignalsChanged();
	// After the scopes changed size: the same vertical scale is the largest again, the time shown stays.
	void ScopesResized();

	// dFactor below 1 zooms in; the time under the pointer stays under it.
	void ZoomAt(CCalibratedScope* pScope, CPoint ptClient, double dFactor);
	void ZoomAboutCentre(double dFactor);
	// The picture follows a pointer moved by dx pixels.
	void PanByPixels(CCalibratedScope* pScope, int dx);
	void ShowWhole();
	ScopeTimeWindow GetTimeWindow() const;

	// FALSE, and nothing placed, outside the signal.
	BOOL PlaceCursor(CCalibratedScope* pScope, CPoint ptClient, BOOL bSecond);
	void ClearCursors();
	BOOL HasCursors() const;

	// "t = 0,1234 ms   Vmto(t) = 0,873 V"; empty outside the signal.
	CString HoverText(CCalibratedScope* pScope, CPoint ptClient) const;
	// The cursors' times, Δt and 1/Δt, and the values at them on the scope last given a cursor.
	CString CursorText() const;
	CCalibratedScope* ScopeAt(CWnd* pParent, CPoint ptParentClient) const;

private:
	CCalibratedScope* Reference() const;
	void ApplyWindow(const ScopeTimeWindow& window);
	void ApplyScales();
	void ApplyCursors();
	void DropCursors();
	void Repaint();

	std::vector<CCalibratedScope*> m_aScopes;
	BOOL m_bCalibrated;
	BOOL m_bSameVerticalScale;
	BOOL m_bCursorA;
	double m_dCursorA;
	BOOL m_bCursorB;
	double m_dCursorB;
	CCalibratedScope* m_pCursorScope;
};
