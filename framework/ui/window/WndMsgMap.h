// The ON_WM_ message-map entries: each unpacks its message's parameters and calls the handler of
// the Windows framework's name and signature (void OnPaint(), BOOL OnEraseBkgnd(CDC*), ...).
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/ui/window/CmdTarget.h"

class CDC;
class CWnd;

// Message cracking: the objects behind the handles a message carries.
CDC* AfxDCFromMessage(WPARAM wParam);
CWnd* AfxWndFromWParam(WPARAM wParam);
CWnd* AfxWndFromLParam(LPARAM lParam);

// Mouse positions travel as two signed 16-bit coordinates.
inline CPoint AfxPointFromLParam(LPARAM lParam)
{
	return CPoint(static_cast<short>(LOWORD(static_cast<DWORD_PTR>(lParam))),
		static_cast<short>(HIWORD(static_cast<DWORD_PTR>(lParam))));
}

inline UINT AfxLowWord(LONG_PTR value)
{
	return LOWORD(static_cast<DWORD_PTR>(value));
}

inline UINT AfxHighWord(LONG_PTR value)
{
	return HIWORD(static_cast<DWORD_PTR>(value));
}

#define AFX_WM_ENTRY(message, pfnDecl, memberFxn, result) \
	AFX_MAP_ENTRY(message, 0, 0, 0, nullptr, pfnDecl, memberFxn, result)

#define ON_WM_CREATE() \
	AFX_WM_ENTRY(WM_CREATE, int (ThisClass::*pfn)(LPCREATESTRUCT), OnCreate, \
		(p->*pfn)(reinterpret_cast<LPCREATESTRUCT>(msg.lParam)))
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, void (ThisClass::*pfn)(), OnDestroy, ((p->*pfn)(), 0))
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, void (ThisClass::*pfn)(), OnNcDestroy, ((p->*pfn)(), 0))
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, void (ThisClass::*pfn)(), OnPaint, ((p->*pfn)(), 0))
#define ON_WM_ERASEBKGND() \
	AFX_WM_ENTRY(WM_ERASEBKGND, BOOL (ThisClass::*pfn)(CDC*), OnEraseBkgnd, \
		(p->*pfn)(AfxDCFromMessage(msg.wParam)))
#define ON_WM_ICONERASEBKGND() \
	AFX_WM_ENTRY(WM_ICONERASEBKGND, void (ThisClass::*pfn)(CDC*), OnIconEraseBkgnd, \
		((p->*pfn)(AfxDCFromMessage(msg.wParam)), 0))
#define ON_WM_SIZE() \
	AFX_WM_ENTRY(WM_SIZE, void (ThisClass::*pfn)(UINT, int, int), OnSize, \
		((p->*pfn)(static_cast<UINT>(msg.wParam), static_cast<int>(AfxLowWord(msg.lParam)), \
			 static_cast<int>(AfxHighWord(msg.lParam))), \
			0))
#define ON_WM_GETMINMAXINFO() \
	AFX_WM_ENTRY(WM_GETMINMAXINFO, void (ThisClass::*pfn)(MINMAXINFO*), OnGetMinMaxInfo, \
		((p->*pfn)(reinterpret_cast<MINMAXINFO*>(msg.lParam)), 0))
#define ON_WM_MOVE() \
	AFX_WM_ENTRY(WM_MOVE, void (ThisClass::*pfn)(int, int), OnMove, \
		((p->*pfn)(AfxPointFromLParam(msg.lParam).x, AfxPointFromLParam(msg.lParam).y), 0))
#define ON_WM_TIMER() \
	AFX_WM_ENTRY(WM_TIMER, void (ThisClass::*pfn)(UINT_PTR), OnTimer, ((p->*pfn)(msg.wParam), 0))
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, void (ThisClass::*pfn)(), OnClose, ((p->*pfn)(), 0))
#define ON_WM_SHOWWINDOW() \
	AFX_WM_ENTRY(WM_SHOWWINDOW, void (ThisClass::*pfn)(BOOL, UINT), OnShowWindow, \
		((p->*pfn)(static_cast<BOOL>(msg.wParam), static_cast<UINT>(msg.lParam)), 0))
#define ON_WM_ENABLE() \
	AFX_WM_ENTRY(WM_ENABLE, void (ThisClass::*pfn)(BOOL), OnEnable, ((p->*pfn)(static_cast<BOOL>(msg.wParam)), 0))

#define AFX_WM_MOUSE_ENTRY(message, memberFxn) \
	AFX_WM_ENTRY(message, void (ThisClass::*pfn)(UINT, CPoint), memberFxn, \
		((p->*pfn)(static_cast<UINT>(msg.wParam), AfxPointFromLParam(msg.lParam)), 0))
#define ON_WM_MOUSEMOVE() AFX_WM_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)

// One notch of the wheel.
constexpr short WHEEL_DELTA = 120;
#define ON_WM_MOUSEWHEEL() \
	AFX_WM_ENTRY(WM_MOUSEWHEEL, BOOL (ThisClass::*pfn)(UINT, short, CPoint), OnMouseWheel, \
		(p->*pfn)(AfxLowWord(static_cast<LONG_PTR>(msg.wParam)), \
			static_cast<short>(AfxHighWord(static_cast<LONG_PTR>(msg.wParam))), AfxPointFromLParam(msg.lParam)))
#define ON_WM_DROPFILES() \
	AFX_WM_ENTRY(WM_DROPFILES, void (ThisClass::*pfn)(HDROP), OnDropFiles, \
		((p->*pfn)(reinterpret_cast<HDROP>(msg.wParam)), 0))

#define AFX_WM_KEY_ENTRY(message, memberFxn) \
	AFX_WM_ENTRY(message, void (ThisClass::*pfn)(UINT, UINT, UINT), memberFxn, \
		((p->*pfn)(static_cast<UINT>(msg.wParam), AfxLowWord(msg.lParam), AfxHighWord(msg.lParam)), 0))
#define ON_WM_KEYDOWN() AFX_WM_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_WM_KEY_ENTRY(WM_CHAR, OnChar)

#define ON_WM_SETFOCUS() \
	AFX_WM_ENTRY(WM_SETFOCUS, void (ThisClass::*pfn)(CWnd*), OnSetFocus, \
		((p->*pfn)(AfxWndFromWParam(msg.wParam)), 0))
#define ON_WM_KILLFOCUS() \
	AFX_WM_ENTRY(WM_KILLFOCUS, void (ThisClass::*pfn)(CWnd*), OnKillFocus, \
		((p->*pfn)(AfxWndFromWParam(msg.wParam)), 0))
#define ON_WM_CAPTURECHANGED() \
	AFX_WM_ENTRY(WM_CAPTURECHANGED, void (ThisClass::*pfn)(CWnd*), OnCaptureChanged, \
		((p->*pfn)(AfxWndFromLParam(msg.lParam)), 0))
#define ON_WM_GETDLGCODE() \
	AFX_WM_ENTRY(WM_GETDLGCODE, UINT (ThisClass::*pfn)(), OnGetDlgCode, static_cast<LRESULT>((p->*pfn)()))
#define ON_WM_MOUSEACTIVATE() \
	AFX_WM_ENTRY(WM_MOUSEACTIVATE, int (ThisClass::*pfn)(CWnd*, UINT, UINT), OnMouseActivate, \
		(p->*pfn)(AfxWndFromWParam(msg.wParam), AfxLowWord(msg.lParam), AfxHighWord(msg.lParam)))
#define ON_WM_SETCURSOR() \
	AFX_WM_ENTRY(WM_SETCURSOR, BOOL (ThisClass::*pfn)(CWnd*, UINT, UINT), OnSetCursor, \
		(p->*pfn)(AfxWndFromWParam(msg.wParam), AfxLowWord(msg.lParam), AfxHighWord(msg.lParam)))

// Every WM_CTLCOLORxxx message reaches this entry; the kind is the message's offset from
// WM_CTLCOLORMSGBOX (CTLCOLOR_EDIT, CTLCOLOR_BTN, ...).
#define ON_WM_CTLCOLOR() \
	AFX_WM_ENTRY(WM_CTLCOLOR, HBRUSH (ThisClass::*pfn)(CDC*, CWnd*, UINT), OnCtlColor, \
		reinterpret_cast<LRESULT>((p->*pfn)(AfxDCFromMessage(msg.wParam), AfxWndFromLParam(msg.lParam), \
			msg.nMessage - WM_CTLCOLORMSGBOX)))
#define ON_WM_QUERYNEWPALETTE() \
	AFX_WM_ENTRY(WM_QUERYNEWPALETTE, BOOL (ThisClass::*pfn)(), OnQueryNewPalette, (p->*pfn)())
#define ON_WM_PALETTECHANGED() \
	AFX_WM_ENTRY(WM_PALETTECHANGED, void (ThisClass::*pfn)(CWnd*), OnPaletteChanged, \
		((p->*pfn)(AfxWndFromWParam(msg.wParam)), 0))
#define ON_WM_SYSCOLORCHANGE() \
	AFX_WM_ENTRY(WM_SYSCOLORCHANGE, void (ThisClass::*pfn)(), OnSysColorChange, ((p->*pfn)(), 0))
#define ON_WM_SYSCOMMAND() \
	AFX_WM_ENTRY(WM_SYSCOMMAND, void (ThisClass::*pfn)(UINT, LPARAM), OnSysCommand, \
		((p->*pfn)(static_cast<UINT>(msg.wParam), msg.lParam), 0))
#define ON_WM_QUERYDRAGICON() \
	AFX_WM_ENTRY(WM_QUERYDRAGICON, HCURSOR (ThisClass::*pfn)(), OnQueryDragIcon, \
		reinterpret_cast<LRESULT>((p->*pfn)()))

// The scroll bar's class must be complete where these entries are used.
#define ON_WM_VSCROLL() \
	AFX_WM_ENTRY(WM_VSCROLL, void (ThisClass::*pfn)(UINT, UINT, CScrollBar*), OnVScroll, \
		((p->*pfn)(AfxLowWord(static_cast<LONG_PTR>(msg.wParam)), AfxHighWord(static_cast<LONG_PTR>(msg.wParam)), \
			 static_cast<CScrollBar*>(AfxWndFromLParam(msg.lParam))), \
			0))
#define ON_WM_HSCROLL() \
	AFX_WM_ENTRY(WM_HSCROLL, void (ThisClass::*pfn)(UINT, UINT, CScrollBar*), OnHScroll, \
		((p->*pfn)(AfxLowWord(static_cast<LONG_PTR>(msg.wParam)), AfxHighWord(static_cast<LONG_PTR>(msg.wParam)), \
			 static_cast<CScrollBar*>(AfxWndFromLParam(msg.lParam))), \
			0))

#define ON_WM_MENUSELECT() \
	AFX_WM_ENTRY(WM_MENUSELECT, void (ThisClass::*pfn)(UINT, UINT, HMENU), OnMenuSelect, \
		((p->*pfn)(AfxLowWord(static_cast<LONG_PTR>(msg.wParam)), AfxHighWord(static_cast<LONG_PTR>(msg.wParam)), \
			 reinterpret_cast<HMENU>(msg.lParam)), \
			0))
#define ON_WM_ENTERIDLE() \
	AFX_WM_ENTRY(WM_ENTERIDLE, void (ThisClass::*pfn)(UINT, CWnd*), OnEnterIdle, \
		((p->*pfn)(static_cast<UINT>(msg.wParam), AfxWndFromLParam(msg.lParam)), 0))
// The menu's class must be complete where this entry is used.
#define ON_WM_INITMENUPOPUP() \
	AFX_WM_ENTRY(WM_INITMENUPOPUP, void (ThisClass::*pfn)(CMenu*, UINT, BOOL), OnInitMenuPopup, \
		((p->*pfn)(CMenu::FromHandle(reinterpret_cast<HMENU>(msg.wParam)), AfxLowWord(msg.lParam), \
			 static_cast<BOOL>(AfxHighWord(msg.lParam))), \
			0))
