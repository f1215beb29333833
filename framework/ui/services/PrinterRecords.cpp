// DEVNAMES and DEVMODE blocks.
#include "framework/ui/services/PrinterRecords.h"

#include <cstring>

namespace
{

CString DevNamesText(HGLOBAL hDevNames, WORD DEVNAMES::*pOffset)
{
	const DEVNAMES* pNames = static_cast<const DEVNAMES*>(GlobalLock(hDevNames));
	if (pNames == nullptr)
	{
		return CString();
	}
	CString strText(reinterpret_cast<const char*>(pNames) + pNames->*pOffset);
	GlobalUnlock(hDevNames);
	return strText;
}

}

HGLOBAL CreateDevNames(LPCTSTR lpszDriver, LPCTSTR lpszDevice, LPCTSTR lpszOutput, BOOL bDefault)
{
	LPCTSTR texts[] = { lpszDriver != nullptr ? lpszDriver : "", lpszDevice != nullptr ? lpszDevice : "",
		lpszOutput != nullptr ? lpszOutput : "" };
	size_t nSize = sizeof(DEVNAMES);
	for (LPCTSTR lpszText : texts)
	{
		nSize += std::strlen(lpszText) + 1;
	}
	HGLOBAL hDevNames = GlobalAlloc(GHND, nSize);
	if (hDevNames == nullptr)
	{
		return nullptr;
	}
	char* pBlock = static_cast<char*>(GlobalLock(hDevNames));
	DEVNAMES* pNames = reinterpret_cast<DEVNAMES*>(pBlock);
	WORD* offsets[] = { &pNames->wDriverOffset, &pNames->wDeviceOffset, &pNames->wOutputOffset };
	size_t nOffset = sizeof(DEVNAMES);
	for (int i = 0; i < 3; ++i)
	{
		*offsets[i] = static_cast<WORD>(nOffset);
		std::strcpy(pBlock + nOffset, texts[i]);
		nOffset += std::strlen(texts[i]) + 1;
	}
	pNames->wDefault = bDefault ? DN_DEFAULTPRN : 0;
	GlobalUnlock(hDevNames);
	return hDevNames;
}

CString DevNamesDriver(HGLOBAL hDevNames)
{
	return DevNamesText(hDevNames, &DEVNAMES::wDriverOffset);
}

CString DevNamesDevice(HGLOBAL hDevNames)
{
	return DevNamesText(hDevNames, &DEVNAMES::wDeviceOffset);
}

CString DevNamesOutput(HGLOBAL hDevNames)
{
	return DevNamesText(hDevNames, &DEVNAMES::wOutputOffset);
}

HGLOBAL CreateDevMode(LPCTSTR lpszDevice, short nOrientation, short nPaperSize, short nCopies)
{
	HGLOBAL hDevMode = GlobalAlloc(GHND, sizeof(DEVMODE));
	if (hDevMode == nullptr)
	{
		return nullptr;
	}
	DEVMODE* pMode = static_cast<DEVMODE*>(GlobalLock(hDevMode));
	// A long printer name is cut, as Windows cuts it; DEVNAMES keeps it whole.
	std::strncpy(pMode->dmDeviceName, lpszDevice != nullptr ? lpszDevice : "", CCHDEVICENAME - 1);
	pMode->dmSize = sizeof(DEVMODE);
	pMode->dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_COLLATE;
	pMode->dmOrientation = nOrientation;
	pMode->dmPaperSize = nPaperSize;
	pMode->dmCopies = nCopies;
	pMode->dmCollate = DMCOLLATE_TRUE;
	GlobalUnlock(hDevMode);
	return hDevMode;
}

HGLOBAL CopyGlobal(HGLOBAL hMem)
{
	if (hMem == nullptr)
	{
		return nullptr;
	}
	size_t nSize = GlobalSize(hMem);
	HGLOBAL hCopy = GlobalAlloc(GMEM_MOVEABLE, nSize);
	if (hCopy != nullptr)
	{
		std::memcpy(GlobalLock(hCopy), GlobalLock(hMem), nSize);
	}
	return hCopy;
}
