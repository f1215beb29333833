// CControlBar: the base of toolbars and status bars, child windows along an edge of their parent
// that keep a bar style of their own and take their place in the parent through WM_SIZEPARENT.
#pragma once

#include "framework/core/BarConstants.h"
#include "framework/ui/bars/BarTypes.h"
#include "framework/ui/window/Wnd.h"

class CDC;

class CControlBar : public CWnd
{
	DECLARE_DYNAMIC(CControlBar)

public:
	CControlBar();
	~CControlBar() override;

	// The CBRS_ bits: alignment, borders, tooltips and fly-by prompts.
	DWORD m_dwStyle;

	void SetBarStyle(DWORD dwStyle);
	DWORD GetBarStyle();
	// The number of buttons or panes.
	int GetCount() const;

	// The size the bar needs: with bStretch a horizontal bar spans the whole width (a vertical
	// one the whole height) and only its thickness counts.
	virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
	// Runs a command-update pass over the bar's items with pTarget's handlers; items of commands
	// without a handler are disabled when bDisableIfNoHndler is set.
	virtual void OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

protected:
	// Creates the bar's window: dwStyle's CBRS_ bits become the bar style, the rest the window
	// style. The bar has no size until its parent lays out its bars.
	BOOL CreateBar(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
	// Fills the bar with the button face and draws the etched borders; rect shrinks inside them.
	void DrawBackground(CDC* pDC, CRect& rect);

	afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);

	int m_nCount;

	DECLARE_MESSAGE_MAP()
};
