// Ids of the scope demonstration's own resources.
#pragma once

#include "framework/core/Types.h"

constexpr UINT IDD_SCOPE_DEMO = 100;
constexpr UINT IDR_SCOPE_DEMO_MENU = 101;
constexpr UINT IDB_SCOPE_DEMO_TOOLBAR = 102;
constexpr UINT IDC_SCOPE_LINE = 1000;
constexpr UINT IDC_SCOPE_BARS = 1001;

constexpr UINT ID_DEMO_EXIT = 32800;
constexpr UINT ID_DEMO_LINE = 32801;
constexpr UINT ID_DEMO_STEPS = 32802;
constexpr UINT ID_DEMO_AXES = 32803;
