// Ids of the resources that sigkit itself provides.
#pragma once

#include "framework/core/Types.h"

// The prompt a status bar shows while no command is being pointed at.
constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;

// The message of a frame's print that could not be made.
constexpr UINT IDS_FRAME_PRINT_FAILED = 61500;

// The splash dialog's template and its picture control.
constexpr UINT IDD_SPLASH = 129;
constexpr UINT IDC_SPLASH_BITMAP = 1001;
