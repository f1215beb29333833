// GridCell's properties, and its text read and written as numbers and booleans.
#include "grid/store/GridCell.h"

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
	: m_dwMask(0), m_nDataType(GCD_TEXT)
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
	// The block stays: the other properties keep their values under cleared bits, as inline
	// fields would, and a scratch cell cleared for every paint does not allocate again.
	if (m_pSide != nullptr)
	{
		m_pSide->m_pExtraData.reset();
		m_pSide->m_nExtraLength = 0;
	}
}

GridCell::Extras& GridCell::Side()
{
	if (m_pSide == nullptr)
		m_pSide.reset(new Extras);
	return *m_pSide;
}

const GridCell::Extras& GridCell::SideOrBlank() const
{
	static const Extras blank;
	return m_pSide != nullptr ? *m_pSide : blank;
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
	Store(&Extras::m_strSecond, CString(lpsz != nullptr ? lpsz : ""), GCP_SECONDSTRING);
}

CString GridCell::GetSecondString() const
{
	return Stored(&Extras::m_strSecond, GCP_SECONDSTRING, CString());
}

void GridCell::SetLabel(LPCSTR lpsz)
{
	Store(&Extras::m_strLabel, CString(lpsz != nullptr ? lpsz : ""), GCP_LABEL);
}

CString GridCell::GetLabel() const
{
	return Stored(&Extras::m_strLabel, GCP_LABEL, CString());
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
	Store(&Extras::m_nItemData, nData, GCP_ITEMDATA);
}

int GridCell::GetItemData() const
{
	return Stored(&Extras::m_nItemData, GCP_ITEMDATA, 0);
}

void GridCell::SetCellType(int nIndex)
{
	Store(&Extras::m_nCellType, nIndex, GCP_CELLTYPE);
}

int GridCell::GetCellType() const
{
	return Stored(&Extras::m_nCellType, GCP_CELLTYPE, 0);
}

void GridCell::SetCellTypeStyle(int nStyle)
{
	Store(&Extras::m_nCellTypeStyle, nStyle, GCP_CELLTYPESTYLE);
}

int GridCell::GetCellTypeStyle() const
{
	return Stored(&Extras::m_nCellTypeStyle, GCP_CELLTYPESTYLE, 0);
}

void GridCell::SetTextColor(COLORREF cr)
{
	Store(&Extras::m_crText, cr, GCP_TEXTCOLOR);
}

COLORREF GridCell::GetTextColor(COLORREF crDefault) const
{
	return Stored(&Extras::m_crText, GCP_TEXTCOLOR, crDefault);
}

void GridCell::SetBackColor(COLORREF cr)
{
	Store(&Extras::m_crBack, cr, GCP_BACKCOLOR);
}

COLORREF GridCell::GetBackColor(COLORREF crDefault) const
{
	return Stored(&Extras::m_crBack, GCP_BACKCOLOR, crDefault);
}

void GridCell::SetHighlightTextColor(COLORREF cr)
{
	Store(&Extras::m_crHighlightText, cr, GCP_HIGHLIGHTTEXTCOLOR);
}

COLORREF GridCell::GetHighlightTextColor(COLORREF crDefault) const
{
	return Stored(&Extras::m_crHighlightText, GCP_HIGHLIGHTTEXTCOLOR, crDefault);
}

void GridCell::SetHighlightBackColor(COLORREF cr)
{
	Store(&Extras::m_crHighlightBack, cr, GCP_HIGHLIGHTBACKCOLOR);
}

COLORREF GridCell::GetHighlightBackColor(COLORREF crDefault) const
{
	return Stored(&Extras::m_crHighlightBack, GCP_HIGHLIGHTBACKCOLOR, crDefault);
}

void GridCell::SetBorder(WORD wBorder)
{
	Store(&Extras::m_wBorder, wBorder, GCP_BORDER);
}

WORD GridCell::GetBorder() const
{
	return Stored(&Extras::m_wBorder, GCP_BORDER, 0);
}

void GridCell::SetAlignment(WORD wAlignment)
{
	Store(&Extras::m_wAlignment, wAlignment, GCP_ALIGNMENT);
}

WORD GridCell::GetAlignment() const
{
	return Stored(&Extras::m_wAlignment, GCP_ALIGNMENT, 0);
}

void GridCell::SetBorderPen(CPen* pPen)
{
	Store(&Extras::m_pBorderPen, pPen, GCP_BORDERPEN);
}

CPen* GridCell::GetBorderPen() const
{
	return Stored(&Extras::m_pBorderPen, GCP_BORDERPEN, nullptr);
}

void GridCell::SetFont(CFont* pFont)
{
	Store(&Extras::m_pFont, pFont, GCP_FONT);
}

CFont* GridCell::GetFont() const
{
	return Stored(&Extras::m_pFont, GCP_FONT, nullptr);
}

void GridCell::SetBitmap(CBitmap* pBitmap)
{
	Store(&Extras::m_pBitmap, pBitmap, GCP_BITMAP);
}

CBitmap* GridCell::GetBitmap() const
{
	return Stored(&Extras::m_pBitmap, GCP_BITMAP, nullptr);
}

void GridCell::SetHandler(GridCellHandler* pHandler)
{
	Store(&Extras::m_pHandler, pHandler, GCP_HANDLER);
}

GridCellHandler* GridCell::GetHandler() const
{
	return Stored(&Extras::m_pHandler, GCP_HANDLER, nullptr);
}

void GridCell::SetSourceCell(GridCell* pCell)
{
	Store(&Extras::m_pSourceCell, pCell, GCP_SOURCECELL);
}

GridCell* GridCell::GetSourceCell() const
{
	return Stored(&Extras::m_pSourceCell, GCP_SOURCECELL, nullptr);
}

void GridCell::SetReadOnly(BOOL bReadOnly)
{
	Store(&Extras::m_bReadOnly, bReadOnly, GCP_READONLY);
}

BOOL GridCell::IsReadOnly() const
{
	return Stored(&Extras::m_bReadOnly, GCP_READONLY, FALSE);
}

void GridCell::SetDecimals(int nDecimals)
{
	Store(&Extras::m_nDecimals, static_cast<short>(nDecimals), GCP_DECIMALS);
}

int GridCell::GetDecimals() const
{
	return Stored(&Extras::m_nDecimals, GCP_DECIMALS, -1);
}

void GridCell::SetJoin(BOOL bOrigin, int nColOffset, long nRowOffset)
{
	Extras& side = Side();
	side.m_bJoinOrigin = bOrigin;
	side.m_nJoinCol = nColOffset;
	side.m_nJoinRow = nRowOffset;
	m_dwMask |= GCP_JOIN;
}

BOOL GridCell::GetJoin(BOOL* pbOrigin, int* pnColOffset, long* pnRowOffset) const
{
	if (!IsSet(GCP_JOIN))
		return FALSE;
	const Extras& side = SideOrBlank();
	if (pbOrigin != nullptr)
		*pbOrigin = side.m_bJoinOrigin;
	if (pnColOffset != nullptr)
		*pnColOffset = side.m_nJoinCol;
	if (pnRowOffset != nullptr)
		*pnRowOffset = side.m_nJoinRow;
	return TRUE;
}
