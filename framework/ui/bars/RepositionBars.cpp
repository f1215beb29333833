// AfxRepositionBars: the bars' slices of a window's client area through WM_SIZEPARENT.
#include "framework/ui/bars/RepositionBars.h"

#include "framework/ui/window/Wnd.h"

void AfxRepositionBars(CWnd* pWnd, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
	LPCRECT lpRectClient, BOOL bStretch)
{
	if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
	{
		return;
	}
	AFX_SIZEPARENTPARAMS layout = {};
	if (lpRectClient != nullptr)
	{
		layout.rect = *lpRectClient;
	}
	else
	{
		pWnd->GetClientRect(&layout.rect);
	}
	layout.bStretch = bStretch;
	layout.bQuery = nFlag == reposQuery;
	CWnd* pLeftOver = nullptr;
	for (CWnd* pChild = pWnd->GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetNextWindow())
	{
		const UINT nID = static_cast<UINT>(pChild->GetDlgCtrlID());
		if (nIDLeftOver != 0 && nID == nIDLeftOver)
		{
			pLeftOver = pChild;
		}
		else if (nID >= nIDFirst && nID <= nIDLast)
		{
			pChild->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
		}
	}
	if (layout.bQuery)
	{
		if (lpRectParam != nullptr)
		{
			*lpRectParam = bStretch ? layout.rect : CRect(0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
		}
		return;
	}
	CRect rcLeftOver(layout.rect);
	if (nFlag == reposExtra && lpRectParam != nullptr)
	{
		rcLeftOver.DeflateRect(lpRectParam->left, lpRectParam->top, lpRectParam->right, lpRectParam->bottom);
	}
	if (pLeftOver != nullptr)
	{
		pLeftOver->MoveWindow(&rcLeftOver);
	}
}
