// CStatusBar: a row of sunken panes along the bottom of a window: a message pane and indicators
// whose texts come from the strings of their ids.
#pragma once

#include "framework/core/String.h"
#include "framework/ui/bars/BarGeometry.h"
#include "framework/ui/bars/ControlBar.h"

#include <vector>

class CStatusBar : public CControlBar
{
	DECLARE_DYNAMIC(CStatusBar)

public:
	CStatusBar();
	~CStatusBar() override;

	BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
		UINT nID = AFX_IDW_STATUS_BAR);

	// One pane per id. An indicator pane shows the string of its id and is as wide as that text;
	// an ID_SEPARATOR pane is the message pane, which stretches over the room the others leave.
	BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

	int CommandToIndex(UINT nIDFind) const;
	UINT GetItemID(int nIndex) const;
	void GetItemRect(int nIndex, LPRECT lpRect) const;

	// cxWidth is the width of the pane's text, the least width of a stretching pane.
	void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
	void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
	UINT GetPaneStyle(int nIndex) const;
	void SetPaneStyle(int nIndex, UINT nStyle);
	// A disabled pane (SBPS_DISABLED) keeps its text but shows none.
	BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
	CString GetPaneText(int nIndex) const;
	void GetPaneText(int nIndex, CString& rString) const;

	CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
	// Panes never disable for want of a handler: only the message pane would, and it has none.
	void OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
	afx_msg void OnPaint();
	afx_msg void OnSize(UINT nType, int cx, int cy);
	// The window's text is the first pane's.
	afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()

private:
	struct Pane
	{
		UINT nID;
		UINT nStyle;
		int cxText;
		CString strText;
	};

	std::vector<StatusPaneMetric> PaneMetrics() const;
	std::vector<CRect> PaneRects() const;
	// The size grip's width: a bottom bar of a window with a sizing border that is not maximised.
	int GripWidth() const;
	int TextWidth(const CString& strText);
	void InvalidatePane(int nIndex);
	void DrawGrip(CDC* pDC, const CRect& rcClient);

	std::vector<Pane> m_panes;
};
