// The scopes read in volts and seconds in the main window: the note and message of a capped
// time, zoom, pan and cursors from the mouse and keyboard, and the pictures for a handout.
#include "tests/app/MainWindowFixture.h"

#include "app/resources/AppResourceIds.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/services/FileDialog.h"
#include "framework/ui/testing/ClipboardAccess.h"
#include "framework/ui/testing/UserDriving.h"
#include "tests/support/Environment.h"
#include "tests/support/Files.h"

#include <cmath>
#include <filesystem>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace
{
	std::string FileBytes(const std::string& strPath)
	{
		std::ifstream file(strPath, std::ios::binary);
		return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
	}

	// A PNG's width and height, big-endian at bytes 16 and 20 of its header chunk.
	CSize PngSize(const std::string& strBytes)
	{
		auto word = [&](size_t nAt)
		{
			return (static_cast<unsigned char>(strBytes[nAt]) << 24) | (static_cast<unsigned char>(strBytes[nAt + 1]) << 16)
				| (static_cast<unsigned char>(strBytes[nAt + 2]) << 8) | static_cast<unsigned char>(strBytes[nAt + 3]);
		};
		return strBytes.size() < 24 ? CSize(0, 0) : CSize(word(16), word(20));
	}

	bool Near(double dValue, double dExpected)
	{
		return std::fabs(dValue - dExpected) <= std::fabs(dExpected) * 1e-9;
	}
}

class ScopeViewTest : public MainWindowTest
{
protected:
	ScopeViewTest() : m_home("HOME", m_folder.Path("").c_str()), m_config("XDG_CONFIG_HOME", m_folder.Path("config").c_str())
	{
	}

	void SetUp() override
	{
		MainWindowTest::SetUp();
		Command(ID_VIEW_SCALES);
		ASSERT_TRUE(m_dlg.m_scopeModulated.IsCalibrated());
	}

	void Run(const ParamInput& input)
	{
		m_user.ThenInDialog(EnterParams(input));
		Command(ID_MOD_AMPIEZZA);
	}

	CPoint MiddleOf(CWnd& scope)
	{
		CRect rc;
		scope.GetClientRect(&rc);
		return rc.CenterPoint();
	}

	void Click(CWnd& scope, CPoint pt, UINT nFlags = 0)
	{
		AfxSendMouseInput(&scope, WM_LBUTTONDOWN, pt, nFlags);
		AfxSendMouseInput(&scope, WM_LBUTTONUP, pt, nFlags);
	}

	std::string StatusText()
	{
		CString str;
		m_dlg.m_wndStatusBar.GetPaneText(0, str);
		return std::string(str);
	}

	CScratchFolder m_folder;
	CScopedEnv m_home;
	CScopedEnv m_config;
};

TEST_F(ScopeViewTest, ACappedTimeIsNotedAndExplainedTheFirstTime)
{
	// 25 samples a period of 1 MHz fill the 3000 in 120 µs, less than a period of 1 kHz.
	Run({nullptr, "1000000", nullptr, "1000", "0.003"});
	const std::vector<std::string> boxes = m_user.BoxTexts();
	ASSERT_EQ(boxes.size(), 1u);
	EXPECT_EQ(boxes[0],
		"Il tempo di simulazione richiede più campioni di quanti una simulazione ne contenga: ogni periodo della "
		"portante è descritto da 25 campioni, al massimo 3000.\nVengono mostrati 120 µs dei 3 ms richiesti.\n"
		"Per vedere tutto il tempo richiesto scegliere una frequenza portante più bassa o un tempo di simulazione "
		"più breve.\nIl tempo mostrato è più breve di un periodo del segnale modulante: l'inviluppo non si può vedere.");
	EXPECT_EQ(m_user.m_shown.back().nType & MB_ICONINFORMATION, static_cast<UINT>(MB_ICONINFORMATION));

	Run({nullptr, "1000000", nullptr, "1000", "0.003"});
	Run({nullptr, "200000", nullptr, "10000", "0.0002"});
	EXPECT_EQ(m_user.BoxTexts().size(), 1u) << "explained once, noted on the scope every time";
}

TEST_F(ScopeViewTest, WheelZoomsTheThreeScopesAndADoubleClickShowsTheWhole)
{
	Run({});
	const ScopeTimeWindow whole = m_dlg.m_scopeModulated.WholeTimeWindow();
	const CPoint pt(100, MiddleOf(m_dlg.m_scopeModulated).y);
	double dUnder = 0.0;
	ASSERT_TRUE(m_dlg.m_scopeModulated.TimeAtClientX(pt.x, dUnder));

	ASSERT_TRUE(AfxSendMouseWheel(&m_dlg.m_scopeModulated, WHEEL_DELTA, pt));
	const ScopeTimeWindow zoomed = m_dlg.m_scopeModulated.GetTimeWindow();
	EXPECT_LT(zoomed.dEnd - zoomed.dStart, whole.dEnd - whole.dStart);
	double dStillUnder = 0.0;
	ASSERT_TRUE(m_dlg.m_scopeModulated.TimeAtClientX(pt.x, dStillUnder));
	EXPECT_NEAR(dStillUnder, dUnder, (zoomed.dEnd - zoomed.dStart) / 100) << "the time under the pointer stays";
	for (CCalibratedScope* pScope : {&m_dlg.m_scopeModulating, &m_dlg.m_scopeCarrier})
	{
		EXPECT_DOUBLE_EQ(pScope->GetTimeWindow().dStart, zoomed.dStart);
		EXPECT_DOUBLE_EQ(pScope->GetTimeWindow().dEnd, zoomed.dEnd);
	}

	AfxSendMouseInput(&m_dlg.m_scopeCarrier, WM_LBUTTONDOWN, pt);
	AfxSendMouseInput(&m_dlg.m_scopeCarrier, WM_LBUTTONUP, pt);
	AfxSendMouseInput(&m_dlg.m_scopeCarrier, WM_LBUTTONDBLCLK, pt);
	AfxSendMouseInput(&m_dlg.m_scopeCarrier, WM_LBUTTONUP, pt);
	EXPECT_DOUBLE_EQ(m_dlg.m_scopeModulating.GetTimeWindow().dEnd, whole.dEnd);
	EXPECT_DOUBLE_EQ(m_dlg.m_scopeModulating.GetTimeWindow().dStart, whole.dStart);
}

TEST_F(ScopeViewTest, DraggingPansWithoutPlacingACursor)
{
	Run({});
	m_dlg.m_scopes.ZoomAboutCentre(0.25);
	const ScopeTimeWindow before = m_dlg.m_scopes.GetTimeWindow();
	const CPoint pt = MiddleOf(m_dlg.m_scopeCarrier);
	AfxSendMouseInput(&m_dlg.m_scopeCarrier, WM_LBUTTONDOWN, pt);
	AfxSendMouseInput(&m_dlg.m_scopeCarrier, WM_MOUSEMOVE, pt + CPoint(40, 0), MK_LBUTTON);
	AfxSendMouseInput(&m_dlg.m_scopeCarrier, WM_LBUTTONUP, pt + CPoint(40, 0));
	const ScopeTimeWindow after = m_dlg.m_scopes.GetTimeWindow();
	EXPECT_LT(after.dStart, before.dStart) << "the picture follows the pointer to the right: earlier times";
	EXPECT_TRUE(Near(after.dEnd - after.dStart, before.dEnd - before.dStart));
	EXPECT_FALSE(m_dlg.m_scopes.HasCursors());
}

TEST_F(ScopeViewTest, CursorsFromClicksAreReadInTheStatusBarAndEscapeTakesThemAway)
{
	Run({});
	const int y = MiddleOf(m_dlg.m_scopeModulated).y;
	AfxSendMouseInput(&m_dlg.m_scopeModulated, WM_MOUSEMOVE, CPoint(60, y));
	EXPECT_EQ(StatusText().rfind("t = ", 0), 0u) << StatusText();
	EXPECT_NE(StatusText().find("Vmto(t) = "), std::string::npos) << StatusText();

	Click(m_dlg.m_scopeModulated, CPoint(60, y));
	Click(m_dlg.m_scopeModulated, CPoint(260, y), MK_SHIFT);
	ASSERT_TRUE(m_dlg.m_scopes.HasCursors());
	EXPECT_NE(StatusText().find("\xCE\x94t = "), std::string::npos) << StatusText();
	EXPECT_NE(StatusText().find("1/\xCE\x94t = "), std::string::npos) << StatusText();

	AfxSendKeyInput(&m_dlg, WM_KEYDOWN, VK_ESCAPE);
	AfxSendKeyInput(&m_dlg, WM_KEYUP, VK_ESCAPE);
	EXPECT_FALSE(m_dlg.m_scopes.HasCursors());
	EXPECT_TRUE(m_user.BoxTexts().empty()) << "Escape took the cursors, it did not ask to close";
	EXPECT_TRUE(::IsWindow(m_dlg.GetSafeHwnd()));

	// Left of the axis, before the first sample, no cursor is placed.
	Click(m_dlg.m_scopeModulated, CPoint(3, y));
	EXPECT_FALSE(m_dlg.m_scopes.HasCursors());
}

TEST_F(ScopeViewTest, PicturesAreWrittenAsPngOrSvgAndNothingIsLeftWhereTheyCannotBe)
{
	Run({});
	const CSize sizeWindow = m_dlg.PictureSize();
	const std::string strPng = m_folder.Path("oscilloscopio.png");
	m_user.Then(ModalKind::FileDialog, ChooseFile(strPng));
	m_user.Then(ModalKind::Dialog, IDOK);
	Command(ID_FILE_EXPORT_PICTURE);
	const std::string strBytes = FileBytes(strPng);
	ASSERT_EQ(strBytes.substr(0, 8), "\x89PNG\r\n\x1A\n");
	EXPECT_EQ(PngSize(strBytes), sizeWindow);

	// The filter chosen names the kind when the name has no extension.
	m_user.Then(ModalKind::FileDialog, [&](ModalRequest& request)
	{
		static_cast<OPENFILENAME*>(request.pData)->nFilterIndex = 2;
		return ChooseFile(m_folder.Path("dispensa"))(request);
	});
	m_user.Then(ModalKind::Dialog, IDOK);
	Command(ID_FILE_EXPORT_PICTURE);
	const std::string strSvg = FileBytes(m_folder.Path("dispensa.svg"));
	EXPECT_NE(strSvg.find("<svg"), std::string::npos);
	EXPECT_NE(strSvg.find("Segnale Modulato Vmto(t)"), std::string::npos);
	EXPECT_NE(strSvg.find("/div"), std::string::npos) << "the readouts are on the picture";

	const std::string strBad = m_folder.Path("manca/figura.png");
	m_user.m_shown.clear();
	m_user.Then(ModalKind::FileDialog, ChooseFile(strBad));
	m_user.Then(ModalKind::Dialog, IDOK);
	Command(ID_FILE_EXPORT_PICTURE);
	ASSERT_EQ(m_user.BoxTexts().size(), 1u);
	EXPECT_NE(m_user.BoxTexts()[0].find(strBad), std::string::npos) << m_user.BoxTexts()[0];
	EXPECT_FALSE(std::filesystem::exists(m_folder.Path("manca")));
}

// Before a run the picture holds the empty grids; after it, the traces too.
TEST_F(ScopeViewTest, CopiedPictureHoldsTheGridsAndThenTheTraces)
{
	for (bool bRun : {false, true})
	{
		if (bRun)
			Run({});
		Command(ID_EDIT_COPY_PICTURE);
		const DesktopClipboard clipboard = AfxReadDesktopClipboard();
		ASSERT_TRUE(clipboard.bImage) << "run " << bRun;
		EXPECT_EQ(CSize(clipboard.nWidth, clipboard.nHeight), m_dlg.PictureSize());
		const auto count = [&](std::uint32_t colour)
		{
			return std::count(clipboard.pixels.begin(), clipboard.pixels.end(), colour);
		};
		EXPECT_GT(count(0xFF008000u), 1000) << "run " << bRun;
		EXPECT_EQ(count(0xFF00FF00u) > 0, bRun);
	}
	EXPECT_TRUE(m_user.BoxTexts().empty());
}

TEST_F(ScopeViewTest, PrintedPageNamesTheModulationAndItsParameters)
{
	Run({});
	m_user.Otherwise(ModalKind::PrintDialog, IDOK);
	Command(ID_FILE_PRINT_SCOPES);
	const std::string strPdf = m_folder.Path("Ondivar.pdf");
	ASSERT_TRUE(std::filesystem::exists(strPdf));
	const std::string strText = CommandOutput("pdftotext -layout '" + strPdf + "' -");
	for (const char* pszExpected : {"Ondivar - Modulazione di ampiezza A.M.", "Ap = 1 V", "fp = 200 kHz", "Am = 0,5 V",
		"fm = 10 kHz", "T = 200 µs", "m = 0,5", "Segnale Portante Vp(t)", "V/div"})
		EXPECT_NE(strText.find(pszExpected), std::string::npos) << pszExpected << " in\n" << strText;
}
