// Ids of the scope demonstration's own resources.
#pragma once

#include "framework/core/Types.h"

constexpr UINT IDD_SCOPE_DEMO = 100;
constexpr UINT IDC_SCOPE_LINE = 1000;
constexpr UINT IDC_SCOPE_BARS = 1001;
