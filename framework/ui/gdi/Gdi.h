// Everything of the framework's drawing layer in one include.
#pragma once

#include "framework/core/DibTypes.h"
#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Brush.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Dib.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/gdi/GdiObject.h"
#include "framework/ui/gdi/GdiTypes.h"
#include "framework/ui/gdi/Palette.h"
#include "framework/ui/gdi/Pen.h"
#include "framework/ui/gdi/Rgn.h"
