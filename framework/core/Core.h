// Everything of the framework's window-free half in one include.
#pragma once

#include "framework/core/Archive.h"
#include "framework/core/Array.h"
#include "framework/core/Collections.h"
#include "framework/core/Diagnostics.h"
#include "framework/core/DumpContext.h"
#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "framework/core/Geometry.h"
#include "framework/core/MemFile.h"
#include "framework/core/Object.h"
#include "framework/core/Resources.h"
#include "framework/core/String.h"
#include "framework/core/StringList.h"
#include "framework/core/Types.h"
