// TOOLINFO, what a window's tooltip hit test tells about the tool under the mouse, and the request
// for a tool's text in its 8-bit and wide forms.
#pragma once

#include "framework/core/BarConstants.h"
#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/ui/window/WndTypes.h"

struct TOOLINFO
{
	UINT cbSize;
	UINT uFlags;	// TTF_IDISHWND: uId is a window handle
	HWND hwnd;	// the window the tool lies in
	UINT_PTR uId;
	RECT rect;	// the tool, in hwnd's client coordinates
	HINSTANCE hinst;
	// The text, allocated with malloc (the framework frees it), or LPSTR_TEXTCALLBACK to be asked
	// for it with TTN_NEEDTEXT when the tip shows.
	LPSTR lpszText;
	LPARAM lParam;
};
typedef TOOLINFO* LPTOOLINFO;

inline const LPSTR LPSTR_TEXTCALLBACK = reinterpret_cast<LPSTR>(static_cast<INT_PTR>(-1));

// Wide characters are wchar_t, as the C library's conversions expect; on Windows they are 16 bits.
typedef wchar_t WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;

// TTN_NEEDTEXTA: the owner answers in szText (UTF-8, at most 79 bytes and the terminator), or
// points lpszText at a string of its own, or sets hinst and lpszText = MAKEINTRESOURCE(string id).
struct TOOLTIPTEXTA
{
	NMHDR hdr;	// hwndFrom is the bar, idFrom the tool's command id (or its window with TTF_IDISHWND)
	LPSTR lpszText;
	char szText[80];
	HINSTANCE hinst;
	UINT uFlags;
	LPARAM lParam;
};
typedef TOOLTIPTEXTA* LPTOOLTIPTEXTA;

// TTN_NEEDTEXTW: the same request answered in wide characters.
struct TOOLTIPTEXTW
{
	NMHDR hdr;
	LPWSTR lpszText;
	WCHAR szText[80];
	HINSTANCE hinst;
	UINT uFlags;
	LPARAM lParam;
};
typedef TOOLTIPTEXTW* LPTOOLTIPTEXTW;
