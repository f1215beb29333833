// What the desktop's clipboard holds, read back from the toolkit's clipboard, for tests.
#pragma once

#include "framework/core/String.h"

#include <cstdint>
#include <vector>

struct DesktopClipboard
{
	bool bText;
	CString strText;
	bool bImage;
	int nWidth;
	int nHeight;
	std::vector<std::uint32_t> pixels;	// rows from the top, 0xFFRRGGBB
};

DesktopClipboard AfxReadDesktopClipboard();
