// Records the bars exchange with their owner: the tooltip text request in its 8-bit and wide
// forms, and the layout parameters of WM_SIZEPARENT.
#pragma once

#include "framework/core/BarConstants.h"
#include "framework/core/Geometry.h"
#include "framework/core/Handles.h"
#include "framework/ui/window/WndTypes.h"

// Wide characters are wchar_t, as the C library's conversions expect; on Windows they are 16 bits.
typedef wchar_t WCHAR;
typedef WCHAR* LPWSTR;

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

// WM_SIZEPARENT's lParam. Each bar takes its slice off rect (the parent's client area still
// free) and moves there unless bQuery is set.
struct AFX_SIZEPARENTPARAMS
{
	RECT rect;
	SIZE sizeTotal;	// the space taken by the bars so far
	BOOL bStretch;	// horizontal bars span the whole width, vertical ones the whole height
	BOOL bQuery;
};

// RepositionBars modes
constexpr UINT reposDefault = 0;
constexpr UINT reposQuery = 1;
// lpRectParam holds margins kept free around the left-over window.
constexpr UINT reposExtra = 2;
