// The desktop's colour scheme changing under the program: the model hears of it when Qt announces
// a new application palette.
#pragma once

#include "framework/core/Types.h"

// Called once the Qt application exists.
void WatchDesktopColours();
// The desktop's scheme gives a system colour a new value, which the model learns with the next
// palette change Qt announces.
void QueueDesktopColor(int nIndex, COLORREF cr);
