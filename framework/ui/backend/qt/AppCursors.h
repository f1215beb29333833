// Cursor handles: each HCURSOR points at one of a fixed set of Qt cursor shapes.
#pragma once

#include "framework/core/Handles.h"
#include "framework/core/Types.h"

#include <Qt>

struct HCURSOR__
{
	UINT nResourceID;
	Qt::CursorShape shape;
};

// Null for an id that is not one of the standard cursors.
HCURSOR StandardCursor(UINT nResourceID);
