// CPalette: the entries of a logical palette.
#include "framework/ui/gdi/Palette.h"

#include "framework/ui/gdi/GdiObjectData.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

namespace
{
	std::shared_ptr<GdiPaletteData> PaletteOf(HGDIOBJ hObject)
	{
		return GdiFind<GdiPaletteData>(hObject);
	}

	UINT CountInRange(size_t nSize, UINT nStartIndex, UINT nNumEntries)
	{
		if (nStartIndex >= nSize)
			return 0;
		return static_cast<UINT>(std::min<size_t>(nNumEntries, nSize - nStartIndex));
	}
}

CPalette::CPalette()
{
}

CPalette* CPalette::FromHandle(HPALETTE hPalette)
{
	return static_cast<CPalette*>(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(hPalette)));
}

CPalette::operator HPALETTE() const
{
	return reinterpret_cast<HPALETTE>(m_hObject);
}

BOOL CPalette::CreatePalette(const LOGPALETTE* lpLogPalette)
{
	if (lpLogPalette == nullptr || lpLogPalette->palVersion != 0x300 || lpLogPalette->palNumEntries == 0)
		return FALSE;
	const PALETTEENTRY* pFirst = lpLogPalette->palPalEntry;
	std::vector<PALETTEENTRY> entries(pFirst, pFirst + lpLogPalette->palNumEntries);
	return Attach(GdiAddObject(std::make_shared<GdiPaletteData>(std::move(entries))));
}

int CPalette::GetEntryCount() const
{
	std::shared_ptr<GdiPaletteData> pData = PaletteOf(m_hObject);
	return pData == nullptr ? 0 : static_cast<int>(pData->m_entries.size());
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
{
	std::shared_ptr<GdiPaletteData> pData = PaletteOf(m_hObject);
	if (pData == nullptr)
		return 0;
	if (lpPaletteColors == nullptr)
		return static_cast<UINT>(pData->m_entries.size());
	UINT nCount = CountInRange(pData->m_entries.size(), nStartIndex, nNumEntries);
	std::copy_n(pData->m_entries.begin() + nStartIndex, nCount, lpPaletteColors);
	return nCount;
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, const PALETTEENTRY* lpPaletteColors)
{
	std::shared_ptr<GdiPaletteData> pData = PaletteOf(m_hObject);
	if (pData == nullptr || lpPaletteColors == nullptr || pData->m_bStock)
		return 0;
	UINT nCount = CountInRange(pData->m_entries.size(), nStartIndex, nNumEntries);
	std::copy_n(lpPaletteColors, nCount, pData->m_entries.begin() + nStartIndex);
	return nCount;
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const
{
	std::shared_ptr<GdiPaletteData> pData = PaletteOf(m_hObject);
	if (pData == nullptr)
		return CLR_INVALID;
	UINT nBest = 0;
	int nBestDistance = -1;
	for (size_t i = 0; i < pData->m_entries.size(); ++i)
	{
		const PALETTEENTRY& entry = pData->m_entries[i];
		int dr = entry.peRed - GetRValue(crColor);
		int dg = entry.peGreen - GetGValue(crColor);
		int db = entry.peBlue - GetBValue(crColor);
		int nDistance = dr * dr + dg * dg + db * db;
		if (nBestDistance < 0 || nDistance < nBestDistance)
		{
			nBest = static_cast<UINT>(i);
			nBestDistance = nDistance;
		}
	}
	return nBest;
}
