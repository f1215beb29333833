// The LISTBOX class: a single-selection list of strings with item data on a native list widget,
// kept in order with LBS_SORT, notifying the parent of the user's selection changes and double
// clicks when it has LBS_NOTIFY.
#include "framework/core/ControlConstants.h"
#include "framework/ui/controls/ControlClasses.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"
#include "framework/ui/window/WndMsgMap.h"

#include <algorithm>
#include <cstring>

namespace
{

void NotifyIfAsked(HWND hWnd, UINT nCode)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost != nullptr && (pHost->m_dwStyle & LBS_NOTIFY) != 0)
	{
		ControlNotifyParent(hWnd, nCode);
	}
}

CString ItemText(LPARAM lParam)
{
	return CString(lParam != 0 ? reinterpret_cast<LPCTSTR>(lParam) : "");
}

// Items compare without case, accented letters too.
int CompareItems(const CString& strItem, const CString& strText)
{
	return AfxGetDriver().CompareTextNoCase(strItem, strText);
}

// LBS_SORT keeps the strings in case-insensitive order; a new one goes after its equals.
int SortedPosition(HWND hWnd, const CString& strText)
{
	CDriver& driver = AfxGetDriver();
	const int nCount = driver.ListBoxCount(hWnd);
	int nRow = 0;
	while (nRow < nCount && CompareItems(driver.ListBoxItemText(hWnd, nRow), strText) <= 0)
	{
		++nRow;
	}
	return nRow;
}

LRESULT Insert(HWND hWnd, int nRow, const CString& strText)
{
	const int nCount = AfxGetDriver().ListBoxCount(hWnd);
	if (nRow < 0 || nRow > nCount)
	{
		nRow = nCount;
	}
	AfxGetDriver().InsertListBoxItem(hWnd, nRow, strText);
	return nRow;
}

LRESULT FindExact(HWND hWnd, int nStartAfter, const CString& strText)
{
	CDriver& driver = AfxGetDriver();
	const int nCount = driver.ListBoxCount(hWnd);
	for (int i = 1; i <= nCount; ++i)
	{
		const int nRow = ((nStartAfter < 0 ? -1 : nStartAfter) + i) % nCount;
		if (CompareItems(driver.ListBoxItemText(hWnd, nRow), strText) == 0)
		{
			return nRow;
		}
	}
	return LB_ERR;
}

LRESULT GetText(HWND hWnd, int nRow, LPARAM lParam)
{
	const CString strText = AfxGetDriver().ListBoxItemText(hWnd, nRow);
	if (lParam != 0)
	{
		std::memcpy(reinterpret_cast<LPTSTR>(lParam), static_cast<LPCTSTR>(strText),
			static_cast<size_t>(strText.GetLength()) + 1);
	}
	return strText.GetLength();
}

LRESULT SetCurSel(HWND hWnd, int nRow)
{
	CDriver& driver = AfxGetDriver();
	if (nRow < 0 || nRow >= driver.ListBoxCount(hWnd))
	{
		driver.SelectListBoxItem(hWnd, -1);
		return nRow == -1 ? 0 : LB_ERR;
	}
	driver.SelectListBoxItem(hWnd, nRow);
	return nRow;
}

// As on Windows the point is first brought inside the client area, which makes it outside.
LRESULT ItemFromPoint(CWindowRecord* pHost, LPARAM lParam)
{
	HWND hWnd = pHost->Handle();
	const int nCount = AfxGetDriver().ListBoxCount(hWnd);
	if (nCount == 0)
	{
		return MAKELONG(0xFFFF, 1);
	}
	const CSize client = pHost->ClientSize();
	const CPoint point = AfxPointFromLParam(lParam);
	const CPoint inside(std::clamp<LONG>(point.x, 0, std::max<LONG>(0, client.cx - 1)),
		std::clamp<LONG>(point.y, 0, std::max<LONG>(0, client.cy - 1)));
	bool bOutside = inside != point;
	int nRow = AfxGetDriver().ListBoxItemAt(hWnd, inside);
	if (nRow < 0)
	{
		nRow = nCount - 1;
		bOutside = true;
	}
	return MAKELONG(static_cast<WORD>(nRow), bOutside ? 1 : 0);
}

// The messages of the list's items; LB_ERR for one that is not, or names no item.
LRESULT ItemMessage(CWindowRecord* pHost, UINT message, WPARAM wParam, LPARAM lParam)
{
	CDriver& driver = AfxGetDriver();
	HWND hWnd = pHost->Handle();
	const int nRow = static_cast<int>(wParam);
	const bool bItem = nRow >= 0 && nRow < driver.ListBoxCount(hWnd);
	switch (message)
	{
	case LB_ADDSTRING:
	{
		const CString strText = ItemText(lParam);
		return Insert(hWnd, (pHost->m_dwStyle & LBS_SORT) != 0 ? SortedPosition(hWnd, strText) : -1, strText);
	}
	case LB_INSERTSTRING:
		return Insert(hWnd, nRow, ItemText(lParam));
	case LB_DELETESTRING:
		if (!bItem)
		{
			return LB_ERR;
		}
		driver.DeleteListBoxItem(hWnd, nRow);
		return driver.ListBoxCount(hWnd);
	case LB_RESETCONTENT:
		driver.ClearListBox(hWnd);
		return 0;
	case LB_GETCOUNT:
		return driver.ListBoxCount(hWnd);
	case LB_GETCURSEL:
	{
		const int nSelected = driver.ListBoxSelection(hWnd);
		return nSelected >= 0 ? nSelected : LB_ERR;
	}
	case LB_SETCURSEL:
		return SetCurSel(hWnd, nRow);
	case LB_GETTEXT:
		return bItem ? GetText(hWnd, nRow, lParam) : LB_ERR;
	case LB_GETTEXTLEN:
		return bItem ? driver.ListBoxItemText(hWnd, nRow).GetLength() : LB_ERR;
	case LB_SETITEMDATA:
		if (!bItem)
		{
			return LB_ERR;
		}
		driver.SetListBoxItemData(hWnd, nRow, static_cast<DWORD_PTR>(lParam));
		return TRUE;
	case LB_GETITEMDATA:
		return bItem ? static_cast<LRESULT>(driver.ListBoxItemData(hWnd, nRow)) : LB_ERR;
	case LB_FINDSTRINGEXACT:
		return FindExact(hWnd, nRow, ItemText(lParam));
	case LB_GETITEMHEIGHT:
		return driver.ListBoxItemHeight(hWnd);
	case LB_SETITEMHEIGHT:
	{
		const int nHeight = static_cast<int>(LOWORD(static_cast<DWORD_PTR>(lParam)));
		if (nHeight > 255)
		{
			return LB_ERR;
		}
		driver.SetListBoxItemHeight(hWnd, nHeight);
		return LB_OKAY;
	}
	default:
		return LB_ERR;
	}
}

LRESULT ListBoxWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pHost = NativeControl(hWnd);
	if (pHost == nullptr)
	{
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	}
	if (message == LB_ITEMFROMPOINT)
	{
		return ItemFromPoint(pHost, lParam);
	}
	if (message >= LB_ADDSTRING && message <= LB_FINDSTRINGEXACT)
	{
		return ItemMessage(pHost, message, wParam, lParam);
	}
	switch (message)
	{
	case WM_NCCREATE:
		AfxGetDriver().SetControlColors(hWnd, ControlSystemColors(true));
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	case WM_SETFOCUS:
		NotifyIfAsked(hWnd, LBN_SETFOCUS);
		return 0;
	case WM_KILLFOCUS:
		NotifyIfAsked(hWnd, LBN_KILLFOCUS);
		return 0;
	case WM_GETDLGCODE:
		return DLGC_WANTARROWS | DLGC_WANTCHARS;
	default:
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	}
}

}

void OnToolkitListBoxSelChanged(HWND hWnd)
{
	NotifyIfAsked(hWnd, LBN_SELCHANGE);
}

void OnToolkitListBoxDoubleClicked(HWND hWnd)
{
	NotifyIfAsked(hWnd, LBN_DBLCLK);
}

void RegisterListBoxClass()
{
	WNDCLASS wc = {};
	wc.style = CS_DBLCLKS | CS_PARENTDC;
	wc.lpfnWndProc = ListBoxWindowProc;
	wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
	wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
	wc.lpszClassName = "LISTBOX";
	RegisterWindowClass(wc, NativeKind::ListBox, TRUE);
}
