// Ids of the grid demonstration's own resources.
#pragma once

#include "framework/core/Types.h"

constexpr UINT IDD_GRID_DEMO = 100;
constexpr UINT IDC_GRID_DEMO = 1000;
