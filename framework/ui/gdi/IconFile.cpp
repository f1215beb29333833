// Icons from the bytes of icon files: the toolkit decodes the pictures and keeps them.
#include "framework/ui/gdi/IconFile.h"

#include "framework/ui/backend/Driver.h"

HICON AfxCreateIconFromFile(const BYTE* pData, size_t nSize)
{
	return AfxGetDriver().CreateIconFromFile(pData, nSize);
}
