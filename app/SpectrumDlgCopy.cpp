// The spectrum window's table and bars on the clipboard: the chosen rows as text a spreadsheet
// takes, the bars as a picture.
#include "app/SpectrumDlg.h"

#include "app/resources/AppResourceIds.h"
#include "framework/core/CommonDialogConstants.h"
#include "framework/core/GlobalMemory.h"
#include "framework/ui/gdi/Bitmap.h"
#include "framework/ui/gdi/Dc.h"
#include "framework/ui/services/Clipboard.h"
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/PaintDC.h"
#include "grid/window/SheetSettings.h"

#include <cstring>

namespace
{
	BOOL RowIsSelected(const SelectionList& selection, long nRow)
	{
		for (int i = 0; i < selection.GetBlockCount(); i++)
		{
			const GridSelectionBlock* pBlock = selection.GetBlock(i);
			if (nRow >= pBlock->m_nFirstRow && nRow <= pBlock->m_nLastRow)
				return TRUE;
		}
		return FALSE;
	}

	BOOL PutOnClipboard(CWnd* pOwner, UINT nFormat, HANDLE hData)
	{
		if (!pOwner->OpenClipboard())
			return FALSE;
		const BOOL bPut = EmptyClipboard() && SetClipboardData(nFormat, hData) != nullptr;
		CloseClipboard();
		return bPut;
	}
}

CString CSpectrumDlg::TableText()
{
	const int nColumns = m_gridLines.GetColumnCount();
	GridCell cell;
	CString strText;
	for (int nCol = 0; nCol < nColumns; nCol++)
		strText += (nCol > 0 ? "\t" : "") + ColumnHeading(nCol);
	strText += "\n";
	const SelectionList& selection = m_gridLines.GetSheet()->m_selection;
	const BOOL bSelectedOnly = selection.GetBlockCount() > 0;
	for (long nRow = 0; nRow < m_gridLines.GetRowCount(); nRow++)
	{
		if (bSelectedOnly && !RowIsSelected(selection, nRow))
			continue;
		for (int nCol = 0; nCol < nColumns; nCol++)
		{
			m_gridLines.GetCell(nCol, nRow, &cell);
			CString strCell = cell.GetText();
			strCell.Replace('.', ',');
			strText += (nCol > 0 ? "\t" : "") + strCell;
		}
		strText += "\n";
	}
	return strText;
}

// The rows taken in the table, or every row when none is.
void CSpectrumDlg::OnEditCopyRows()
{
	const CString strText = TableText();
	const size_t nBytes = static_cast<size_t>(strText.GetLength()) + 1;
	HGLOBAL hText = GlobalAlloc(GMEM_MOVEABLE, nBytes);
	if (hText != nullptr)
	{
		std::memcpy(GlobalLock(hText), static_cast<LPCTSTR>(strText), nBytes);
		GlobalUnlock(hText);
	}
	if (hText != nullptr && PutOnClipboard(this, CF_TEXT, hText))
		return;
	if (hText != nullptr)
		GlobalFree(hText);
	AfxMessageBox(IDS_COPY_ROWS_FAILED, MB_OK | MB_ICONSTOP);
}

BOOL CSpectrumDlg::RenderBarsPicture(CBitmap& bitmap)
{
	CRect rc;
	m_scopeSpectrum.GetClientRect(&rc);
	CClientDC dcWindow(this);
	CDC dcMemory;
	if (!dcMemory.CreateCompatibleDC(&dcWindow) || !bitmap.CreateCompatibleBitmap(&dcWindow, rc.Width(), rc.Height()))
		return FALSE;
	CBitmap* pOldBitmap = dcMemory.SelectObject(&bitmap);
	m_scopeSpectrum.PaintPicture(dcMemory, rc, SCOPE_SCREEN_TEXT_HEIGHT);
	dcMemory.SelectObject(pOldBitmap);
	return TRUE;
}

// The scaled picture, whether or not the window shows it now: a picture to paste wants its axes.
void CSpectrumDlg::OnEditCopyPicture()
{
	CBitmap bitmap;
	if (RenderBarsPicture(bitmap) && PutOnClipboard(this, CF_BITMAP, bitmap.GetSafeHandle()))
	{
		bitmap.Detach();
		return;
	}
	AfxMessageBox(IDS_COPY_FAILED, MB_OK | MB_ICONSTOP);
}
