// HGLOBAL blocks: their size, zeroing, alignment for any record, and the null handle.
#include "framework/core/GlobalMemory.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

TEST(GlobalMemoryTest, BlocksKeepTheirSizeAndAreZeroedWhenAskedAnywhereInThem)
{
	for (size_t nBytes : { size_t(0), size_t(1), size_t(33), size_t(4096) })
	{
		// A freed block of the same size full of ones is what the allocator most likely hands back.
		HGLOBAL hDirty = GlobalAlloc(GMEM_MOVEABLE, nBytes);
		std::memset(GlobalLock(hDirty), 0xFF, nBytes);
		GlobalFree(hDirty);
		HGLOBAL hMem = GlobalAlloc(GHND, nBytes);
		ASSERT_NE(hMem, nullptr) << nBytes;
		EXPECT_EQ(GlobalSize(hMem), nBytes);
		const BYTE* pBytes = static_cast<const BYTE*>(GlobalLock(hMem));
		EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pBytes) % alignof(std::max_align_t), 0u) << nBytes;
		size_t nNonZero = 0;
		for (size_t i = 0; i < nBytes; i++)
			nNonZero += pBytes[i] != 0;
		EXPECT_EQ(nNonZero, 0u) << nBytes;
		EXPECT_TRUE(GlobalUnlock(hMem));
		EXPECT_EQ(GlobalFree(hMem), nullptr);
	}
	EXPECT_EQ(GlobalSize(nullptr), 0u);
	EXPECT_FALSE(GlobalUnlock(nullptr));
	EXPECT_EQ(GlobalFree(nullptr), nullptr);
}
