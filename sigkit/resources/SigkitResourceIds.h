// Ids of the resources that sigkit itself provides.
#pragma once

#include "framework/core/Types.h"

// The prompt a status bar shows while no command is being pointed at.
constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;
