// Pictures written to files: a bitmap as PNG and a DC's drawing as SVG, and no file at all when
// one cannot be written.
#include "framework/ui/gdi/Gdi.h"
#include "framework/ui/services/PictureFiles.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{

std::string ReadAll(const std::string& strPath)
{
	std::ifstream file(strPath, std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t BigEndian(const std::string& bytes, size_t nOffset)
{
	std::uint32_t nValue = 0;
	for (size_t i = 0; i < 4; ++i)
	{
		nValue = (nValue << 8) | static_cast<unsigned char>(bytes[nOffset + i]);
	}
	return nValue;
}

TEST(PictureFiles, ABitmapBecomesAPngOfItsSizeAndNothingIsLeftWhereItCannotBeWritten)
{
	CScratchFolder folder;
	ASSERT_TRUE(WriteFile(folder.Path("file"), "x"));
	CBitmap bitmap;
	ASSERT_TRUE(bitmap.CreateBitmap(37, 5, 1, 32, nullptr));

	EXPECT_TRUE(SaveBitmapAsPng(bitmap, folder.Path("scope.png").c_str()));
	EXPECT_FALSE(SaveBitmapAsPng(bitmap, folder.Path("missing/scope.png").c_str()));
	EXPECT_FALSE(SaveBitmapAsPng(bitmap, folder.Path("file/scope.png").c_str()));
	EXPECT_FALSE(SaveBitmapAsPng(nullptr, folder.Path("none.png").c_str()));

	// The signature, then the IHDR chunk: its length 13, its name, the width and the height.
	const std::string bytes = ReadAll(folder.Path("scope.png"));
	ASSERT_GE(bytes.size(), 24u);
	EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16), bytes.substr(0, 16));
	EXPECT_EQ(37u, BigEndian(bytes, 16));
	EXPECT_EQ(5u, BigEndian(bytes, 20));
	EXPECT_EQ((std::vector<std::string> { "file", "scope.png" }), folder.Names());
}

TEST(PictureFiles, AnSvgDcWritesWhatWasDrawnAsAPictureOfItsSize)
{
	CScratchFolder folder;
	const std::string strPath = folder.Path("scopes.svg");
	HDC hDC = CreateSvgDC(strPath.c_str(), CSize(300, 120), "Oscilloscopi");
	ASSERT_NE(nullptr, hDC);
	CDC* pDC = CDC::FromHandle(hDC);
	CPen pen(PS_DASH, 1, RGB(0, 128, 0));
	CPen* pOldPen = pDC->SelectObject(&pen);
	pDC->MoveTo(10, 60);
	pDC->LineTo(290, 60);
	pDC->SelectObject(pOldPen);
	CFont font;
	font.CreatePointFont(90, "Arial");
	CFont* pOldFont = pDC->SelectObject(&font);
	pDC->TextOut(12, 8, CString("Vm(t) 1 ms/div"));
	pDC->SelectObject(pOldFont);

	EXPECT_TRUE(CloseSvgDC(hDC));
	EXPECT_FALSE(CloseSvgDC(hDC));

	const std::string svg = ReadAll(strPath);
	// xmllint (the test command installs libxml2-utils) reads it as XML and says nothing.
	EXPECT_EQ("", CommandOutput("xmllint --noout '" + strPath + "' 2>&1 || echo failed"));
	EXPECT_NE(std::string::npos, svg.find("<svg")) << svg;
	EXPECT_NE(std::string::npos, svg.find("viewBox=\"0 0 300 120\"")) << svg;
	EXPECT_NE(std::string::npos, svg.find("<title>Oscilloscopi</title>")) << svg;
	EXPECT_NE(std::string::npos, svg.find(">Vm(t) 1 ms/div<")) << svg;
	// The dashed line keeps its pixels: dashes of 18 in the pen's colour, gaps of 6 in the
	// background's, as on a window.
	EXPECT_NE(std::string::npos, svg.find("fill=\"#008000\"")) << svg;
	EXPECT_NE(std::string::npos, svg.find("<rect x=\"10\" y=\"60\" width=\"18\" height=\"1\"/>")) << svg;
	EXPECT_NE(std::string::npos, svg.find("<rect x=\"28\" y=\"60\" width=\"6\" height=\"1\"/>")) << svg;
	EXPECT_EQ(std::string::npos, svg.find("width=\"1\" height=\"1\"")) << svg;
	EXPECT_EQ((std::vector<std::string> { "scopes.svg" }), folder.Names());
}

TEST(PictureFiles, AnSvgThatCannotBeWrittenLeavesNoFile)
{
	CScratchFolder folder;
	EXPECT_EQ(nullptr, CreateSvgDC(folder.Path("missing/a.svg").c_str(), CSize(10, 10), ""));

	// The folder goes while the picture is drawn.
	const std::string strInner = folder.Path("inner");
	ASSERT_EQ(0, std::system(("mkdir " + strInner).c_str()));
	HDC hDC = CreateSvgDC((strInner + "/a.svg").c_str(), CSize(10, 10), "");
	ASSERT_NE(nullptr, hDC);
	CDC::FromHandle(hDC)->Rectangle(1, 1, 8, 8);
	ASSERT_EQ(0, std::system(("rm -r " + strInner).c_str()));
	EXPECT_FALSE(CloseSvgDC(hDC));
	EXPECT_TRUE(folder.Names().empty());
}

}
