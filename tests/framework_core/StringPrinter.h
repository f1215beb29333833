// Lets GoogleTest show a CString in a failure message as its text.
#pragma once

#include "framework/core/String.h"

#include <ostream>

inline void PrintTo(const CString& string, std::ostream* os)
{
	*os << '"' << static_cast<LPCTSTR>(string) << '"';
}
