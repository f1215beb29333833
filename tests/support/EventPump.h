// The window tests' event pump: the framework's own modal loop, run until a condition holds.
#pragma once

#include "framework/core/Types.h"

#include <functional>

// Runs the event loop until fnDone holds (checked whenever the loop goes idle); FALSE when
// nothing made it hold within a generous bound, so a broken test fails instead of hanging.
BOOL PumpUntil(const std::function<bool()>& fnDone);
