// The clipboard as Windows offers it: opened by one window at a time, emptied by the window that
// then owns it, and handed to the desktop's clipboard when it is closed.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Types.h"

constexpr UINT CF_TEXT = 1;	// an HGLOBAL of text ending in a zero byte, UTF-8 here as every CString
constexpr UINT CF_BITMAP = 2;	// an HBITMAP
constexpr UINT CF_DIB = 8;	// an HGLOBAL holding a BITMAPINFOHEADER, its colour table and the rows
constexpr UINT CF_UNICODETEXT = 13;	// an HGLOBAL of UTF-16 text ending in a zero unit

// FALSE while another window has the clipboard open. With a null window, EmptyClipboard leaves the
// clipboard with no owner and SetClipboardData then fails, as on Windows.
BOOL OpenClipboard(HWND hWndNewOwner);
// Frees what the clipboard held and makes the window that opened it the owner; FALSE when it is
// not open.
BOOL EmptyClipboard();
// The clipboard takes hMem, which the program must no longer use or free: a CF_BITMAP is deleted
// and an HGLOBAL freed when the clipboard is next emptied. Null (and hMem stays the program's)
// unless the clipboard was opened and emptied by a window, or for another format or a block that
// is not one of it. Windows lets an owner that opens it again add formats without emptying it,
// and renders a null hMem later on request; here both fail.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
// The desktop's clipboard gets the text and the picture set since the clipboard was emptied;
// FALSE when it was not open.
BOOL CloseClipboard();
// Whether the clipboard holds the format, or one Windows would make from it (either text format
// from the other, CF_BITMAP and CF_DIB likewise). Unlike Windows, only what this program put there
// is known; the desktop's clipboard is never read.
BOOL IsClipboardFormatAvailable(UINT format);
