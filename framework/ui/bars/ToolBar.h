// CToolBar: a row of buttons with images from a bitmap strip. A click sends WM_COMMAND to the
// owner, the pointer resting on a button asks the owner for a tooltip (TTN_NEEDTEXT) and, with
// CBRS_FLYBY, for the button's prompt (WM_SETMESSAGESTRING, then WM_POPMESSAGESTRING).
#pragma once

#include "framework/ui/bars/ControlBar.h"
#include "framework/ui/gdi/Bitmap.h"

#include <vector>

class CToolBar : public CControlBar
{
	DECLARE_DYNAMIC(CToolBar)

public:
	CToolBar();
	~CToolBar() override;

	// The timer that shows a tooltip once the pointer has rested on a button.
	static constexpr UINT_PTR nIDToolTipTimer = 0xE000;
	static constexpr UINT nToolTipDelay = 500;

	BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);

	// The button must exceed the image by at least 7 x 6 pixels; the defaults are 23 x 22 and 16 x 15.
	void SetSizes(SIZE sizeButton, SIZE sizeImage);
	// The images side by side in one bitmap, image i at x = i * image width. The light grey of
	// the classic palette is the button face and shows as such.
	BOOL LoadBitmap(UINT nIDResource);
	// One button per id, each taking the next image; an id of 0 (ID_SEPARATOR) is a gap of 7
	// pixels. A null array makes nIDCount separators to be set with SetButtonInfo.
	BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
	// The toolbar resource nIDResource: its image size (the buttons 7 pixels larger each way),
	// the bitmap of the same id and its buttons.
	BOOL LoadToolBar(UINT nIDResource);

	int CommandToIndex(UINT nIDFind) const;
	UINT GetItemID(int nIndex) const;
	virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
	UINT GetButtonStyle(int nIndex) const;
	void SetButtonStyle(int nIndex, UINT nStyle);
	// iImage is the image index of a button and the width of a separator.
	void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
	void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);

	CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
	void OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
	afx_msg void OnPaint();
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnCaptureChanged(CWnd* pWnd);
	afx_msg void OnTimer(UINT_PTR nIDEvent);
	afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()

private:
	struct Button
	{
		UINT nID;
		UINT nStyle;
		int iImage;
	};

	std::vector<int> ItemWidths() const;
	// The button (not separator) under the point, or -1.
	int HitTest(CPoint point) const;
	void InvalidateButton(int nIndex);
	void DrawButton(CDC* pDC, const CRect& rcButton, const Button& button);
	void DrawImage(CDC* pDC, CDC* pImages, CPoint ptAt, int iImage, BOOL bDisabled);
	// The pointer moved onto button nIndex (-1: off every button): prompts and tooltips follow.
	void TrackHover(int nIndex);
	void ShowToolTip(int nIndex);
	void HideToolTip();
	CWnd* NotifyTarget() const;

	std::vector<Button> m_buttons;
	CSize m_sizeButton;
	CSize m_sizeImage;
	CBitmap m_bitmap;
	CSize m_sizeStrip;
	// Per pixel of the strip, row by row: drawn in a disabled button's embossed image (neither
	// face nor white).
	std::vector<bool> m_ink;
	int m_nHover;
	int m_nPressed;
	BOOL m_bToolTipShown;
};
