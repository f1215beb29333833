// The toggle state of the lock keys that status-bar indicators show, read from the X server.
#pragma once

// Whether caps lock, num lock or scroll lock (VK_CAPITAL, VK_NUMLOCK, VK_SCROLL) is toggled on.
// Off for any other key and where there is no X display (offscreen), which Qt does not tell.
bool IsLockKeyToggled(int nVirtKey);
