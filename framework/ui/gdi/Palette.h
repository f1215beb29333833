// CPalette: a logical palette. The screen is true-colour, so a palette never changes how
// colours are shown; it keeps its entries for the code that asks for them.
#pragma once

#include "framework/core/DibTypes.h"
#include "framework/ui/gdi/GdiObject.h"

class CPalette : public CGdiObject
{
	DECLARE_DYNAMIC(CPalette)

public:
	CPalette();

	static CPalette* FromHandle(HPALETTE hPalette);
	operator HPALETTE() const;

	BOOL CreatePalette(const LOGPALETTE* lpLogPalette);
	int GetEntryCount() const;
	UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
	UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, const PALETTEENTRY* lpPaletteColors);
	UINT GetNearestPaletteIndex(COLORREF crColor) const;
};
