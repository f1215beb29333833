// The print dialogs through the seam: what they ask, their answers, the printer DC they return and
// the printer the application keeps for the rest of the run.
#include "framework/core/GdiConstants.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/PrinterDC.h"
#include "framework/ui/window/WinApp.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

namespace
{

constexpr DWORD SETUP_FLAGS = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION;

// Frees the records a scripted answer made, which no dialog owns.
void FreeRecords(PRINTDLG& pd)
{
	GlobalFree(pd.hDevNames);
	GlobalFree(pd.hDevMode);
	pd.hDevNames = nullptr;
	pd.hDevMode = nullptr;
}

TEST(PrintDialogTest, AcceptedPrintDialogReturnsADcOnTheChosenPrinter)
{
	CPrintDialog dialog(FALSE);
	CScriptedUser seam;
	seam.Then(ChoosePdfPrinter(DMORIENT_PORTRAIT, 3));

	ASSERT_EQ(IDOK, dialog.DoModal());
	ASSERT_EQ(1u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::PrintDialog, seam.m_shown[0].nKind);
	EXPECT_EQ("Stampa", seam.m_shown[0].strCaption);
	EXPECT_EQ(SETUP_FLAGS | PD_RETURNDC, seam.m_shown[0].nType);
	EXPECT_STREQ(PDF_PRINTER_NAME, dialog.GetDeviceName());
	EXPECT_EQ(3, dialog.GetCopies());
	EXPECT_TRUE(dialog.PrintAll());
	EXPECT_EQ(-1, dialog.GetFromPage());
	HDC hDC = dialog.GetPrinterDC();
	ASSERT_NE(nullptr, hDC);
	CPrinterDC dc;
	ASSERT_TRUE(dc.Attach(hDC));
	EXPECT_EQ(DT_RASPRINTER, dc.GetDeviceCaps(TECHNOLOGY));
	dc.DeleteDC();
	FreeRecords(dialog.m_pd);
}

TEST(PrintDialogTest, CancelledDialogGivesNoDcAndPageRangesAreReadFromTheFlags)
{
	CPrintDialog dialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE);
	CScriptedUser seam;
	seam.Then(IDCANCEL);
	EXPECT_EQ(IDCANCEL, dialog.DoModal());
	EXPECT_EQ(nullptr, dialog.GetPrinterDC());
	// Without a printer of its own the dialog started from the default one.
	EXPECT_FALSE(dialog.GetDeviceName().IsEmpty());

	dialog.m_pd.Flags |= PD_PAGENUMS;
	dialog.m_pd.nFromPage = 2;
	dialog.m_pd.nToPage = 5;
	EXPECT_TRUE(dialog.PrintRange());
	EXPECT_FALSE(dialog.PrintAll());
	EXPECT_EQ(2, dialog.GetFromPage());
	EXPECT_EQ(5, dialog.GetToPage());
	dialog.m_pd.Flags = (dialog.m_pd.Flags & ~PD_PAGENUMS) | PD_SELECTION;
	EXPECT_TRUE(dialog.PrintSelection());
	EXPECT_FALSE(dialog.PrintAll());
}

TEST(PrintDialogTest, DefaultsNeedNoAnswerAndGiveAPrinterDc)
{
	CScriptedUser seam;
	CPrintDialog dialog(FALSE);
	ASSERT_TRUE(dialog.GetDefaults());
	EXPECT_TRUE(seam.m_shown.empty());
	EXPECT_FALSE(dialog.GetDeviceName().IsEmpty());
	ASSERT_NE(nullptr, dialog.GetPrinterDC());
	CDC dc;
	dc.Attach(dialog.GetPrinterDC());
	EXPECT_GT(dc.GetDeviceCaps(HORZRES), 0);
}

TEST(PrintDialogTest, ApplicationKeepsThePrinterChosenInSetUpForLaterDialogs)
{
	CWinApp app("Ondivar");
	CScriptedUser seam;
	{
		CPrintDialog setup(TRUE, SETUP_FLAGS);
		seam.Then([](ModalRequest& request)
		{
			// The set-up dialog was lent the application's printer, and the user turns it sideways.
			PRINTDLG* pPd = static_cast<PRINTDLG*>(request.pData);
			LPDEVMODE pMode = static_cast<LPDEVMODE>(GlobalLock(pPd->hDevMode));
			pMode->dmOrientation = DMORIENT_LANDSCAPE;
			pMode->dmCopies = 2;
			return static_cast<INT_PTR>(IDOK);
		});
		EXPECT_EQ(IDOK, app.DoPrintDialog(&setup));
		EXPECT_EQ(nullptr, setup.GetPrinterDC());
		EXPECT_EQ("Imposta stampante", seam.m_shown[0].strCaption);
		EXPECT_EQ(SETUP_FLAGS | PD_PRINTSETUP, seam.m_shown[0].nType);
	}
	{
		// A printer picked later replaces the kept one; a cancelled dialog changes nothing.
		CPrintDialog print(FALSE);
		seam.Then(ChoosePdfPrinter(DMORIENT_LANDSCAPE, 4));
		EXPECT_EQ(IDOK, app.DoPrintDialog(&print));
		CDC dc;
		dc.Attach(print.GetPrinterDC());
		EXPECT_GT(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
	}
	{
		CPrintDialog cancelled(TRUE);
		seam.Then(IDCANCEL);
		EXPECT_EQ(IDCANCEL, app.DoPrintDialog(&cancelled));
	}
	PRINTDLG kept = {};
	ASSERT_TRUE(app.GetPrinterDeviceDefaults(&kept));
	EXPECT_STREQ(PDF_PRINTER_NAME, DevNamesDevice(kept.hDevNames));
	LPDEVMODE pMode = static_cast<LPDEVMODE>(GlobalLock(kept.hDevMode));
	EXPECT_EQ(DMORIENT_LANDSCAPE, pMode->dmOrientation);
	EXPECT_EQ(4, pMode->dmCopies);
	EXPECT_EQ(kept.hDevNames, app.m_hDevNames);
}

struct CapsCase
{
	short nOrientation;
	int nHorzRes;
	int nVertRes;
	int nHorzSize;
	int nVertSize;
};

TEST(PrintDialogTest, PdfPrinterDcMeasuresAnA4SheetAt600Dpi)
{
	const CapsCase cases[] = {
		// Qt measures A4 as 595 × 842 points.
		{ DMORIENT_PORTRAIT, 4958, 7016, 210, 297 },
		{ DMORIENT_LANDSCAPE, 7016, 4958, 297, 210 },
	};
	for (const CapsCase& caps : cases)
	{
		SCOPED_TRACE(caps.nOrientation);
		HGLOBAL hDevNames = CreateDevNames("pdf", PDF_PRINTER_NAME, "", FALSE);
		HGLOBAL hDevMode = CreateDevMode(PDF_PRINTER_NAME, caps.nOrientation, DMPAPER_A4, 1);
		CPrinterDC dc;
		ASSERT_TRUE(dc.CreatePrinterDC(hDevNames, hDevMode));
		EXPECT_NEAR(caps.nHorzRes, dc.GetDeviceCaps(HORZRES), 1);
		EXPECT_NEAR(caps.nVertRes, dc.GetDeviceCaps(VERTRES), 1);
		EXPECT_EQ(caps.nHorzSize, dc.GetDeviceCaps(HORZSIZE));
		EXPECT_EQ(caps.nVertSize, dc.GetDeviceCaps(VERTSIZE));
		EXPECT_EQ(600, dc.GetDeviceCaps(LOGPIXELSX));
		EXPECT_EQ(600, dc.GetDeviceCaps(LOGPIXELSY));
		// A file has no margin the printer cannot reach: the sheet is the printable area.
		EXPECT_EQ(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(PHYSICALWIDTH));
		EXPECT_EQ(dc.GetDeviceCaps(VERTRES), dc.GetDeviceCaps(PHYSICALHEIGHT));
		EXPECT_EQ(0, dc.GetDeviceCaps(PHYSICALOFFSETX));
		EXPECT_EQ(0, dc.GetDeviceCaps(PHYSICALOFFSETY));
		dc.DeleteDC();
		GlobalFree(hDevNames);
		GlobalFree(hDevMode);
	}
}

TEST(PrintDialogTest, UnknownPrinterGivesNoDc)
{
	HGLOBAL hDevNames = CreateDevNames("cups", "Stampante che non esiste", "", FALSE);
	EXPECT_EQ(nullptr, AfxCreateDC(hDevNames, nullptr));
	GlobalFree(hDevNames);
}

}
