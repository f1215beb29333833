// The desktop frame of a top-level window's widget.
#pragma once

class CWindowHost;
class QSize;

// Qt window flags and modality from the window's styles; a child window is left alone.
void ApplyDesktopFrame(CWindowHost& host);
// A window without a sizing border keeps the size the program gives it: the user cannot resize it.
void ApplyFrameSizeLimits(CWindowHost& host, const QSize& size);
// The window's big and small icons (WM_SETICON) become its icon on the desktop, in every size they hold.
void ApplyWindowIcon(CWindowHost& host);
