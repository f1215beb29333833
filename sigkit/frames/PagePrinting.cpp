// The print dialog, the printer's DC, lengths on paper and fonts for the frames' own pages.
#include "sigkit/frames/PagePrinting.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/PrinterDC.h"
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/WinApp.h"
#include "sigkit/resources/SigkitResourceIds.h"

#include <cstring>

namespace
{
	int Millimetres(CDC& dc, double dMillimetres, int nResIndex, int nSizeIndex)
	{
		const int nSize = dc.GetDeviceCaps(nSizeIndex);
		return nSize > 0 ? static_cast<int>(dMillimetres * dc.GetDeviceCaps(nResIndex) / nSize) : 0;
	}
}

BOOL ChoosePrinter(CPrintDialog& dialog, CPrinterDC& dc)
{
	CWinApp* pApp = AfxGetApp();
	if ((pApp != nullptr ? pApp->DoPrintDialog(&dialog) : dialog.DoModal()) != IDOK)
		return FALSE;
	if (dialog.GetPrinterDC() != nullptr && dc.Attach(dialog.GetPrinterDC()))
		return TRUE;
	ReportPrintFailure();
	return FALSE;
}

void ReportPrintFailure()
{
	AfxMessageBox(IDS_FRAME_PRINT_FAILED, MB_OK | MB_ICONSTOP);
}

int PageMillimetresAcross(CDC& dc, double dMillimetres)
{
	return Millimetres(dc, dMillimetres, HORZRES, HORZSIZE);
}

int PageMillimetresDown(CDC& dc, double dMillimetres)
{
	return Millimetres(dc, dMillimetres, VERTRES, VERTSIZE);
}

void CreateFaceFont(CFont& font, int nHeight, int nWeight)
{
	LOGFONT lf;
	std::memset(&lf, 0, sizeof lf);
	lf.lfHeight = -nHeight;
	lf.lfWeight = nWeight;
	std::strcpy(lf.lfFaceName, "MS Sans Serif");
	font.CreateFontIndirect(&lf);
}
