// The dialog window class, registered when the framework loads.
#include "framework/ui/dialog/DialogClass.h"

#include "framework/core/ControlConstants.h"
#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/window/WindowClass.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"

#include <map>

const char* const DIALOG_CLASS_NAME = "#32770";

namespace
{

// The default push button set by DM_SETDEFID, by dialog.
std::map<HWND, UINT>& DefaultIds()
{
	static std::map<HWND, UINT> s_ids;
	return s_ids;
}

bool IsPushButton(CWnd* pWnd)
{
	return pWnd != nullptr
		&& (pWnd->SendMessage(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// Until DM_SETDEFID names one, the default is the first button made with BS_DEFPUSHBUTTON.
LRESULT GetDefaultId(HWND hWnd)
{
	auto it = DefaultIds().find(hWnd);
	if (it != DefaultIds().end())
	{
		return MAKELONG(static_cast<WORD>(it->second), DC_HASDEFID);
	}
	for (CWnd* pChild = CWnd::FromHandle(hWnd)->GetWindow(GW_CHILD); pChild != nullptr;
		 pChild = pChild->GetNextWindow())
	{
		if ((pChild->SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON) != 0)
		{
			return MAKELONG(static_cast<WORD>(pChild->GetDlgCtrlID()), DC_HASDEFID);
		}
	}
	return 0;
}

void SetDefaultId(HWND hWnd, UINT nID)
{
	CWnd* pDialog = CWnd::FromHandle(hWnd);
	const LRESULT lOld = GetDefaultId(hWnd);
	if (HIWORD(static_cast<DWORD_PTR>(lOld)) == DC_HASDEFID)
	{
		CWnd* pOld = pDialog->GetDlgItem(LOWORD(static_cast<DWORD_PTR>(lOld)));
		if (IsPushButton(pOld))
		{
			pOld->SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
		}
	}
	DefaultIds()[hWnd] = nID;
	CWnd* pNew = pDialog->GetDlgItem(static_cast<int>(nID));
	if (IsPushButton(pNew))
	{
		pNew->SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
	}
}

LRESULT EraseBackground(HWND hWnd, WPARAM wParam)
{
	CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
	HBRUSH hBrush = reinterpret_cast<HBRUSH>(::SendMessage(hWnd, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hWnd)));
	LOGBRUSH logBrush = {};
	if (pDC == nullptr || hBrush == nullptr)
	{
		return 0;
	}
	if (::GetObject(reinterpret_cast<HGDIOBJ>(hBrush), sizeof(logBrush), &logBrush) == sizeof(logBrush)
		&& logBrush.lbStyle == BS_HOLLOW)
	{
		return TRUE;
	}
	CRect rcClient;
	CWnd::FromHandle(hWnd)->GetClientRect(&rcClient);
	pDC->FillRect(&rcClient, CBrush::FromHandle(hBrush));
	return TRUE;
}

LRESULT DialogWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	switch (message)
	{
	case DM_GETDEFID:
		return GetDefaultId(hWnd);
	case DM_SETDEFID:
		SetDefaultId(hWnd, static_cast<UINT>(wParam));
		return TRUE;
	case WM_CLOSE:
	{
		// The close box and WM_CLOSE cancel the dialog, as on Windows.
		CWnd* pCancel = CWnd::FromHandle(hWnd)->GetDlgItem(IDCANCEL);
		::SendMessage(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
			reinterpret_cast<LPARAM>(pCancel != nullptr ? pCancel->m_hWnd : nullptr));
		return 0;
	}
	case WM_ERASEBKGND:
		return EraseBackground(hWnd, wParam);
	case WM_NCDESTROY:
		DefaultIds().erase(hWnd);
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	default:
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	}
}

struct DialogClassRegistration
{
	DialogClassRegistration()
	{
		WNDCLASS wc = {};
		wc.style = CS_DBLCLKS | CS_SAVEBITS;
		wc.lpfnWndProc = DialogWindowProc;
		wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
		wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_BTNFACE + 1));
		wc.lpszClassName = DIALOG_CLASS_NAME;
		RegisterWindowClass(wc, NativeKind::Surface, FALSE);
	}
};

const DialogClassRegistration s_registration;

}
