// CPictureSizeDlg: asks the size in pixels of an exported picture, from the window's own size
// up to a size any program still opens.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/dialog/Dialog.h"

class CPictureSizeDlg : public CDialog
{
public:
	CPictureSizeDlg(const CSize& sizeWindow, CWnd* pParent = nullptr);

	// The window's size when the dialog opens; the size accepted on OK.
	int m_nWidth;
	int m_nHeight;

protected:
	void DoDataExchange(CDataExchange* pDX) override;
	BOOL OnInitDialog() override;

private:
	CSize m_sizeWindow;
};
