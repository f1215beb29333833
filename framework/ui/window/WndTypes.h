// Records of the window system with their Windows field names: creation, painting, queued
// messages, notifications and window classes.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Types.h"

// Marks message handlers in class declarations, as the Windows framework does; it expands to nothing.
#define afx_msg

typedef LRESULT (*WNDPROC)(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
typedef void (*TIMERPROC)(HWND hWnd, UINT message, UINT_PTR nIDEvent, DWORD dwTime);

struct CREATESTRUCT
{
	LPVOID lpCreateParams;
	HINSTANCE hInstance;
	HMENU hMenu;	// the control id for a child window
	HWND hwndParent;
	int cy;
	int cx;
	int y;
	int x;
	LONG style;
	LPCTSTR lpszName;
	LPCTSTR lpszClass;
	DWORD dwExStyle;
};
typedef CREATESTRUCT* LPCREATESTRUCT;

struct PAINTSTRUCT
{
	HDC hdc;
	BOOL fErase;	// TRUE when the background still has to be erased by the painter
	RECT rcPaint;	// bounds of the update region, in client coordinates
	BOOL fRestore;
	BOOL fIncUpdate;
	BYTE rgbReserved[32];
};
typedef PAINTSTRUCT* LPPAINTSTRUCT;

// What WM_GETMINMAXINFO asks a window to adjust: its maximised size and place, and the
// smallest and largest size it may be dragged to, all in window (not client) pixels.
struct MINMAXINFO
{
	POINT ptReserved;
	POINT ptMaxSize;
	POINT ptMaxPosition;
	POINT ptMinTrackSize;
	POINT ptMaxTrackSize;
};
typedef MINMAXINFO* LPMINMAXINFO;

// WM_STYLECHANGED's record of a window's styles (wParam GWL_STYLE) or extended styles
// (GWL_EXSTYLE) before and after the change.
constexpr int GWL_EXSTYLE = -20;
constexpr int GWL_STYLE = -16;
struct STYLESTRUCT
{
	DWORD styleOld;
	DWORD styleNew;
};
typedef STYLESTRUCT* LPSTYLESTRUCT;

struct MSG
{
	HWND hwnd;
	UINT message;
	WPARAM wParam;
	LPARAM lParam;
	DWORD time;
	POINT pt;
};
typedef MSG* LPMSG;

struct NMHDR
{
	HWND hwndFrom;
	UINT_PTR idFrom;
	UINT code;
};
typedef NMHDR* LPNMHDR;

struct WNDCLASS
{
	UINT style;
	WNDPROC lpfnWndProc;	// the class's default processing of every message
	int cbClsExtra;
	int cbWndExtra;
	HINSTANCE hInstance;
	HICON hIcon;
	HCURSOR hCursor;
	HBRUSH hbrBackground;	// a brush, or a system colour index plus one
	LPCTSTR lpszMenuName;
	LPCTSTR lpszClassName;
};
typedef WNDCLASS* LPWNDCLASS;
