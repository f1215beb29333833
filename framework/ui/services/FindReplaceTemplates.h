// The dialog templates of the find and the replace dialogs.
#pragma once

#include "framework/core/DialogTemplate.h"

extern const DialogTemplate g_findDialogTemplate;
extern const DialogTemplate g_replaceDialogTemplate;
