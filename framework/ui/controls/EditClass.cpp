// The EDIT class: the edit messages, the characters typed into it and the notifications of focus
// and text changes to its parent, on a native single- or multi-line text widget.
#include "framework/core/ControlConstants.h"
#include "framework/ui/controls/ControlClasses.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"

#include <algorithm>

namespace
{

// The most a single-line edit takes when no limit was set, as on Windows.
constexpr int DEFAULT_TEXT_LIMIT = 30000;
// What EM_GETLIMITTEXT reports when nothing limits the text.
constexpr int NO_TEXT_LIMIT = 0x7FFFFFFE;

bool IsMultiLine(const CWindowRecord* pHost)
{
	return (pHost->m_dwStyle & ES_MULTILINE) != 0;
}

TextAlignment AlignmentOf(DWORD dwStyle)
{
	if ((dwStyle & ES_RIGHT) != 0)
	{
		return TextAlignment::Right;
	}
	return (dwStyle & ES_CENTER) != 0 ? TextAlignment::Center : TextAlignment::Left;
}

// The styles an edit takes on whenever they change, as a Windows edit does: read-only and the
// alignment. A read-only edit shows the button face, as Windows draws it through WM_CTLCOLORSTATIC.
void ApplyChangeableStyles(CWindowRecord* pHost)
{
	CDriver& driver = AfxGetDriver();
	HWND hWnd = pHost->Handle();
	const bool bReadOnly = (pHost->m_dwStyle & ES_READONLY) != 0;
	driver.SetControlColors(hWnd, ControlSystemColors(!bReadOnly));
	driver.SetEditReadOnly(hWnd, bReadOnly);
	driver.SetEditAlignment(hWnd, AlignmentOf(pHost->m_dwStyle));
}

LPCTSTR TextOf(LPARAM lParam)
{
	return lParam != 0 ? reinterpret_cast<LPCTSTR>(lParam) : "";
}

// wParam -1 removes the selection; lParam -1 (or past the end) reaches the end of the text. The
// caret goes to the end given last, even when it comes before the start.
void SetSelection(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
	CDriver& driver = AfxGetDriver();
	const int nStart = static_cast<int>(wParam);
	const int nEnd = static_cast<int>(lParam);
	if (nStart == -1)
	{
		driver.ClearEditSelection(hWnd);
		return;
	}
	const int nLength = driver.EditTextLength(hWnd);
	const int nFirst = std::clamp(nStart, 0, nLength);
	const int nLast = nEnd < 0 ? nLength : std::min(nEnd, nLength);
	driver.SetEditSelection(hWnd, nFirst, nLast);
}

LRESULT GetSelection(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
	int nStart = 0;
	int nEnd = 0;
	AfxGetDriver().GetEditSelection(hWnd, nStart, nEnd);
	if (wParam != 0)
	{
		*reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(nStart);
	}
	if (lParam != 0)
	{
		*reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(nEnd);
	}
	return MAKELONG(static_cast<WORD>(nStart), static_cast<WORD>(nEnd));
}

// A WM_CHAR's character, a UTF-16 unit as Windows gives it, in the framework's UTF-8.
CString CharText(WPARAM nChar)
{
	const unsigned nUnit = static_cast<unsigned>(nChar & 0xFFFF);
	char szText[4] = {};
	if (nUnit < 0x80)
	{
		szText[0] = static_cast<char>(nUnit);
	}
	else if (nUnit < 0x800)
	{
		szText[0] = static_cast<char>(0xC0 | (nUnit >> 6));
		szText[1] = static_cast<char>(0x80 | (nUnit & 0x3F));
	}
	else
	{
		szText[0] = static_cast<char>(0xE0 | (nUnit >> 12));
		szText[1] = static_cast<char>(0x80 | ((nUnit >> 6) & 0x3F));
		szText[2] = static_cast<char>(0x80 | (nUnit & 0x3F));
	}
	return CString(szText);
}

// As a Windows edit does: Backspace deletes the selection or the character before the caret,
// Enter and Tab break the line or tab only in a multi-line edit, other control characters and
// anything in a read-only edit are ignored, and the rest replaces the selection.
void TypeCharacter(CWindowRecord* pHost, WPARAM nChar)
{
	if ((pHost->m_dwStyle & ES_READONLY) != 0)
	{
		return;
	}
	CDriver& driver = AfxGetDriver();
	HWND hWnd = pHost->Handle();
	if (nChar == VK_BACK)
	{
		driver.DeleteEditBackward(hWnd);
		return;
	}
	if (nChar == '\r' || nChar == '\t')
	{
		if (IsMultiLine(pHost))
		{
			driver.ReplaceEditSelection(hWnd, nChar == '\r' ? "\r\n" : "\t");
		}
		return;
	}
	if (nChar < 0x20 || nChar == 0x7F)
	{
		return;
	}
	driver.ReplaceEditSelection(hWnd, CharText(nChar));
}

// The messages about lines, which only a multi-line edit has more than one of.
LRESULT LineMessage(CWindowRecord* pHost, UINT message, WPARAM wParam, LPARAM lParam)
{
	CDriver& driver = AfxGetDriver();
	HWND hWnd = pHost->Handle();
	const bool bMultiLine = IsMultiLine(pHost);
	switch (message)
	{
	case EM_GETLINECOUNT:
		return bMultiLine ? driver.EditLineCount(hWnd) : 1;
	case EM_GETFIRSTVISIBLELINE:
		return bMultiLine ? driver.EditFirstVisibleLine(hWnd) : 0;
	case EM_LINESCROLL:
		if (!bMultiLine)
		{
			return FALSE;
		}
		driver.ScrollEdit(hWnd, static_cast<int>(wParam), static_cast<int>(lParam));
		return TRUE;
	case EM_SCROLLCARET:
		if (bMultiLine)
		{
			driver.ScrollEditToCaret(hWnd);
		}
		return TRUE;
	default:
		return 0;
	}
}

LRESULT EditWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pHost = NativeControl(hWnd);
	if (pHost == nullptr)
	{
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	}
	CDriver& driver = AfxGetDriver();
	switch (message)
	{
	case WM_NCCREATE:
		ApplyChangeableStyles(pHost);
		if (!IsMultiLine(pHost))
		{
			driver.SetEditLimit(hWnd, DEFAULT_TEXT_LIMIT);
		}
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	case WM_SETTEXT:
		driver.SetControlText(hWnd, TextOf(lParam));
		if ((pHost = NativeControl(hWnd)) != nullptr)
		{
			pHost->m_strText = driver.ControlText(hWnd);
		}
		return TRUE;
	case EM_SETSEL:
		SetSelection(hWnd, wParam, lParam);
		return 0;
	case EM_GETSEL:
		return GetSelection(hWnd, wParam, lParam);
	case EM_REPLACESEL:
		driver.ReplaceEditSelection(hWnd, TextOf(lParam));
		return 0;
	case WM_STYLECHANGED:
		ApplyChangeableStyles(pHost);
		return 0;
	case EM_SETREADONLY:
		pHost->m_dwStyle = wParam != 0 ? (pHost->m_dwStyle | ES_READONLY) : (pHost->m_dwStyle & ~ES_READONLY);
		ApplyChangeableStyles(pHost);
		return TRUE;
	case EM_LIMITTEXT:
		// 0 lifts the limit; a multi-line edit has none here.
		if (!IsMultiLine(pHost))
		{
			driver.SetEditLimit(hWnd, wParam == 0 ? NO_TEXT_LIMIT : static_cast<int>(std::min<WPARAM>(wParam, NO_TEXT_LIMIT)));
		}
		return 0;
	case EM_GETLIMITTEXT:
		return IsMultiLine(pHost) ? NO_TEXT_LIMIT : driver.EditLimit(hWnd);
	case EM_GETMODIFY:
		return driver.IsEditModified(hWnd) ? TRUE : FALSE;
	case EM_SETMODIFY:
		driver.SetEditModified(hWnd, wParam != 0);
		return 0;
	case EM_GETLINECOUNT:
	case EM_GETFIRSTVISIBLELINE:
	case EM_LINESCROLL:
	case EM_SCROLLCARET:
		return LineMessage(pHost, message, wParam, lParam);
	case WM_CHAR:
		// The character the key being handled types reaches the widget with its key event; a
		// character the program sends has no event and is typed here.
		if (pHost->m_bSendingInput && driver.KeyBeingHandledTypes(hWnd, static_cast<UINT>(wParam)))
		{
			return ControlDefaultProc(hWnd, message, wParam, lParam);
		}
		TypeCharacter(pHost, wParam);
		return 0;
	case WM_SETFOCUS:
		ControlNotifyParent(hWnd, EN_SETFOCUS);
		return 0;
	case WM_KILLFOCUS:
		ControlNotifyParent(hWnd, EN_KILLFOCUS);
		return 0;
	case WM_GETDLGCODE:
	{
		LRESULT nCode = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
		if (IsMultiLine(pHost) && (pHost->m_dwStyle & ES_WANTRETURN) != 0)
		{
			nCode |= DLGC_WANTALLKEYS;
		}
		return nCode;
	}
	case WM_MOUSEWHEEL:
		// Only a multi-line edit scrolls by the wheel; a single line passes it on to the parent.
		return IsMultiLine(pHost) ? ControlDefaultProc(hWnd, message, wParam, lParam)
								  : ::DefWindowProc(hWnd, message, wParam, lParam);
	default:
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	}
}

}

void OnToolkitEditChanged(HWND hWnd)
{
	CWindowRecord* pHost = NativeControl(hWnd);
	if (pHost == nullptr)
	{
		return;
	}
	pHost->m_strText = AfxGetDriver().ControlText(hWnd);
	ControlNotifyParent(hWnd, EN_UPDATE);
	ControlNotifyParent(hWnd, EN_CHANGE);
}

void RegisterEditClass()
{
	WNDCLASS wc = {};
	wc.style = CS_DBLCLKS | CS_PARENTDC;
	wc.lpfnWndProc = EditWindowProc;
	wc.hCursor = ::LoadCursor(nullptr, IDC_IBEAM);
	wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
	wc.lpszClassName = "EDIT";
	RegisterWindowClass(wc, NativeKind::Edit, TRUE);
}
