// Files dragged from the desktop and dropped on a window, as the Windows shell hands them over:
// the windows that take them, and the calls that read and free a drop (HDROP).
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Types.h"

// The window takes files dropped on it, and on any child window inside it that does not take them
// itself (WS_EX_ACCEPTFILES); it gets them as WM_DROPFILES, the drop in wParam.
void DragAcceptFiles(HWND hWnd, BOOL fAccept);

// iFile 0xFFFFFFFF gives the number of files. Otherwise the path of file iFile, in UTF-8: with
// lpszFile null its length without the terminator; else as much of it as fits in cch bytes with
// the terminator, never part of a character, and the bytes copied. 0 when there is no such file.
UINT DragQueryFile(HDROP hDrop, UINT iFile, LPSTR lpszFile, UINT cch);
// Where the files were dropped, in the client coordinates of the window that got them; FALSE when
// that was outside its client area.
BOOL DragQueryPoint(HDROP hDrop, LPPOINT lppt);
// Frees the drop; its handle names nothing afterwards. The program calls it once it is done.
void DragFinish(HDROP hDrop);
