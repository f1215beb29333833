// Files embedded at build time arrive in the program byte for byte.
#include <gtest/gtest.h>

#include <cstddef>

extern const unsigned char embedded_EmbedAllBytes_bin[];
extern const size_t embedded_EmbedAllBytes_bin_size;
extern const unsigned char embedded_EmbedEmpty_bin[];
extern const size_t embedded_EmbedEmpty_bin_size;

TEST(EmbedFilesTest, EveryByteValueArrivesInFileOrder)
{
	ASSERT_EQ(embedded_EmbedAllBytes_bin_size, 256u);
	for (size_t i = 0; i < embedded_EmbedAllBytes_bin_size; i++)
		EXPECT_EQ(embedded_EmbedAllBytes_bin[i], i) << "byte " << i;
}

TEST(EmbedFilesTest, AnEmptyFileHasSizeZero)
{
	EXPECT_EQ(embedded_EmbedEmpty_bin_size, 0u);
}
