// CBitmapDialog: a dialog whose background is a bitmap, tiled, stretched or centred, with
// transparent static and button controls on top and palette handling.
#pragma once

#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/gdi/Brush.h"
#include "sigkit/frames/DibImage.h"

// Background modes; any other value tiles.
constexpr int BITMAP_MODE_TILE = 0;
constexpr int BITMAP_MODE_STRETCH = 1;
constexpr int BITMAP_MODE_CENTER = 2;

class CBitmapDialog : public CDialog
{
public:
	CBitmapDialog();
	CBitmapDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
	CBitmapDialog(LPCTSTR lpszTemplateName, CWnd* pParent = nullptr);
	~CBitmapDialog() override;

	// Loads the bitmap resource into the background; FALSE leaves the default background.
	BOOL SetBitmap(UINT nIDResource, int nMode = BITMAP_MODE_TILE);

	CDibImage m_dib;
	int m_nBitmapMode;
	CBrush m_brHollow;

protected:
	void DoDataExchange(CDataExchange* pDX) override;
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
	afx_msg BOOL OnQueryNewPalette();
	afx_msg void OnPaletteChanged(CWnd* pFocusWnd);

	DECLARE_MESSAGE_MAP()

private:
	void CommonConstruct();
};
