// sigkit's dialog frames: the bitmap image and its files, the bitmap dialog's backgrounds and
// transparent controls, and the splash sized to its picture and closed by its timer.
#include "BitmapFiles.h"

#include "framework/core/ControlConstants.h"
#include "framework/core/MemFile.h"
#include "framework/core/Resources.h"
#include "framework/ui/gdi/Palette.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "framework/ui/system/SystemServices.h"
#include "sigkit/frames/BitmapDialog.h"
#include "sigkit/frames/SpalshDlg.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{
	constexpr COLORREF MARK = BITMAP_MARK;
	constexpr COLORREF FILL = BITMAP_FILL;

	constexpr UINT IDB_TILE = 7101;
	constexpr UINT IDB_PICTURE = 7102;
	constexpr UINT IDD_BACKGROUND = 7201;
	constexpr UINT IDC_LABEL = 7301;

	const DialogItemTemplate s_backgroundItems[] = {
		{"STATIC", "", IDC_LABEL, WS_CHILD | WS_VISIBLE, 0, 100, 31, 40, 16},
	};
	const DialogTemplate s_backgroundDialog = {IDD_BACKGROUND, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 0, 100, 60, "",
		"MS Sans Serif", 8, s_backgroundItems, 1, 0};

	// The test program's own resources, searched before sigkit's.
	class FramesResources
	{
	public:
		FramesResources()
			: m_tile(MarkedBitmapFile(100, 50)), m_picture(MarkedBitmapFile(400, 300)),
			  m_module("frames tests", TRUE, nullptr, 0)
		{
			m_bitmaps[0] = {IDB_TILE, m_tile.data(), m_tile.size()};
			m_bitmaps[1] = {IDB_PICTURE, m_picture.data(), m_picture.size()};
			m_module.SetBitmaps(m_bitmaps, 2);
			m_module.SetDialogs(&s_backgroundDialog, 1);
			AfxAddResourceModule(&m_module);
		}

		~FramesResources() { AfxRemoveResourceModule(&m_module); }

	private:
		std::vector<BYTE> m_tile, m_picture;
		BinaryResource m_bitmaps[2];
		CResourceModule m_module;
	};

	// Ends a modal dialog with its own code after a while, so that a splash that never closes
	// itself fails the test instead of hanging it.
	class Watchdog : public CWnd
	{
	public:
		explicit Watchdog(CDialog& dialog) : m_dialog(dialog)
		{
			CreateEx(0, nullptr, "watchdog", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0);
			SetTimer(1, 20000, nullptr);
		}
		~Watchdog() override { DestroyWindow(); }

		static constexpr int EXPIRED = 77;

	protected:
		afx_msg void OnTimer(UINT_PTR)
		{
			KillTimer(1);
			m_dialog.EndDialog(EXPIRED);
		}
		DECLARE_MESSAGE_MAP()

	private:
		CDialog& m_dialog;
	};

	BEGIN_MESSAGE_MAP(Watchdog, CWnd)
		ON_WM_TIMER()
	END_MESSAGE_MAP()

	class BackgroundDialog : public ::testing::Test
	{
	protected:
		void Open(UINT nBitmap, int nMode, const CSize& client)
		{
			if (nBitmap != 0)
				m_bLoaded = m_dialog.SetBitmap(nBitmap, nMode);
			ASSERT_TRUE(m_dialog.Create(IDD_BACKGROUND));
			m_dialog.SetWindowPos(nullptr, 0, 0, client.cx, client.cy, SWP_NOMOVE | SWP_NOZORDER);
			m_dialog.InvalidateRect(nullptr, TRUE);
			m_dialog.UpdateWindow();
		}

		void TearDown() override { m_dialog.DestroyWindow(); }

		COLORREF Pixel(int x, int y) { return GetSurfacePixel(&m_dialog, x, y); }

		FramesResources m_resources;
		CBitmapDialog m_dialog;
		BOOL m_bLoaded = FALSE;
	};
}

TEST(DibImage, ReadsFilesWithAndWithoutPalette)
{
	std::vector<BYTE> paletted = PalettedBitmapFile();
	CMemFile file(paletted.data(), UINT(paletted.size()));
	CDibImage image;
	ASSERT_TRUE(image.Read(file)) << image.GetLastError();
	EXPECT_TRUE(image.m_bFromFile);
	EXPECT_EQ(image.GetWidth(), 2);
	ASSERT_NE(image.GetPalette(), nullptr);
	EXPECT_EQ(image.GetPalette()->GetEntryCount(), 4);

	std::vector<BYTE> trueColour = MarkedBitmapFile(3, 2);
	CMemFile file24(trueColour.data(), UINT(trueColour.size()));
	ASSERT_TRUE(image.Read(file24));
	EXPECT_EQ(image.GetPalette(), nullptr) << "a 24-bit image has no palette";
	EXPECT_EQ(image.GetHeight(), 2);
}

TEST(DibImage, RefusesAFileThatIsNotABitmapAndStaysEmpty)
{
	std::vector<BYTE> bytes = MarkedBitmapFile(3, 2);
	CMemFile good(bytes.data(), UINT(bytes.size()));
	CDibImage image;
	ASSERT_TRUE(image.Read(good));

	bytes[0] = 'X';
	CMemFile bad(bytes.data(), UINT(bytes.size()));
	EXPECT_FALSE(image.Read(bad));
	EXPECT_TRUE(image.IsEmpty());
	EXPECT_EQ(std::string(image.GetLastError()), "Error:Unexpected file type, not a DIB\n");
}

TEST(DibImage, WrittenFileReadsBackTheSamePixels)
{
	std::vector<BYTE> bytes = MarkedBitmapFile(5, 3);
	CMemFile in(bytes.data(), UINT(bytes.size()));
	CDibImage image;
	ASSERT_TRUE(image.Read(in));
	CMemFile out;
	ASSERT_TRUE(image.Write(out));
	out.SeekToBegin();
	CDibImage copy;
	ASSERT_TRUE(copy.Read(out));
	EXPECT_EQ(copy.GetWidth(), 5);
	EXPECT_EQ(std::memcmp(copy.m_pBits, image.m_pBits, image.m_pBMI->bmiHeader.biSizeImage), 0);
}

TEST_F(BackgroundDialog, TilesFromTheTopLeftCorner)
{
	Open(IDB_TILE, BITMAP_MODE_TILE, CSize(250, 120));
	ASSERT_TRUE(m_bLoaded);
	for (int x : {0, 100, 200})
		for (int y : {0, 50, 100})
			EXPECT_EQ(Pixel(x, y), MARK) << x << "," << y;
	EXPECT_EQ(Pixel(99, 49), FILL);
	EXPECT_EQ(Pixel(249, 119), FILL);
}

TEST_F(BackgroundDialog, CentresALargerBitmapAtNegativeCoordinates)
{
	Open(IDB_PICTURE, BITMAP_MODE_CENTER, CSize(200, 100));
	EXPECT_EQ(Pixel(0, 0), FILL);
	m_dialog.SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
	m_dialog.InvalidateRect(nullptr, TRUE);
	m_dialog.UpdateWindow();
	EXPECT_EQ(Pixel(0, 0), MARK) << "at its own size the picture starts at the corner";
}

TEST_F(BackgroundDialog, StaticControlsLetTheBitmapShowThrough)
{
	Open(IDB_TILE, BITMAP_MODE_TILE, CSize(250, 120));
	CWnd* pLabel = m_dialog.GetDlgItem(IDC_LABEL);
	ASSERT_NE(pLabel, nullptr);
	CRect rcLabel;
	pLabel->GetWindowRect(&rcLabel);
	m_dialog.ScreenToClient(&rcLabel);
	ASSERT_EQ(rcLabel.TopLeft(), CPoint(150, 50));
	pLabel->UpdateWindow();
	EXPECT_EQ(GetSurfacePixel(pLabel, 50, 0), MARK) << "the tile at (200, 50) shows through the label";
	EXPECT_EQ(GetSurfacePixel(pLabel, 5, 5), FILL);
}

TEST_F(BackgroundDialog, MissingBitmapKeepsTheDefaultBackground)
{
	EXPECT_FALSE(m_dialog.SetBitmap(4242));
	Open(0, BITMAP_MODE_TILE, CSize(100, 60));
	EXPECT_TRUE(m_dialog.m_dib.IsEmpty());
	EXPECT_EQ(Pixel(10, 10), GetSysColor(COLOR_BTNFACE));
}

TEST(SplashDialog, TakesThePictureSizeAndClosesCancelledOnItsTimer)
{
	FramesResources resources;
	CRect rcCentred;
	{
		// Without a picture nothing is resized and no timer runs: the script closes it.
		CSpalshDlg bare;
		CScriptedUser seam;
		seam.ThenInDialog([&](CDialog& dialog) {
			dialog.GetWindowRect(&rcCentred);
			dialog.EndDialog(IDOK);
		});
		EXPECT_EQ(bare.DoModal(), IDOK);
	}

	CSpalshDlg splash(IDB_PICTURE);
	Watchdog watchdog(splash);
	CRect rcClient, rcWindow;
	CScriptedUser seam;
	seam.ThenInDialog([&](CDialog& dialog) {
		dialog.GetClientRect(&rcClient);
		dialog.GetWindowRect(&rcWindow);
	});
	EXPECT_EQ(splash.DoModal(), IDCANCEL);
	// The picture plus the one-pixel sunken frame of the control.
	EXPECT_EQ(rcClient.Width(), 402);
	EXPECT_EQ(rcClient.Height(), 302);
	EXPECT_EQ(rcWindow.TopLeft(), rcCentred.TopLeft()) << "the corner stays where centring put it";
}
