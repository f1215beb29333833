// Window classes: by name, what a window of a class is made of (its native window) and what it does
// when nobody handles a message (its default window procedure, background and cursor).
#pragma once

#include "framework/core/String.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/WndTypes.h"

struct WindowClassRecord
{
	CString strName;
	WNDCLASS wc;	// wc.lpszClassName points at strName
	NativeKind nNativeKind;
	// The native window paints itself, unless the window's CWnd maps WM_PAINT and so paints on the surface.
	BOOL bNativePaint;
};

// Registers a class, or replaces the one of the same name (names compare without case).
BOOL RegisterWindowClass(const WNDCLASS& wc, NativeKind nNativeKind, BOOL bNativePaint);
// Null for an unknown name. A null or empty name is the framework's own plain window class.
const WindowClassRecord* FindWindowClass(LPCTSTR lpszClassName);

// The framework's own class: white background, arrow cursor, double clicks, default processing.
extern const char* const AFX_WND_CLASS_NAME;
