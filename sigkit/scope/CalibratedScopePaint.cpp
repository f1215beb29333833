// CCalibratedScope's picture: grid at the 1-2-5 divisions counted from t = 0 and 0 V, the trace
// re-played from the stored samples for the time window, the cursors and the readout.
#include "sigkit/scope/CalibratedScope.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/window/PaintDC.h"
#include "sigkit/scope/ScopeGeometry.h"
#include "sigkit/scope/ScopePaint.h"
#include "sigkit/scope/ScopeScale.h"

#include <algorithm>
#include <cmath>

BEGIN_MESSAGE_MAP(CCalibratedScope, CEditScope)
	ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
	constexpr COLORREF READOUT_COLOR = RGB(220, 220, 220);
	constexpr COLORREF CURSOR_A_COLOR = RGB(255, 255, 96);
	constexpr COLORREF CURSOR_B_COLOR = RGB(96, 200, 255);
	constexpr int TEXT_MARGIN = 3;
	// Far enough outside any surface to be clipped, small enough for the drawing code's integers.
	constexpr double PIXEL_LIMIT = 1e6;

	int ToPixel(double dPixel)
	{
		return static_cast<int>(std::lround(std::max(-PIXEL_LIMIT, std::min(PIXEL_LIMIT, dPixel))));
	}

	// Maps times and volts to the pixels of one painted rectangle.
	struct PictureMapping
	{
		CRect rc;
		ScopeTimeWindow window;
		double dVoltsPerPixel;
		int nAxisRow;

		double Column(double dTime) const
		{
			return rc.left + ScopeTimeToColumn(window, rc.Width(), dTime);
		}

		int Row(double dVolts) const
		{
			return dVoltsPerPixel > 0.0 ? ToPixel(nAxisRow - dVolts / dVoltsPerPixel) : nAxisRow;
		}
	};
}

void CCalibratedScope::OnPaint()
{
	// Before any run there is nothing to calibrate: the scope shows its own grid.
	if (!m_bCalibrated || m_aTimes.empty())
	{
		CEditScope::OnPaint();
		return;
	}
	CPaintDC dc(this);
	PaintPicture(dc, ClientRect(), SCOPE_SCREEN_TEXT_HEIGHT);
}

void CCalibratedScope::PaintPicture(CDC& dc, const CRect& rc, int nTextHeight)
{
	dc.FillSolidRect(&rc, SCOPE_BACKGROUND_COLOR);
	if (rc.Width() <= 0 || rc.Height() <= 0)
		return;
	if (m_aTimes.empty())
	{
		PaintEmptyGrid(dc, rc, static_cast<double>(nTextHeight) / SCOPE_SCREEN_TEXT_HEIGHT);
		return;
	}
	// Another rectangle than the client area shows the same picture, stretched to it.
	const int nClientHeight = ScopeDisplayArea(ClientRect()).Height();
	const int nHeight = ScopeDisplayArea(rc).Height();
	double dVoltsPerPixel = VoltsPerPixel();
	if (nClientHeight > 0 && nHeight > 0)
		dVoltsPerPixel *= static_cast<double>(nClientHeight) / nHeight;
	const int nAxisRow = ScopeXAxisRow(ScopeDisplayArea(rc), m_nXType);
	const ScopeTimeWindow window = GetTimeWindow();

	const int nSaved = dc.SaveDC();
	dc.IntersectClipRect(&rc);
	const Divisions divisions = DivisionsFor(rc, window, dVoltsPerPixel, nTextHeight);
	PaintGrid(dc, rc, window, dVoltsPerPixel, nAxisRow, divisions);
	if (ScopeSpan(window) > 0.0)
	{
		PaintTrace(dc, rc, window, dVoltsPerPixel, nAxisRow);
		PaintCursors(dc, rc, window);
	}
	CFont font;
	font.CreateFont(nTextHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
	CFont* pOldFont = dc.SelectObject(&font);
	dc.SetBkMode(TRANSPARENT);
	PaintReadout(dc, rc, divisions);
	if (ScopeSpan(window) > 0.0)
	{
		const PictureMapping mapping = { rc, window, dVoltsPerPixel, nAxisRow };
		const int nLabelRow = rc.bottom - nTextHeight - TEXT_MARGIN;
		if (m_bCursorA)
		{
			dc.SetTextColor(CURSOR_A_COLOR);
			dc.TextOut(ToPixel(mapping.Column(m_dCursorA)) + TEXT_MARGIN, nLabelRow, CString("A"));
		}
		if (m_bCursorB)
		{
			dc.SetTextColor(CURSOR_B_COLOR);
			dc.TextOut(ToPixel(mapping.Column(m_dCursorB)) + TEXT_MARGIN, nLabelRow, CString("B"));
		}
	}
	dc.SelectObject(pOldFont);
	dc.RestoreDC(nSaved);
}

CCalibratedScope::Divisions CCalibratedScope::DivisionsFor(const CRect& rc, const ScopeTimeWindow& window,
	double dVoltsPerPixel, int nTextHeight)
{
	const double dScale = static_cast<double>(nTextHeight) / SCOPE_SCREEN_TEXT_HEIGHT;
	const double dSpan = ScopeSpan(window);
	return { ScopeDivision(dVoltsPerPixel * dScale),
		dSpan > 0.0 && rc.Width() > 0 ? ScopeDivision(dSpan / rc.Width() * dScale) : 0.0 };
}

void CCalibratedScope::PaintGrid(CDC& dc, const CRect& rc, const ScopeTimeWindow& window, double dVoltsPerPixel,
	int nAxisRow, const Divisions& divisions) const
{
	const double dTimeStep = divisions.dSeconds;
	if (dTimeStep > 0.0)
	{
		const PictureMapping mapping = { rc, window, dVoltsPerPixel, nAxisRow };
		const double dLast = std::floor(window.dEnd / dTimeStep);
		for (double k = std::ceil(window.dStart / dTimeStep); k <= dLast; k++)
		{
			const int x = ToPixel(mapping.Column(k * dTimeStep));
			dc.FillSolidRect(x, rc.top, 1, rc.Height(), SCOPE_GRID_COLOR);
		}
	}
	const double dVoltStep = divisions.dVolts;
	if (dVoltStep > 0.0)
	{
		const double dRows = dVoltStep / dVoltsPerPixel;
		const int nAbove = static_cast<int>((nAxisRow - rc.top) / dRows);
		const int nBelow = static_cast<int>((rc.bottom - nAxisRow) / dRows);
		for (int k = -nBelow; k <= nAbove; k++)
			dc.FillSolidRect(rc.left, nAxisRow - ToPixel(k * dRows), rc.Width(), 1, SCOPE_GRID_COLOR);
	}
}

// The scope's own grid, its steps grown with the picture's text and its axes where they stand in
// the client area, in proportion.
void CCalibratedScope::PaintEmptyGrid(CDC& dc, const CRect& rc, double dScale) const
{
	const CRect rcClient = ClientRect();
	if (rcClient.Width() <= 0 || rcClient.Height() <= 0)
		return;
	const int nColumn = rc.left + static_cast<int>(static_cast<long long>(m_nYAxis) * rc.Width() / rcClient.Width());
	const int nRow = rc.top + static_cast<int>(static_cast<long long>(m_nXAxis) * rc.Height() / rcClient.Height());
	for (int x : ScopeGridPositions(nColumn, ScopeRound(m_nXGrid * dScale), rc.left, rc.right - 1))
		dc.FillSolidRect(x, rc.top, 1, rc.Height(), SCOPE_GRID_COLOR);
	for (int y : ScopeGridPositions(nRow, ScopeRound(m_nYGrid * dScale), rc.top, rc.bottom - 1))
		dc.FillSolidRect(rc.left, y, rc.Width(), 1, SCOPE_GRID_COLOR);
}

// Zoomed in, the samples are joined at their times, from the one before the window to the one
// after it; with more samples than columns each column is drawn from its minimum to its maximum
// so that the envelope of a dense trace stays visible.
void CCalibratedScope::PaintTrace(CDC& dc, const CRect& rc, const ScopeTimeWindow& window, double dVoltsPerPixel,
	int nAxisRow) const
{
	if (m_aTimes.empty())
		return;
	const PictureMapping mapping = { rc, window, dVoltsPerPixel, nAxisRow };
	const auto itFirst = std::lower_bound(m_aTimes.begin(), m_aTimes.end(), window.dStart);
	const auto itLast = std::upper_bound(m_aTimes.begin(), m_aTimes.end(), window.dEnd);
	std::vector<POINT> points;
	if (itLast - itFirst <= rc.Width())
	{
		const size_t nFrom = itFirst == m_aTimes.begin() ? 0 : static_cast<size_t>(itFirst - m_aTimes.begin()) - 1;
		const size_t nTo = std::min(static_cast<size_t>(itLast - m_aTimes.begin()) + 1, m_aTimes.size());
		for (size_t i = nFrom; i < nTo; i++)
			points.push_back(POINT{ ToPixel(mapping.Column(m_aTimes[i])), mapping.Row(m_aValues[i]) });
	}
	else
	{
		const std::vector<ScopeColumnRange> columns = ScopeMinMaxColumns(m_aTimes.data(), m_aValues.data(),
			GetSampleCount(), window, rc.Width());
		for (size_t c = 0; c < columns.size(); c++)
		{
			if (columns[c].bEmpty)
				continue;
			const int x = rc.left + static_cast<int>(c);
			const int nTop = mapping.Row(columns[c].dMax);
			const int nBottom = mapping.Row(columns[c].dMin);
			// Enter the column at the end nearer the previous one, so the join stays short.
			const bool bFromTop = points.empty() || std::abs(points.back().y - nTop) <= std::abs(points.back().y - nBottom);
			points.push_back(POINT{ x, bFromTop ? nTop : nBottom });
			// A line leaves its end point out: one row further lights the far end too.
			points.push_back(POINT{ x, bFromTop ? nBottom + 1 : nTop - 1 });
		}
	}
	if (points.size() < 2)
	{
		for (const POINT& pt : points)
			dc.SetPixel(pt, SCOPE_TRACE_COLOR);
		return;
	}
	CPen pen(PS_SOLID, 1, SCOPE_TRACE_COLOR);
	CPen* pOldPen = dc.SelectObject(&pen);
	dc.Polyline(points.data(), static_cast<int>(points.size()));
	dc.SelectObject(pOldPen);
}

void CCalibratedScope::PaintCursors(CDC& dc, const CRect& rc, const ScopeTimeWindow& window) const
{
	const PictureMapping mapping = { rc, window, 0.0, 0 };
	const struct
	{
		BOOL bShown;
		double dTime;
		COLORREF color;
	} cursors[] = { { m_bCursorA, m_dCursorA, CURSOR_A_COLOR }, { m_bCursorB, m_dCursorB, CURSOR_B_COLOR } };
	for (const auto& cursor : cursors)
	{
		if (!cursor.bShown)
			continue;
		CPen pen(PS_DASH, 1, cursor.color);
		CPen* pOldPen = dc.SelectObject(&pen);
		const int x = ToPixel(mapping.Column(cursor.dTime));
		dc.MoveTo(x, rc.top);
		dc.LineTo(x, rc.bottom);
		dc.SelectObject(pOldPen);
	}
}

void CCalibratedScope::PaintReadout(CDC& dc, const CRect& rc, const Divisions& divisions) const
{
	CString strReadout;
	if (divisions.dVolts > 0.0)
		strReadout = FormatPerDivision(divisions.dVolts, "V");
	if (divisions.dSeconds > 0.0)
	{
		if (!strReadout.IsEmpty())
			strReadout += "   ";
		strReadout += FormatPerDivision(divisions.dSeconds, "s");
	}
	if (!m_strNote.IsEmpty())
	{
		if (!strReadout.IsEmpty())
			strReadout += "   ";
		strReadout += m_strNote;
	}
	if (strReadout.IsEmpty())
		return;
	// On a black ground of its own, so a trace passing under it does not break the letters.
	dc.SetBkMode(OPAQUE);
	dc.SetBkColor(SCOPE_BACKGROUND_COLOR);
	dc.SetTextColor(READOUT_COLOR);
	dc.TextOut(rc.left + TEXT_MARGIN, rc.top + TEXT_MARGIN, strReadout);
	dc.SetBkMode(TRANSPARENT);
}
