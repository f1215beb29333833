// CSpalshDlg: the start-up picture, a borderless centred dialog sized to its bitmap that closes
// itself after three and a half seconds.
#pragma once

#include "framework/ui/controls/Static.h"
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/gdi/Bitmap.h"
#include "sigkit/resources/SigkitResourceIds.h"

constexpr UINT_PTR SPLASH_TIMER_ID = 556;
constexpr UINT SPLASH_DISPLAY_MS = 3500;

class CSpalshDlg : public CDialog
{
public:
	// With a bitmap id, that bitmap is loaded from the resource module that holds it; with 0
	// the owner attaches its own picture to m_bitmap before the dialog runs.
	explicit CSpalshDlg(UINT nIDBitmap = 0, CWnd* pParent = nullptr);
	~CSpalshDlg() override;

	// For a splash created modeless: show it, block for the given time, then destroy it.
	void DoSplash(UINT nMilliseconds);

	CStatic m_stcBitmap;
	CBitmap m_bitmap;

protected:
	void DoDataExchange(CDataExchange* pDX) override;
	BOOL OnInitDialog() override;
	afx_msg void OnTimer(UINT_PTR nIDEvent);
	afx_msg void OnDestroy();

	DECLARE_MESSAGE_MAP()
};
