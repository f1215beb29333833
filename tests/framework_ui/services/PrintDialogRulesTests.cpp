// What the toolkit's print dialog is asked to offer for a PRINTDLG, how its answer comes back into
// the PRINTDLG and the printer records, and a DEVMODE as the driver takes it.
#include "framework/ui/services/PrintDialogRules.h"
#include "framework/ui/services/PrinterRecords.h"
#include "framework/ui/services/Printers.h"

#include <gtest/gtest.h>

namespace
{

constexpr DWORD PRINT_FLAGS = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION;

PRINTDLG Record(DWORD dwFlags)
{
	PRINTDLG pd = {};
	pd.Flags = dwFlags;
	pd.nFromPage = 2;
	pd.nToPage = 5;
	pd.nMinPage = 1;
	pd.nMaxPage = 9;
	pd.nCopies = 1;
	return pd;
}

TEST(PrintDialogRulesTest, TheOfferFollowsTheFlags)
{
	const struct
	{
		const char* pszCase;
		DWORD dwFlags;
		bool bOnlyPdf;
		bool bSetupOnly;
		bool bSelection;
		bool bPages;
		bool bFile;
		PrintRange nRange;
	} cases[] = {
		{ "the framework's print dialog", PRINT_FLAGS | PD_RETURNDC, false, false, false, false, false, PrintRange::All },
		{ "without a printer the file is the only choice", PRINT_FLAGS | PD_RETURNDC, true, false, false, false, true, PrintRange::All },
		{ "everything offered", PD_ALLPAGES, false, false, true, true, true, PrintRange::All },
		{ "a range asked for starts shown", PD_PAGENUMS, false, false, true, true, true, PrintRange::Pages },
		{ "no range to show when pages are not offered", PD_PAGENUMS | PD_NOPAGENUMS, false, false, true, false, true, PrintRange::All },
		{ "a disabled file is not offered", PD_DISABLEPRINTTOFILE, false, false, true, true, false, PrintRange::All },
		{ "set-up offers neither pages nor selection", PD_PRINTSETUP | PD_PAGENUMS, false, true, false, false, true, PrintRange::All },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.pszCase);
		NativePrintDialog dialog = PrintDialogOffer(Record(c.dwFlags), "Stampa", c.bOnlyPdf);
		EXPECT_STREQ("Stampa", dialog.strCaption);
		EXPECT_EQ(c.bSetupOnly, dialog.bSetupOnly);
		EXPECT_EQ(c.bSelection, dialog.bOfferSelection);
		EXPECT_EQ(c.bPages, dialog.bOfferPages);
		EXPECT_EQ(c.bFile, dialog.bOfferFile);
		EXPECT_EQ(c.nRange, dialog.nRange);
		EXPECT_EQ(1, dialog.nMinPage);
		EXPECT_EQ(9, dialog.nMaxPage);
		if (c.nRange == PrintRange::Pages)
		{
			EXPECT_EQ(2, dialog.nFromPage);
			EXPECT_EQ(5, dialog.nToPage);
		}
	}
}

TEST(PrintDialogRulesTest, TheOfferStartsFromThePrinterRecords)
{
	PRINTDLG pd = Record(PRINT_FLAGS);
	pd.hDevNames = CreateDevNames("pdf", PDF_PRINTER_NAME, "", FALSE);
	pd.hDevMode = CreateDevMode(PDF_PRINTER_NAME, DMORIENT_LANDSCAPE, DMPAPER_A3, 0);
	static_cast<DEVMODE*>(GlobalLock(pd.hDevMode))->dmFields = DM_ORIENTATION | DM_COPIES;
	GlobalUnlock(pd.hDevMode);
	NativePrintDialog dialog = PrintDialogOffer(pd, "Stampa", false);
	EXPECT_STREQ(PDF_PRINTER_NAME, dialog.printer.strDevice);
	// Only the fields the DEVMODE gives are set up; no copies at all is one copy.
	EXPECT_EQ(DM_ORIENTATION | DM_COPIES, dialog.printer.dwFields);
	EXPECT_EQ(DMORIENT_LANDSCAPE, dialog.printer.nOrientation);
	EXPECT_EQ(1, dialog.printer.nCopies);
	GlobalFree(pd.hDevNames);
	GlobalFree(pd.hDevMode);

	EXPECT_EQ(0u, PrinterSetupOf("Ufficio", nullptr).dwFields) << "without a DEVMODE the printer keeps its own settings";
}

TEST(PrintDialogRulesTest, TheAnswerSetsTheRangeAndCopiesAndMakesNewRecords)
{
	const struct
	{
		const char* pszCase;
		DWORD dwFlags;
		PrintRange nRange;
		int nFrom;
		int nTo;
		DWORD dwRangeFlags;
		WORD nFromPage;
		WORD nToPage;
		WORD nCopies;	// in the PRINTDLG
		short dmCopies;	// in the new DEVMODE
	} cases[] = {
		{ "all pages, the printer makes the copies", PD_USEDEVMODECOPIES | PD_PAGENUMS, PrintRange::All, 0, 0, 0, 2, 5, 1, 3 },
		{ "a range, the program makes the copies", PD_SELECTION, PrintRange::Pages, 3, 7, PD_PAGENUMS, 3, 7, 3, 1 },
		{ "a range starts at page 1 at least", 0, PrintRange::Pages, 0, 4, PD_PAGENUMS, 1, 4, 3, 1 },
		{ "a range ends at its start at least", 0, PrintRange::Pages, 6, 2, PD_PAGENUMS, 6, 6, 3, 1 },
		{ "the selection", PD_PAGENUMS, PrintRange::Selection, 0, 0, PD_SELECTION, 2, 5, 3, 1 },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.pszCase);
		PRINTDLG pd = Record(c.dwFlags | PD_RETURNDC);
		NativePrintDialog dialog = PrintDialogOffer(pd, "Stampa", false);
		dialog.nRange = c.nRange;
		dialog.nFromPage = c.nFrom;
		dialog.nToPage = c.nTo;
		dialog.printer = { PDF_PRINTER_NAME, DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_COLLATE, DMORIENT_LANDSCAPE,
			DMPAPER_LETTER, 3, false };
		PrintDialogRecords records = TakePrintDialogAnswer(dialog, pd);
		EXPECT_EQ(c.dwRangeFlags, pd.Flags & (PD_PAGENUMS | PD_SELECTION));
		EXPECT_EQ(PD_RETURNDC, pd.Flags & PD_RETURNDC);
		EXPECT_EQ(c.nFromPage, pd.nFromPage);
		EXPECT_EQ(c.nToPage, pd.nToPage);
		EXPECT_EQ(c.nCopies, pd.nCopies);
		EXPECT_STREQ(PDF_PRINTER_NAME, DevNamesDevice(records.hDevNames));
		EXPECT_STREQ("pdf", DevNamesDriver(records.hDevNames));
		const DEVMODE* pMode = static_cast<const DEVMODE*>(GlobalLock(records.hDevMode));
		ASSERT_NE(nullptr, pMode);
		EXPECT_STREQ(PDF_PRINTER_NAME, pMode->dmDeviceName);
		EXPECT_EQ(DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_COLLATE, pMode->dmFields);
		EXPECT_EQ(DMORIENT_LANDSCAPE, pMode->dmOrientation);
		EXPECT_EQ(DMPAPER_LETTER, pMode->dmPaperSize);
		EXPECT_EQ(c.dmCopies, pMode->dmCopies);
		EXPECT_EQ(DMCOLLATE_FALSE, pMode->dmCollate);
		GlobalFree(records.hDevNames);
		GlobalFree(records.hDevMode);
	}
}

TEST(PrintDialogRulesTest, AChosenFileBecomesThePrintersOutputAndNoneClearsIt)
{
	for (const char* pszFile : { "/home/utente/tabella.pdf", "" })
	{
		SCOPED_TRACE(pszFile);
		// A record that printed to a file before starts with the flag set.
		PRINTDLG pd = Record(PD_PRINTTOFILE | PD_RETURNDC);
		NativePrintDialog dialog = PrintDialogOffer(pd, "Stampa", true);
		dialog.printer = { PDF_PRINTER_NAME, DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_COLLATE, DMORIENT_PORTRAIT,
			DMPAPER_A4, 1, true };
		dialog.strOutputFile = pszFile;
		PrintDialogRecords records = TakePrintDialogAnswer(dialog, pd);
		EXPECT_STREQ(pszFile, DevNamesOutput(records.hDevNames));
		EXPECT_EQ(*pszFile != '\0' ? PD_PRINTTOFILE : 0u, pd.Flags & PD_PRINTTOFILE);
		EXPECT_EQ(PD_RETURNDC, pd.Flags & PD_RETURNDC);
		GlobalFree(records.hDevNames);
		GlobalFree(records.hDevMode);
	}
}

}
