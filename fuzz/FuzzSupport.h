// What the fuzz targets share: archives over bytes held in memory, and a check that stops the run
// with its reason when a property of a loader does not hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CArchive;

// The bytes of a memory file the callback wrote through a storing archive.
std::vector<unsigned char> StoredBytes(void (*pWrite)(CArchive& ar, void* pContext), void* pContext);
// Runs the callback on a loading archive over a copy of the bytes.
void LoadBytes(const uint8_t* pData, size_t nSize, void (*pRead)(CArchive& ar, void* pContext), void* pContext);

// A broken property is a finding like a crash: libFuzzer saves the input that led here.
#define FUZZ_CHECK(condition) \
	((condition) ? (void)0 : FuzzCheckFailed(#condition, __FILE__, __LINE__))
[[noreturn]] void FuzzCheckFailed(const char* pszCondition, const char* pszFile, int nLine);
