// Byte layout of BMP and ICO files, little-endian throughout, and of PNG files, big-endian.
#include "tools/picturegen/PictureFiles.h"

#include "framework/core/DibParser.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <fstream>

namespace
{
	constexpr uint32_t FILE_HEADER_SIZE = 14;
	constexpr uint32_t INFO_HEADER_SIZE = 40;
	constexpr uint32_t ICON_DIR_SIZE = 6;
	constexpr uint32_t ICON_ENTRY_SIZE = 16;
	// 72 dots per inch, the resolution picture editors assume.
	constexpr uint32_t PIXELS_PER_METRE = 2835;

	class CByteWriter
	{
	public:
		void U8(uint32_t v)
		{
			m_bytes.push_back(static_cast<uint8_t>(v & 0xFF));
		}
		void U16(uint32_t v)
		{
			U8(v);
			U8(v >> 8);
		}
		void U32(uint32_t v)
		{
			U16(v & 0xFFFF);
			U16(v >> 16);
		}
		size_t Size() const { return m_bytes.size(); }
		// Rows end on a four-byte boundary of their own, wherever the pixel data starts.
		void PadRow(size_t nRowStart, uint32_t nRowBytes)
		{
			while (m_bytes.size() < nRowStart + nRowBytes)
				U8(0);
		}
		const std::vector<uint8_t>& Bytes() const { return m_bytes; }

	private:
		std::vector<uint8_t> m_bytes;
	};

	uint32_t RowBytes(int nWidth, int nBitsPerPixel)
	{
		return static_cast<uint32_t>(DibRowSize(static_cast<WORD>(nBitsPerPixel), nWidth));
	}

	void InfoHeader(CByteWriter& out, int nWidth, int nHeight, int nBitsPerPixel, uint32_t nImageSize, uint32_t nColours)
	{
		out.U32(INFO_HEADER_SIZE);
		out.U32(static_cast<uint32_t>(nWidth));
		out.U32(static_cast<uint32_t>(nHeight));
		out.U16(1);
		out.U16(static_cast<uint32_t>(nBitsPerPixel));
		out.U32(0);
		out.U32(nImageSize);
		out.U32(nColours == 0 ? 0 : PIXELS_PER_METRE);
		out.U32(nColours == 0 ? 0 : PIXELS_PER_METRE);
		out.U32(nColours);
		out.U32(0);
	}

	bool Save(const std::string& path, const std::vector<uint8_t>& bytes)
	{
		std::ofstream file(path, std::ios::binary | std::ios::trunc);
		file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
		return static_cast<bool>(file);
	}

	std::vector<uint8_t> IconBitmap(const IconImage& image)
	{
		const int n = image.nSize;
		const uint32_t nXorSize = RowBytes(n, 32) * n;
		const uint32_t nAndSize = RowBytes(n, 1) * n;
		CByteWriter out;
		// An icon's bitmap is as tall as its colour rows and mask rows together.
		InfoHeader(out, n, 2 * n, 32, nXorSize + nAndSize, 0);
		for (int y = n - 1; y >= 0; y--)
		{
			for (int x = 0; x < n; x++)
			{
				const uint8_t* p = &image.rgba[(static_cast<size_t>(y) * n + x) * 4];
				out.U8(p[2]);
				out.U8(p[1]);
				out.U8(p[0]);
				out.U8(p[3]);
			}
		}
		for (int y = n - 1; y >= 0; y--)
		{
			const size_t nRowStart = out.Size();
			uint32_t nBits = 0;
			int nCount = 0;
			for (int x = 0; x < n; x++)
			{
				const bool bTransparent = image.rgba[(static_cast<size_t>(y) * n + x) * 4 + 3] == 0;
				nBits = (nBits << 1) | (bTransparent ? 1u : 0u);
				if (++nCount == 8)
				{
					out.U8(nBits);
					nBits = 0;
					nCount = 0;
				}
			}
			if (nCount > 0)
				out.U8(nBits << (8 - nCount));
			out.PadRow(nRowStart, RowBytes(n, 1));
		}
		return out.Bytes();
	}

	// PNG's integers are big-endian, unlike everything else written here.
	void PutU32Big(std::vector<uint8_t>& bytes, uint32_t v)
	{
		for (int nShift = 24; nShift >= 0; nShift -= 8)
			bytes.push_back(static_cast<uint8_t>((v >> nShift) & 0xFF));
	}

	// The reflected CRC-32 of zlib and PNG (polynomial 0xEDB88320), by a table of byte remainders.
	uint32_t Crc32(const uint8_t* p, size_t nCount, uint32_t nCrc = 0)
	{
		static const std::array<uint32_t, 256> table = [] {
			std::array<uint32_t, 256> t{};
			for (uint32_t n = 0; n < 256; n++)
			{
				uint32_t c = n;
				for (int k = 0; k < 8; k++)
					c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
				t[n] = c;
			}
			return t;
		}();
		nCrc = ~nCrc;
		for (size_t i = 0; i < nCount; i++)
			nCrc = table[(nCrc ^ p[i]) & 0xFF] ^ (nCrc >> 8);
		return ~nCrc;
	}

	uint32_t Adler32(const std::vector<uint8_t>& data)
	{
		constexpr uint32_t MOD_ADLER = 65521;
		uint32_t a = 1;
		uint32_t b = 0;
		for (uint8_t byte : data)
		{
			a = (a + byte) % MOD_ADLER;
			b = (b + a) % MOD_ADLER;
		}
		return (b << 16) | a;
	}

	// A chunk's CRC covers its type and its data, not its length.
	void PutChunk(std::vector<uint8_t>& bytes, const char* szType, const std::vector<uint8_t>& data)
	{
		PutU32Big(bytes, static_cast<uint32_t>(data.size()));
		const size_t nTypeStart = bytes.size();
		bytes.insert(bytes.end(), szType, szType + 4);
		bytes.insert(bytes.end(), data.begin(), data.end());
		PutU32Big(bytes, Crc32(&bytes[nTypeStart], bytes.size() - nTypeStart));
	}

	// A zlib stream of stored deflate blocks, each at most 65535 bytes, the last one flagged.
	std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& data)
	{
		constexpr size_t MAX_STORED = 65535;
		// Deflate with a 32 KiB window and no dictionary; 0x7801 is a multiple of 31 as the header requires.
		std::vector<uint8_t> out = {0x78, 0x01};
		size_t nDone = 0;
		do
		{
			const size_t nCount = std::min(MAX_STORED, data.size() - nDone);
			const bool bLast = nDone + nCount == data.size();
			out.push_back(bLast ? 1 : 0);
			out.push_back(static_cast<uint8_t>(nCount & 0xFF));
			out.push_back(static_cast<uint8_t>(nCount >> 8));
			out.push_back(static_cast<uint8_t>(~nCount & 0xFF));
			out.push_back(static_cast<uint8_t>((~nCount >> 8) & 0xFF));
			out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(nDone),
				data.begin() + static_cast<std::ptrdiff_t>(nDone + nCount));
			nDone += nCount;
		} while (nDone < data.size());
		PutU32Big(out, Adler32(data));
		return out;
	}
}

bool WriteIndexedBmp(const std::string& path, int nWidth, int nHeight, int nBitsPerPixel,
	const std::vector<Rgb8>& palette, const std::vector<uint8_t>& indices)
{
	const uint32_t nColours = 1u << nBitsPerPixel;
	if ((nBitsPerPixel != 4 && nBitsPerPixel != 8) || palette.size() != nColours
		|| indices.size() != static_cast<size_t>(nWidth) * nHeight)
		return false;

	const uint32_t nImageSize = RowBytes(nWidth, nBitsPerPixel) * nHeight;
	const uint32_t nPixelOffset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + 4 * nColours;
	CByteWriter out;
	out.U8('B');
	out.U8('M');
	out.U32(nPixelOffset + nImageSize);
	out.U32(0);
	out.U32(nPixelOffset);
	InfoHeader(out, nWidth, nHeight, nBitsPerPixel, nImageSize, nColours);
	for (const Rgb8& c : palette)
	{
		out.U8(c.b);
		out.U8(c.g);
		out.U8(c.r);
		out.U8(0);
	}
	for (int y = nHeight - 1; y >= 0; y--)
	{
		const size_t nRowStart = out.Size();
		const uint8_t* row = &indices[static_cast<size_t>(y) * nWidth];
		if (nBitsPerPixel == 8)
		{
			for (int x = 0; x < nWidth; x++)
				out.U8(row[x]);
		}
		else
		{
			// The left pixel of each pair sits in the high nibble.
			for (int x = 0; x < nWidth; x += 2)
				out.U8((row[x] << 4) | (x + 1 < nWidth ? row[x + 1] & 0x0F : 0));
		}
		out.PadRow(nRowStart, RowBytes(nWidth, nBitsPerPixel));
	}
	return Save(path, out.Bytes());
}

bool WriteIcon(const std::string& path, const std::vector<IconImage>& images)
{
	std::vector<std::vector<uint8_t>> bitmaps;
	for (const IconImage& image : images)
	{
		if (image.nSize < 1 || image.nSize > 256 || image.rgba.size() != static_cast<size_t>(image.nSize) * image.nSize * 4)
			return false;
		bitmaps.push_back(IconBitmap(image));
	}

	CByteWriter out;
	out.U16(0);
	out.U16(1);
	out.U16(static_cast<uint32_t>(images.size()));
	uint32_t nOffset = ICON_DIR_SIZE + ICON_ENTRY_SIZE * static_cast<uint32_t>(images.size());
	for (size_t i = 0; i < images.size(); i++)
	{
		// A size of 256 is written as 0, the byte's only way to say it.
		out.U8(images[i].nSize == 256 ? 0 : static_cast<uint32_t>(images[i].nSize));
		out.U8(images[i].nSize == 256 ? 0 : static_cast<uint32_t>(images[i].nSize));
		out.U8(0);
		out.U8(0);
		out.U16(1);
		out.U16(32);
		out.U32(static_cast<uint32_t>(bitmaps[i].size()));
		out.U32(nOffset);
		nOffset += static_cast<uint32_t>(bitmaps[i].size());
	}
	std::vector<uint8_t> bytes = out.Bytes();
	for (const std::vector<uint8_t>& bitmap : bitmaps)
		bytes.insert(bytes.end(), bitmap.begin(), bitmap.end());
	return Save(path, bytes);
}

bool WritePng(const std::string& path, const IconImage& image)
{
	const int n = image.nSize;
	if (n < 1 || image.rgba.size() != static_cast<size_t>(n) * n * 4)
		return false;

	std::vector<uint8_t> header;
	PutU32Big(header, static_cast<uint32_t>(n));
	PutU32Big(header, static_cast<uint32_t>(n));
	// Eight bits a channel, colour type 6 (RGBA), deflate, adaptive filtering, no interlace.
	header.insert(header.end(), {8, 6, 0, 0, 0});

	// Every row starts with its filter type; 0 leaves the bytes as they are.
	std::vector<uint8_t> rows;
	rows.reserve(static_cast<size_t>(n) * (4 * n + 1));
	for (int y = 0; y < n; y++)
	{
		rows.push_back(0);
		const auto rowStart = image.rgba.begin() + static_cast<std::ptrdiff_t>(y) * n * 4;
		rows.insert(rows.end(), rowStart, rowStart + static_cast<std::ptrdiff_t>(n) * 4);
	}

	std::vector<uint8_t> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
	PutChunk(bytes, "IHDR", header);
	PutChunk(bytes, "IDAT", StoredZlib(rows));
	PutChunk(bytes, "IEND", {});
	return Save(path, bytes);
}
