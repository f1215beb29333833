// What the main window says about a run in words: the modulation's name, its parameters with
// units for a printed page, and the note and message when the samples cover less time than asked.
#pragma once

#include "engine/ModulationParams.h"
#include "framework/core/String.h"

// "Modulazione di ampiezza A.M.", "Modulazione di frequenza", ...; empty before any run.
CString ModulationName(const ModulationParams& params);

// "Ap = 1 V   fp = 200 kHz   Am = 0,5 V   fm = 10 kHz   T = 0,2 ms   m = 0,5".
CString ParameterLine(const ModulationParams& params);

// "mostrati 1,2 ms di 3 ms" when the samples were capped, else empty.
CString ShownTimeNote(const ModulationParams& params);

// Why the samples cover less time than asked, and whether the envelope can be seen: for the
// message shown the first time it happens. Empty when they were not capped.
CString CappedTimeMessage(const ModulationParams& params);
