// The STATIC class: text, bitmap and icon statics painted on the window's surface, with the
// parent's WM_CTLCOLORSTATIC deciding the colours and whether the background shows through.
#include "framework/core/ControlConstants.h"
#include "framework/core/GdiConstants.h"
#include "framework/ui/controls/ControlClasses.h"
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/DcAttach.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/gdi/IconFile.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/WinApp.h"
#include "framework/ui/window/Wnd.h"

#include <cstdlib>
#include <map>

namespace
{

struct StaticImages
{
	HBITMAP hBitmap = nullptr;
	HICON hIcon = nullptr;
};

std::map<HWND, StaticImages>& Images()
{
	static std::map<HWND, StaticImages> s_images;
	return s_images;
}

DWORD StaticType(DWORD dwStyle)
{
	return dwStyle & SS_TYPEMASK;
}

// Windows draws SS_SUNKEN's half-sunken edge outside the client area; here it takes the outer
// pixel of the client area, so a sunken picture sits one pixel in.
int SunkenEdge(DWORD dwStyle)
{
	return (dwStyle & SS_SUNKEN) != 0 ? 1 : 0;
}

bool IsHollow(HBRUSH hBrush)
{
	LOGBRUSH logBrush = {};
	return hBrush == nullptr || (::GetObject(reinterpret_cast<HGDIOBJ>(hBrush), sizeof(logBrush), &logBrush) == sizeof(logBrush)
		&& logBrush.lbStyle == BS_HOLLOW);
}

// What the parent painted under the control shows through a hollow background: the parent
// paints first (as it does on Windows when it does not clip its children), then its pixels are
// copied onto the control's surface.
void CopyParentBackground(CWindowRecord* pHost, CDC& dc)
{
	CWindowRecord* pParent = pHost->m_pParent;
	if (pParent == nullptr)
	{
		return;
	}
	HWND hWnd = pHost->Handle();
	pParent->PaintPending();
	if (CWindowRecord::FromHandle(hWnd) == nullptr)
	{
		return;
	}
	const CRect margins = pHost->NonClientMargins();
	const CPoint origin = pHost->m_rcWindow.TopLeft() + CPoint(margins.left, margins.top);
	const CSize size = pHost->ClientSize();
	CDC dcParent;
	AttachDcToSurface(dcParent, AfxGetDriver().WindowSurface(pParent->Handle(), pParent->ClientSize()), nullptr);
	dc.BitBlt(0, 0, size.cx, size.cy, &dcParent, origin.x, origin.y, SRCCOPY);
	DetachDc(dcParent);
}

void DrawSunkenEdge(CDC& dc, const CRect& rcClient)
{
	dc.Draw3dRect(&rcClient, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
}

void DrawBitmap(CDC& dc, HBITMAP hBitmap, CPoint ptAt)
{
	BITMAP bm = {};
	if (hBitmap == nullptr || ::GetObject(reinterpret_cast<HGDIOBJ>(hBitmap), sizeof(bm), &bm) == 0)
	{
		return;
	}
	CDC dcMemory;
	dcMemory.CreateCompatibleDC(&dc);
	CBitmap* pOld = dcMemory.SelectObject(CBitmap::FromHandle(hBitmap));
	dc.BitBlt(ptAt.x, ptAt.y, bm.bmWidth, bm.bmHeight, &dcMemory, 0, 0, SRCCOPY);
	dcMemory.SelectObject(pOld);
}

UINT TextFormat(DWORD dwStyle)
{
	UINT nFormat = DT_WORDBREAK;
	switch (StaticType(dwStyle))
	{
	case SS_CENTER:
		nFormat = DT_CENTER | DT_WORDBREAK;
		break;
	case SS_RIGHT:
		nFormat = DT_RIGHT | DT_WORDBREAK;
		break;
	case SS_SIMPLE:
	case SS_LEFTNOWORDWRAP:
		nFormat = DT_SINGLELINE;
		break;
	default:
		break;
	}
	// With text, SS_CENTERIMAGE centres a single line vertically.
	if ((dwStyle & SS_CENTERIMAGE) != 0)
	{
		nFormat = (nFormat & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
	}
	if ((dwStyle & SS_NOPREFIX) != 0)
	{
		nFormat |= DT_NOPREFIX;
	}
	return nFormat;
}

void PaintStatic(HWND hWnd, CWindowRecord* pHost)
{
	CDC dc;
	PAINTSTRUCT ps;
	pHost->BeginPaint(dc, ps);
	const DWORD dwStyle = pHost->m_dwStyle;
	const CSize size = pHost->ClientSize();
	const CRect rcClient(0, 0, size.cx, size.cy);
	const HBRUSH hBrush = ControlAskColor(hWnd, WM_CTLCOLORSTATIC, dc.GetSafeHdc());
	pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return;
	}
	if (IsHollow(hBrush))
	{
		CopyParentBackground(pHost, dc);
	}
	else
	{
		dc.FillRect(&rcClient, CBrush::FromHandle(hBrush));
	}
	const int nEdge = SunkenEdge(dwStyle);
	const StaticImages images = Images()[hWnd];
	switch (StaticType(dwStyle))
	{
	case SS_BITMAP:
		DrawBitmap(dc, images.hBitmap, CPoint(nEdge, nEdge));
		break;
	case SS_ICON:
		if (images.hIcon != nullptr)
		{
			dc.DrawIcon(nEdge, nEdge, images.hIcon);
		}
		break;
	default:
	{
		if (!pHost->IsEnabledForInput())
		{
			dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
		}
		CFont* pOldFont = pHost->m_hFont != nullptr ? dc.SelectObject(CFont::FromHandle(pHost->m_hFont)) : nullptr;
		CRect rcText = rcClient;
		rcText.DeflateRect(nEdge, nEdge);
		dc.DrawText(pHost->m_strText, &rcText, TextFormat(dwStyle));
		if (pOldFont != nullptr)
		{
			dc.SelectObject(pOldFont);
		}
		break;
	}
	}
	if (nEdge != 0)
	{
		DrawSunkenEdge(dc, rcClient);
	}
	pHost->EndPaint(dc, ps);
}

// SS_REALSIZEIMAGE: the control takes the picture's size plus its own edges.
void FitToImage(CWindowRecord* pHost, HBITMAP hBitmap)
{
	BITMAP bm = {};
	if ((pHost->m_dwStyle & SS_REALSIZEIMAGE) == 0 || hBitmap == nullptr || ::GetObject(reinterpret_cast<HGDIOBJ>(hBitmap), sizeof(bm), &bm) == 0)
	{
		return;
	}
	const CRect margins = pHost->NonClientMargins();
	const int nEdges = 2 * SunkenEdge(pHost->m_dwStyle);
	CRect rcWindow = pHost->m_rcWindow;
	rcWindow.right = rcWindow.left + bm.bmWidth + nEdges + margins.left + margins.right;
	rcWindow.bottom = rcWindow.top + bm.bmHeight + nEdges + margins.top + margins.bottom;
	pHost->SetWindowRect(rcWindow, true);
}

// An icon static takes the icon's size, as on Windows.
void FitToIcon(CWindowRecord* pHost, HICON hIcon)
{
	const CSize size = AfxGetIconSize(hIcon);
	if (size.cx == 0 || size.cy == 0)
	{
		return;
	}
	const CRect margins = pHost->NonClientMargins();
	const int nEdges = 2 * SunkenEdge(pHost->m_dwStyle);
	CRect rcWindow = pHost->m_rcWindow;
	rcWindow.right = rcWindow.left + size.cx + nEdges + margins.left + margins.right;
	rcWindow.bottom = rcWindow.top + size.cy + nEdges + margins.top + margins.bottom;
	pHost->SetWindowRect(rcWindow, true);
}

LRESULT SetImage(HWND hWnd, CWindowRecord* pHost, UINT nType, LPARAM lParam)
{
	StaticImages& images = Images()[hWnd];
	LRESULT lOld = 0;
	if (nType == IMAGE_BITMAP)
	{
		lOld = reinterpret_cast<LRESULT>(images.hBitmap);
		images.hBitmap = reinterpret_cast<HBITMAP>(lParam);
		FitToImage(pHost, images.hBitmap);
	}
	else if (nType == IMAGE_ICON)
	{
		lOld = reinterpret_cast<LRESULT>(images.hIcon);
		images.hIcon = reinterpret_cast<HICON>(lParam);
		if (images.hIcon != nullptr)
		{
			FitToIcon(pHost, images.hIcon);
		}
	}
	if (CWindowRecord* pLive = CWindowRecord::FromHandle(hWnd))
	{
		pLive->InvalidateClient(true);
	}
	return lOld;
}

LRESULT StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return 0;
	}
	switch (message)
	{
	case WM_CREATE:
		// In a dialog template an icon static names its icon as "#id".
		if (StaticType(pHost->m_dwStyle) == SS_ICON && pHost->m_strText.Left(1) == "#")
		{
			SetImage(hWnd, pHost, IMAGE_ICON,
				reinterpret_cast<LPARAM>(AfxLoadIconResource(static_cast<UINT>(std::atoi(pHost->m_strText.Mid(1))))));
		}
		return 0;
	case WM_PAINT:
		PaintStatic(hWnd, pHost);
		return 0;
	case WM_ERASEBKGND:
		// The background is painted with the parent's brush in WM_PAINT.
		return TRUE;
	case WM_SETTEXT:
	case WM_ENABLE:
	{
		const LRESULT lResult = ::DefWindowProc(hWnd, message, wParam, lParam);
		pHost->InvalidateClient(true);
		return lResult;
	}
	case STM_SETIMAGE:
		return SetImage(hWnd, pHost, static_cast<UINT>(wParam), lParam);
	case STM_GETIMAGE:
		return static_cast<UINT>(wParam) == IMAGE_BITMAP ? reinterpret_cast<LRESULT>(Images()[hWnd].hBitmap)
														 : reinterpret_cast<LRESULT>(Images()[hWnd].hIcon);
	case STM_SETICON:
		return SetImage(hWnd, pHost, IMAGE_ICON, static_cast<LPARAM>(wParam));
	case STM_GETICON:
		return reinterpret_cast<LRESULT>(Images()[hWnd].hIcon);
	case WM_GETDLGCODE:
		return DLGC_STATIC;
	case WM_NCDESTROY:
		Images().erase(hWnd);
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	default:
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	}
}

}

void RegisterStaticClass()
{
	WNDCLASS wc = {};
	wc.style = CS_DBLCLKS | CS_PARENTDC;
	wc.lpfnWndProc = StaticWindowProc;
	wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
	wc.lpszClassName = "STATIC";
	RegisterWindowClass(wc, NativeKind::Surface, FALSE);
}
