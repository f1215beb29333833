// The three scopes as a picture: exported as a PNG or SVG file, copied to the clipboard, or
// printed on a page under the run's name and parameters.
#include "app/MainDlg.h"

#include "app/PictureSizeDlg.h"
#include "app/RunTexts.h"
#include "app/resources/AppResourceIds.h"
#include "framework/core/CommonDialogConstants.h"
#include "framework/core/FrameworkStringIds.h"
#include "framework/core/GdiConstants.h"
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/gdi/Font.h"
#include "framework/ui/services/Clipboard.h"
#include "framework/ui/services/FileDialog.h"
#include "framework/ui/services/PictureFiles.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/PrinterDC.h"
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/PaintDC.h"
#include "sigkit/frames/PagePrinting.h"

#include <algorithm>
#include <cstring>

namespace
{
	const char PICTURE_FILTER[] = "Immagine PNG (*.png)|*.png|Immagine SVG (*.svg)|*.svg||";
	constexpr DWORD PICTURE_FILTER_SVG = 2;

	constexpr COLORREF PAPER_COLOR = RGB(255, 255, 255);
	constexpr COLORREF TITLE_FACE_COLOR = RGB(212, 208, 200);
	constexpr COLORREF TITLE_SHADOW_COLOR = RGB(128, 128, 128);
	constexpr COLORREF INK_COLOR = RGB(0, 0, 0);

	// The page, in millimetres.
	constexpr double PAGE_MARGIN = 20.0;
	constexpr double HEADING_HEIGHT = 5.0;
	constexpr double LINE_HEIGHT = 3.5;
	constexpr double SCOPE_TEXT_HEIGHT = 3.0;


	BOOL EndsWithNoCase(const CString& str, LPCTSTR lpszEnd)
	{
		const int nLength = static_cast<int>(std::strlen(lpszEnd));
		return str.GetLength() >= nLength && str.Right(nLength).CompareNoCase(lpszEnd) == 0;
	}
}

CSize CMainDlg::PictureSize()
{
	CRect rcFirst;
	CRect rcLast;
	CWnd::FromHandle(m_hLabels[0])->GetWindowRect(&rcFirst);
	m_scopeModulated.GetWindowRect(&rcLast);
	return CSize(rcLast.Width(), rcLast.bottom - rcFirst.top);
}

void CMainDlg::PaintScopesPicture(CDC& dc, const CRect& rc, int nTextHeight, BOOL bPaper)
{
	CCalibratedScope* const scopes[MAIN_SCOPE_COUNT] = {&m_scopeModulating, &m_scopeCarrier, &m_scopeModulated};
	const int nTitle = nTextHeight * 3 / 2 + 2;
	const int nGap = std::max(2, nTextHeight / 3);
	const int nScope = std::max(0, (rc.Height() - MAIN_SCOPE_COUNT * (nTitle + 2 * nGap)) / MAIN_SCOPE_COUNT);
	CFont font;
	CreateFaceFont(font, nTextHeight, 400);
	dc.FillSolidRect(&rc, bPaper ? PAPER_COLOR : TITLE_FACE_COLOR);
	CFont* pOldFont = dc.SelectObject(&font);
	dc.SetBkMode(TRANSPARENT);
	dc.SetTextColor(INK_COLOR);
	const int nBand = nTitle + nScope + 2 * nGap;
	for (int k = 0; k < MAIN_SCOPE_COUNT; k++)
	{
		CRect rcTitle(rc.left, rc.top + k * nBand, rc.right, rc.top + k * nBand + nTitle);
		CString strTitle;
		CWnd::FromHandle(m_hLabels[k])->GetWindowText(strTitle);
		if (!bPaper)
			dc.Draw3dRect(&rcTitle, TITLE_SHADOW_COLOR, PAPER_COLOR);
		dc.DrawText(strTitle, &rcTitle, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
	}
	dc.SelectObject(pOldFont);
	for (int k = 0; k < MAIN_SCOPE_COUNT; k++)
	{
		const int y = rc.top + k * nBand + nTitle + nGap;
		scopes[k]->PaintPicture(dc, CRect(rc.left, y, rc.right, y + nScope), nTextHeight);
	}
}

BOOL CMainDlg::RenderPicture(CBitmap& bitmap, const CSize& size)
{
	CClientDC dcWindow(this);
	CDC dcMemory;
	if (!dcMemory.CreateCompatibleDC(&dcWindow) || !bitmap.CreateCompatibleBitmap(&dcWindow, size.cx, size.cy))
		return FALSE;
	CBitmap* pOldBitmap = dcMemory.SelectObject(&bitmap);
	const CSize sizeWindow = PictureSize();
	const int nTextHeight = SCOPE_SCREEN_TEXT_HEIGHT * std::max(1, std::min(size.cx / std::max(1, static_cast<int>(sizeWindow.cx)),
		size.cy / std::max(1, static_cast<int>(sizeWindow.cy))));
	PaintScopesPicture(dcMemory, CRect(CPoint(0, 0), size), nTextHeight, FALSE);
	dcMemory.SelectObject(pOldBitmap);
	return TRUE;
}

BOOL CMainDlg::ExportPicture(const CString& strPath, const CSize& size)
{
	if (EndsWithNoCase(strPath, ".svg"))
	{
		HDC hDC = CreateSvgDC(strPath, size, "Ondivar");
		if (hDC == nullptr)
			return FALSE;
		CDC dc;
		dc.Attach(hDC);
		const CSize sizeWindow = PictureSize();
		const int nTextHeight = SCOPE_SCREEN_TEXT_HEIGHT * std::max(1, static_cast<int>(size.cy / std::max(1, static_cast<int>(sizeWindow.cy))));
		PaintScopesPicture(dc, CRect(CPoint(0, 0), size), nTextHeight, FALSE);
		dc.Detach();
		return CloseSvgDC(hDC);
	}
	CBitmap bitmap;
	return RenderPicture(bitmap, size) && SaveBitmapAsPng(bitmap, strPath);
}

void CMainDlg::OnFileExportPicture()
{
	CFileDialog dlgFile(FALSE, "png", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, PICTURE_FILTER, this);
	if (dlgFile.DoModal() != IDOK)
		return;
	CString strPath = dlgFile.GetPathName();
	// The filter chosen decides the kind of picture when the name does not.
	const BOOL bSvgFilter = dlgFile.m_ofn.nFilterIndex == PICTURE_FILTER_SVG;
	if (!EndsWithNoCase(strPath, ".png") && !EndsWithNoCase(strPath, ".svg"))
		strPath += bSvgFilter ? ".svg" : ".png";
	CPictureSizeDlg dlgSize(PictureSize(), this);
	if (dlgSize.DoModal() != IDOK)
		return;
	if (ExportPicture(strPath, CSize(dlgSize.m_nWidth, dlgSize.m_nHeight)))
		return;
	CString strFormat;
	strFormat.LoadString(IDS_EXPORT_FAILED);
	CString strMessage;
	strMessage.Format(strFormat, static_cast<LPCTSTR>(strPath));
	AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
}

void CMainDlg::OnEditCopyPicture()
{
	CBitmap bitmap;
	BOOL bCopied = RenderPicture(bitmap, PictureSize()) && OpenClipboard();
	if (bCopied)
	{
		// The clipboard owns the bitmap once it has it.
		bCopied = EmptyClipboard() && SetClipboardData(CF_BITMAP, bitmap.GetSafeHandle()) != nullptr;
		if (bCopied)
			bitmap.Detach();
		CloseClipboard();
	}
	if (!bCopied)
		AfxMessageBox(IDS_COPY_FAILED, MB_OK | MB_ICONSTOP);
}

void CMainDlg::OnFilePrintScopes()
{
	CPrintDialog dialog(FALSE, FRAME_PRINT_FLAGS, this);
	CPrinterDC dc;
	if (!ChoosePrinter(dialog, dc))
		return;
	const int nLeft = PageMillimetresAcross(dc, PAGE_MARGIN);
	const int nTop = PageMillimetresDown(dc, PAGE_MARGIN);
	const CRect rcPage(nLeft, nTop, dc.GetDeviceCaps(HORZRES) - nLeft, dc.GetDeviceCaps(VERTRES) - nTop);

	CString strTitle;
	strTitle.LoadString(AFX_IDS_APP_TITLE);
	const CString strName = ModulationName(m_params);
	DOCINFO info = {sizeof(DOCINFO), strTitle, nullptr, nullptr, 0};
	BOOL bPrinted = dc.StartDoc(&info) > 0 && dc.StartPage() > 0;
	if (bPrinted)
	{
		CFont fontHeading;
		CreateFaceFont(fontHeading, PageMillimetresDown(dc, HEADING_HEIGHT), 700);
		CFont fontLine;
		CreateFaceFont(fontLine, PageMillimetresDown(dc, LINE_HEIGHT), 400);
		dc.SaveDC();
		dc.SetBkMode(TRANSPARENT);
		dc.SetTextColor(INK_COLOR);
		dc.SelectObject(&fontHeading);
		dc.TextOut(rcPage.left, rcPage.top, strName.IsEmpty() ? strTitle : strTitle + " - " + strName);
		int y = rcPage.top + PageMillimetresDown(dc, HEADING_HEIGHT * 1.8);
		if (!strName.IsEmpty())
		{
			dc.SelectObject(&fontLine);
			dc.TextOut(rcPage.left, y, ParameterLine(m_params));
			y += PageMillimetresDown(dc, LINE_HEIGHT * 2.5);
		}
		dc.RestoreDC(-1);
		// The scopes keep the window's proportions, as wide as the page allows.
		const CSize sizeWindow = PictureSize();
		const int nHeight = std::min(rcPage.bottom - y,
			static_cast<int>(static_cast<long long>(rcPage.Width()) * sizeWindow.cy / std::max<LONG>(1, sizeWindow.cx)));
		PaintScopesPicture(dc, CRect(rcPage.left, y, rcPage.right, y + nHeight),
			PageMillimetresDown(dc, SCOPE_TEXT_HEIGHT), TRUE);
		bPrinted = dc.EndPage() > 0 && dc.EndDoc() > 0;
	}
	if (bPrinted)
		return;
	dc.AbortDoc();
	ReportPrintFailure();
}
