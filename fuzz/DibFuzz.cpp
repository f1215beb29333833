// Reads arbitrary bytes as a bitmap file: the parser's view row by row, then the image class. An
// image that reads is written again, and the file written must parse to the same header and rows.
#include "fuzz/FuzzSupport.h"

#include "framework/core/DibParser.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"
#include "sigkit/frames/DibFile.h"
#include "sigkit/frames/DibImage.h"

#include <vector>

namespace
{
	// Every pixel of every row is decoded, as the picture code does when it draws the file.
	void DecodeRows(const uint8_t* pData, size_t nSize)
	{
		DibView view;
		if (DibParseFile(pData, nSize, view) != DibFault::None)
			return;
		std::vector<RGBQUAD> pixels(size_t(view.info.bmiHeader.biWidth));
		for (size_t nRow = 0; nRow < view.nRows; nRow++)
			view.ReadRow(nRow, pixels.data());
	}

	std::vector<BYTE> WrittenFile(CDibImage& image)
	{
		CMemFile file;
		FUZZ_CHECK(image.Write(file));
		std::vector<BYTE> bytes(size_t(file.GetLength()));
		file.SeekToBegin();
		file.Read(bytes.data(), UINT(bytes.size()));
		return bytes;
	}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
	DecodeRows(pData, nSize);

	DibFileContents contents;
	CString strError;
	const BOOL bParsed = ParseDibFile(pData, nSize, contents, strError);
	FUZZ_CHECK(bParsed == strError.IsEmpty());

	CDibImage image;
	try
	{
		CMemFile file;
		if (nSize > 0)
			file.Write(pData, UINT(nSize));
		file.SeekToBegin();
		FUZZ_CHECK(image.Read(file) == bParsed);
	}
	catch (const CMemoryException&)
	{
		return 0;
	}
	if (!bParsed)
	{
		FUZZ_CHECK(image.IsEmpty());
		return 0;
	}
	const BITMAPINFOHEADER& header = contents.info.bmiHeader;
	FUZZ_CHECK(image.GetWidth() == header.biWidth && image.GetHeight() == header.biHeight);
	FUZZ_CHECK(header.biHeight > 0);
	DibPaletteEntries(header, contents.info.bmiColors, DibColorTableEntries(header.biBitCount));

	const std::vector<BYTE> written = WrittenFile(image);
	DibFileContents again;
	FUZZ_CHECK(ParseDibFile(written.data(), written.size(), again, strError));
	FUZZ_CHECK(again.info.bmiHeader.biWidth == header.biWidth);
	FUZZ_CHECK(again.info.bmiHeader.biHeight == header.biHeight);
	FUZZ_CHECK(again.info.bmiHeader.biBitCount == header.biBitCount);
	FUZZ_CHECK(again.bits == contents.bits);
	return 0;
}
