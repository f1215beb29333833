// Memory archives for the fuzz targets and the failed-check report.
#include "fuzz/FuzzSupport.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"

#include <cstdio>
#include <cstdlib>

std::vector<unsigned char> StoredBytes(void (*pWrite)(CArchive& ar, void* pContext), void* pContext)
{
	CMemFile file;
	{
		CArchive ar(&file, CArchive::store);
		pWrite(ar, pContext);
		ar.Close();
	}
	std::vector<unsigned char> bytes(size_t(file.GetLength()));
	file.SeekToBegin();
	if (!bytes.empty())
		file.Read(bytes.data(), UINT(bytes.size()));
	return bytes;
}

void LoadBytes(const uint8_t* pData, size_t nSize, void (*pRead)(CArchive& ar, void* pContext), void* pContext)
{
	CMemFile file;
	if (nSize > 0)
		file.Write(pData, UINT(nSize));
	file.SeekToBegin();
	CArchive ar(&file, CArchive::load);
	pRead(ar, pContext);
}

void FuzzCheckFailed(const char* pszCondition, const char* pszFile, int nLine)
{
	std::fprintf(stderr, "%s:%d: property broken: %s\n", pszFile, nLine, pszCondition);
	std::abort();
}
