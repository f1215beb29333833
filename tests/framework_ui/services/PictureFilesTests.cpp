// Pictures written to files: a bitmap as PNG and a DC's drawing as SVG, and no file at all when
// one cannot be written.
#include "framework/ui/gdi/Gdi.h"
#include "framework/ui/services/PictureFiles.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

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

TEST(PictureFiles, ABitmapBecomesAPngOfItsSizeAndNothingIsLeftWhereNoneCanBeWritten)
{
	CScratchFolder folder;
	CBitmap bitmap;
	ASSERT_TRUE(bitmap.CreateBitmap(259, 5, 1, 32, nullptr));
	EXPECT_TRUE(SaveBitmapAsPng(bitmap, folder.Path("scope.png").c_str()));
	EXPECT_FALSE(SaveBitmapAsPng(bitmap, folder.Path("missing/scope.png").c_str()));
	EXPECT_EQ(nullptr, CreateSvgDC(folder.Path("missing/a.svg").c_str(), CSize(10, 10), ""));
	// The folder goes while the picture is drawn.
	ASSERT_EQ(0, std::system(("mkdir " + folder.Path("inner")).c_str()));
	HDC hDC = CreateSvgDC(folder.Path("inner/a.svg").c_str(), CSize(10, 10), "");
	ASSERT_NE(nullptr, hDC);
	ASSERT_EQ(0, std::system(("rm -r " + folder.Path("inner")).c_str()));
	EXPECT_FALSE(CloseSvgDC(hDC));

	// The signature, then the IHDR chunk: its length 13, its name, the width and the height (big-endian).
	EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x01\x03\0\0\0\x05", 24),
		ReadAll(folder.Path("scope.png")).substr(0, 24));
	EXPECT_EQ((std::vector<std::string> { "scope.png" }), folder.Names());
}

TEST(PictureFiles, AnSvgDcWritesWhatWasDrawnAsAPictureOfItsSize)
{
	CScratchFolder folder;
	const std::string strPath = folder.Path("scopes.svg");
	HDC hDC = CreateSvgDC(strPath.c_str(), CSize(300, 120), "Oscilloscopi");
	ASSERT_NE(nullptr, hDC);
	CDC* pDC = CDC::FromHandle(hDC);
	CPen pen(PS_DASH, 1, RGB(0, 128, 0));
	CFont font;
	font.CreatePointFont(90, "Arial");
	pDC->SelectObject(&pen);
	pDC->SelectObject(&font);
	pDC->MoveTo(10, 60);
	pDC->LineTo(290, 60);
	pDC->TextOut(12, 8, CString("Vm(t) 1 ms/div"));
	EXPECT_TRUE(CloseSvgDC(hDC));
	// xmllint (the test command installs libxml2-utils) reads it as XML and says nothing.
	EXPECT_EQ("", CommandOutput("xmllint --noout '" + strPath + "' 2>&1 || echo failed"));
	for (const char* pszPart : { "viewBox=\"0 0 300 120\"", "<title>Oscilloscopi</title>", ">Vm(t) 1 ms/div<",
			 // Dashes of 18 pixels in the pen's colour, gaps of 6 in the background's, as on a window.
			 "fill=\"#008000\"", "<rect x=\"10\" y=\"60\" width=\"18\" height=\"1\"/>",
			 "<rect x=\"28\" y=\"60\" width=\"6\" height=\"1\"/>" })
	{
		EXPECT_NE(std::string::npos, ReadAll(strPath).find(pszPart)) << pszPart;
	}
	EXPECT_EQ((std::vector<std::string> { "scopes.svg" }), folder.Names());
}

}
