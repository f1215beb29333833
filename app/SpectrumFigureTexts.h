// The spectrum's figures in words, one short Italian line each, for the spectrum window's panel
// and the heading of its printed page.
#pragma once

#include "engine/ModulationParams.h"
#include "engine/SpectrumFigures.h"
#include "framework/core/String.h"

#include <vector>

// "Banda: 20 kHz (2 fm)", "Efficienza: 11,11 %", "Indice β = 5", ... and the notes on negative
// frequencies and large indices when they apply; empty before any run.
std::vector<CString> SpectrumFigureLines(const ModulationParams& params, const SpectrumFigures& figures);
