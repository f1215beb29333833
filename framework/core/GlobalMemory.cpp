// HGLOBAL blocks: the block's size, then the caller's bytes aligned for any record.
#include "framework/core/GlobalMemory.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace
{

constexpr size_t kHeaderSize = alignof(std::max_align_t) > sizeof(size_t) ? alignof(std::max_align_t) : sizeof(size_t);

unsigned char* BlockOf(HGLOBAL hMem)
{
	return static_cast<unsigned char*>(hMem) - kHeaderSize;
}

}

HGLOBAL GlobalAlloc(UINT uFlags, size_t dwBytes)
{
	unsigned char* pBlock = static_cast<unsigned char*>(std::malloc(kHeaderSize + dwBytes));
	if (pBlock == nullptr)
	{
		return nullptr;
	}
	std::memcpy(pBlock, &dwBytes, sizeof(dwBytes));
	if ((uFlags & GMEM_ZEROINIT) != 0)
	{
		std::memset(pBlock + kHeaderSize, 0, dwBytes);
	}
	return pBlock + kHeaderSize;
}

LPVOID GlobalLock(HGLOBAL hMem)
{
	return hMem;
}

BOOL GlobalUnlock(HGLOBAL hMem)
{
	return hMem != nullptr;
}

size_t GlobalSize(HGLOBAL hMem)
{
	if (hMem == nullptr)
	{
		return 0;
	}
	size_t nSize = 0;
	std::memcpy(&nSize, BlockOf(hMem), sizeof(nSize));
	return nSize;
}

HGLOBAL GlobalFree(HGLOBAL hMem)
{
	if (hMem != nullptr)
	{
		std::free(BlockOf(hMem));
	}
	return nullptr;
}
