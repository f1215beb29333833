// Ids of the framework's standard strings: the application's title, looked up when the
// application object is given no name, and the save dialog's caption and all-files filter.
#pragma once

#include "framework/core/Types.h"

constexpr UINT AFX_IDS_APP_TITLE = 0xE000;
constexpr UINT AFX_IDS_SAVEFILE = 0xF001;
constexpr UINT AFX_IDS_ALLFILTER = 0xF002;
