// Handle types of the window system and of the graphics objects: opaque pointers, each its own
// type so that a pen cannot be passed where a window is expected.
#pragma once

#define ONDIVAR_DECLARE_HANDLE(name) \
	struct name##__; \
	typedef struct name##__* name

ONDIVAR_DECLARE_HANDLE(HWND);
ONDIVAR_DECLARE_HANDLE(HDC);
ONDIVAR_DECLARE_HANDLE(HGDIOBJ);
ONDIVAR_DECLARE_HANDLE(HPEN);
ONDIVAR_DECLARE_HANDLE(HBRUSH);
ONDIVAR_DECLARE_HANDLE(HFONT);
ONDIVAR_DECLARE_HANDLE(HBITMAP);
ONDIVAR_DECLARE_HANDLE(HPALETTE);
ONDIVAR_DECLARE_HANDLE(HRGN);
ONDIVAR_DECLARE_HANDLE(HICON);
ONDIVAR_DECLARE_HANDLE(HCURSOR);
ONDIVAR_DECLARE_HANDLE(HMENU);
ONDIVAR_DECLARE_HANDLE(HINSTANCE);
ONDIVAR_DECLARE_HANDLE(HDROP);

#undef ONDIVAR_DECLARE_HANDLE

// Any of the handles above, or an HGLOBAL, where Windows takes whichever the call's format says.
typedef void* HANDLE;
