// The program's dialog templates: the about box, the main window, the parameters dialog and
// the spectrum window.
#pragma once

#include "framework/core/DialogTemplate.h"

#include <cstddef>

extern const DialogTemplate g_appDialogs[];
extern const size_t g_nAppDialogs;
