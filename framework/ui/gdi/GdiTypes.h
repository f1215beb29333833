// The logical records of pens, brushes and fonts, which live in framework/core so that the driver
// contract, below the GDI, can take them too.
#pragma once

#include "framework/core/GdiRecords.h"
