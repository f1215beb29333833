// TOOLINFO: what a window's tooltip hit test tells about the tool under the mouse.
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
