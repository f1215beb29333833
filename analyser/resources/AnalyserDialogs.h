// The analyser's dialog templates: its window and the harmonic count dialog.
#pragma once

#include "framework/core/DialogTemplate.h"

#include <cstddef>

extern const DialogTemplate g_analyserDialogs[];
extern const size_t g_nAnalyserDialogs;
