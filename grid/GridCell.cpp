// GridCell's properties, and its text read and written as numbers and booleans.
#include "grid/GridCell.h"

#include <cstdlib>
#include <iomanip>
#include <locale>
#include <sstream>

#include <locale.h>

namespace
{
	// The user-interface toolkit adopts the user's locale, whose decimal separator may be a
	// comma; cell numbers always use the point.
	locale_t ClassicLocale()
	{
		static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
		return classic;
	}

	// "%lf" writes six decimals.
	constexpr int DEFAULT_DECIMALS = 6;
}

IMPLEMENT_DYNAMIC(GridCell, CObject)

GridCell::GridCell()
	: m_dwMask(0), m_nDataType(GCD_TEXT), m_nItemData(0), m_nCellType(0), m_nCellTypeStyle(0),
	  m_crText(0), m_crBack(0), m_crHighlightText(0), m_crHighlightBack(0), m_wBorder(0),
	  m_wAlignment(0), m_pBorderPen(nullptr), m_pFont(nullptr), m_pBitmap(nullptr),
	  m_pHandler(nullptr), m_pSourceCell(nullptr), m_bReadOnly(FALSE), m_nDecimals(0),
	  m_nExtraLength(0), m_bJoinOrigin(FALSE), m_nJoinCol(0), m_nJoinRow(0)
{
}

GridCell::~GridCell() = default;

DWORD GridCell::GetMask() const
{
	return m_dwMask;
}

void GridCell::SetMask(DWORD dwMask)
{
	m_dwMask = dwMask;
}

BOOL GridCell::IsSet(DWORD dwProperty) const
{
	return (m_dwMask & dwProperty) != 0;
}

void GridCell::ClearAll()
{
	m_dwMask = 0;
	m_strText.Empty();
	m_pExtraData.reset();
	m_nExtraLength = 0;
}

void GridCell::SetText(LPCSTR lpszText)
{
	m_strText = lpszText != nullptr ? lpszText : "";
	m_dwMask |= GCP_TEXT;
	SetDataType(GCD_TEXT);
}

CString GridCell::GetText() const
{
	return IsSet(GCP_TEXT) ? m_strText : CString();
}

int GridCell::GetTextLength() const
{
	return IsSet(GCP_TEXT) ? m_strText.GetLength() : 0;
}

void GridCell::SetNumber(double dValue)
{
	const int nDecimals = GetDecimals();
	std::ostringstream out;
	out.imbue(std::locale::classic());
	out << std::fixed << std::setprecision(nDecimals >= 0 ? nDecimals : DEFAULT_DECIMALS) << dValue;
	m_strText = out.str().c_str();
	m_dwMask |= GCP_TEXT;
	SetDataType(GCD_NUMBER);
}

double GridCell::GetNumber() const
{
	if (!IsSet(GCP_TEXT))
		return 0.0;
	return strtod_l(m_strText, nullptr, ClassicLocale());
}

BOOL GridCell::GetBool() const
{
	if (GetTextLength() == 0)
		return FALSE;
	if (m_strText[0] == 'T' || m_strText[0] == 't')
		return TRUE;
	return std::atol(m_strText) != 0;
}

void GridCell::SetSecondString(LPCSTR lpsz)
{
	m_strSecond = lpsz != nullptr ? lpsz : "";
	m_dwMask |= GCP_SECONDSTRING;
}

CString GridCell::GetSecondString() const
{
	return IsSet(GCP_SECONDSTRING) ? m_strSecond : CString();
}

void GridCell::SetLabel(LPCSTR lpsz)
{
	m_strLabel = lpsz != nullptr ? lpsz : "";
	m_dwMask |= GCP_LABEL;
}

CString GridCell::GetLabel() const
{
	return IsSet(GCP_LABEL) ? m_strLabel : CString();
}

void GridCell::SetDataType(int nType)
{
	m_nDataType = nType;
	m_dwMask |= GCP_DATATYPE;
}

int GridCell::GetDataType() const
{
	return IsSet(GCP_DATATYPE) ? m_nDataType : GCD_TEXT;
}

void GridCell::SetItemData(int nData)
{
	m_nItemData = nData;
	m_dwMask |= GCP_ITEMDATA;
}

int GridCell::GetItemData() const
{
	return IsSet(GCP_ITEMDATA) ? m_nItemData : 0;
}

void GridCell::SetCellType(int nIndex)
{
	m_nCellType = nIndex;
	m_dwMask |= GCP_CELLTYPE;
}

int GridCell::GetCellType() const
{
	return IsSet(GCP_CELLTYPE) ? m_nCellType : 0;
}

void GridCell::SetCellTypeStyle(int nStyle)
{
	m_nCellTypeStyle = nStyle;
	m_dwMask |= GCP_CELLTYPESTYLE;
}

int GridCell::GetCellTypeStyle() const
{
	return IsSet(GCP_CELLTYPESTYLE) ? m_nCellTypeStyle : 0;
}

void GridCell::SetTextColor(COLORREF cr)
{
	m_crText = cr;
	m_dwMask |= GCP_TEXTCOLOR;
}

COLORREF GridCell::GetTextColor(COLORREF crDefault) const
{
	return IsSet(GCP_TEXTCOLOR) ? m_crText : crDefault;
}

void GridCell::SetBackColor(COLORREF cr)
{
	m_crBack = cr;
	m_dwMask |= GCP_BACKCOLOR;
}

COLORREF GridCell::GetBackColor(COLORREF crDefault) const
{
	return IsSet(GCP_BACKCOLOR) ? m_crBack : crDefault;
}

void GridCell::SetHighlightTextColor(COLORREF cr)
{
	m_crHighlightText = cr;
	m_dwMask |= GCP_HIGHLIGHTTEXTCOLOR;
}

COLORREF GridCell::GetHighlightTextColor(COLORREF crDefault) const
{
	return IsSet(GCP_HIGHLIGHTTEXTCOLOR) ? m_crHighlightText : crDefault;
}

void GridCell::SetHighlightBackColor(COLORREF cr)
{
	m_crHighlightBack = cr;
	m_dwMask |= GCP_HIGHLIGHTBACKCOLOR;
}

COLORREF GridCell::GetHighlightBackColor(COLORREF crDefault) const
{
	return IsSet(GCP_HIGHLIGHTBACKCOLOR) ? m_crHighlightBack : crDefault;
}

void GridCell::SetBorder(WORD wBorder)
{
	m_wBorder = wBorder;
	m_dwMask |= GCP_BORDER;
}

WORD GridCell::GetBorder() const
{
	return IsSet(GCP_BORDER) ? m_wBorder : 0;
}

void GridCell::SetAlignment(WORD wAlignment)
{
	m_wAlignment = wAlignment;
	m_dwMask |= GCP_ALIGNMENT;
}

WORD GridCell::GetAlignment() const
{
	return IsSet(GCP_ALIGNMENT) ? m_wAlignment : 0;
}

void GridCell::SetBorderPen(CPen* pPen)
{
	m_pBorderPen = pPen;
	m_dwMask |= GCP_BORDERPEN;
}

CPen* GridCell::GetBorderPen() const
{
	return IsSet(GCP_BORDERPEN) ? m_pBorderPen : nullptr;
}

void GridCell::SetFont(CFont* pFont)
{
	m_pFont = pFont;
	m_dwMask |= GCP_FONT;
}

CFont* GridCell::GetFont() const
{
	return IsSet(GCP_FONT) ? m_pFont : nullptr;
}

void GridCell::SetBitmap(CBitmap* pBitmap)
{
	m_pBitmap = pBitmap;
	m_dwMask |= GCP_BITMAP;
}

CBitmap* GridCell::GetBitmap() const
{
	return IsSet(GCP_BITMAP) ? m_pBitmap : nullptr;
}

void GridCell::SetHandler(GridCellHandler* pHandler)
{
	m_pHandler = pHandler;
	m_dwMask |= GCP_HANDLER;
}

GridCellHandler* GridCell::GetHandler() const
{
	return IsSet(GCP_HANDLER) ? m_pHandler : nullptr;
}

void GridCell::SetSourceCell(GridCell* pCell)
{
	m_pSourceCell = pCell;
	m_dwMask |= GCP_SOURCECELL;
}

GridCell* GridCell::GetSourceCell() const
{
	return IsSet(GCP_SOURCECELL) ? m_pSourceCell : nullptr;
}

void GridCell::SetReadOnly(BOOL bReadOnly)
{
	m_bReadOnly = bReadOnly;
	m_dwMask |= GCP_READONLY;
}

BOOL GridCell::IsReadOnly() const
{
	return IsSet(GCP_READONLY) ? m_bReadOnly : FALSE;
}

void GridCell::SetDecimals(int nDecimals)
{
	m_nDecimals = static_cast<short>(nDecimals);
	m_dwMask |= GCP_DECIMALS;
}

int GridCell::GetDecimals() const
{
	return IsSet(GCP_DECIMALS) ? m_nDecimals : -1;
}

void GridCell::SetJoin(BOOL bOrigin, int nColOffset, long nRowOffset)
{
	m_bJoinOrigin = bOrigin;
	m_nJoinCol = nColOffset;
	m_nJoinRow = nRowOffset;
	m_dwMask |= GCP_JOIN;
}

BOOL GridCell::GetJoin(BOOL* pbOrigin, int* pnColOffset, long* pnRowOffset) const
{
	if (!IsSet(GCP_JOIN))
		return FALSE;
	if (pbOrigin != nullptr)
		*pbOrigin = m_bJoinOrigin;
	if (pnColOffset != nullptr)
		*pnColOffset = m_nJoinCol;
	if (pnRowOffset != nullptr)
		*pnRowOffset = m_nJoinRow;
	return TRUE;
}
