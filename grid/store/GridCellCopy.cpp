// GridCell copied and merged by mask, and the extra-data buffer the cell owns.
#include "grid/store/GridCell.h"

#include <cstring>
#include <new>

void GridCell::CopyFrom(const GridCell& source)
{
	if (&source == this)
		return;
	m_dwMask = source.m_dwMask;
	CopyProperties(source);
}

void GridCell::MergeFrom(const GridCell& source)
{
	if (&source == this)
		return;
	m_dwMask |= source.m_dwMask;
	CopyProperties(source);
}

void GridCell::CopyProperties(const GridCell& source)
{
	const DWORD dwMask = source.m_dwMask;
	if (dwMask & GCP_TEXT)
		m_strText = source.m_strText;
	if (dwMask & GCP_DATATYPE)
		m_nDataType = source.m_nDataType;
	// A cell with a text alone, the common case, copies without touching a block.
	if ((dwMask & ~(GCP_TEXT | GCP_DATATYPE)) == 0)
		return;
	const Extras& from = source.SideOrBlank();
	Extras& to = Side();
	if (dwMask & GCP_SECONDSTRING)
		to.m_strSecond = from.m_strSecond;
	if (dwMask & GCP_LABEL)
		to.m_strLabel = from.m_strLabel;
	if (dwMask & GCP_ITEMDATA)
		to.m_nItemData = from.m_nItemData;
	if (dwMask & GCP_CELLTYPE)
		to.m_nCellType = from.m_nCellType;
	if (dwMask & GCP_CELLTYPESTYLE)
		to.m_nCellTypeStyle = from.m_nCellTypeStyle;
	if (dwMask & GCP_TEXTCOLOR)
		to.m_crText = from.m_crText;
	if (dwMask & GCP_BACKCOLOR)
		to.m_crBack = from.m_crBack;
	if (dwMask & GCP_HIGHLIGHTTEXTCOLOR)
		to.m_crHighlightText = from.m_crHighlightText;
	if (dwMask & GCP_HIGHLIGHTBACKCOLOR)
		to.m_crHighlightBack = from.m_crHighlightBack;
	if (dwMask & GCP_BORDER)
		to.m_wBorder = from.m_wBorder;
	if (dwMask & GCP_BORDERPEN)
		to.m_pBorderPen = from.m_pBorderPen;
	if (dwMask & GCP_FONT)
		to.m_pFont = from.m_pFont;
	if (dwMask & GCP_BITMAP)
		to.m_pBitmap = from.m_pBitmap;
	if (dwMask & GCP_ALIGNMENT)
		to.m_wAlignment = from.m_wAlignment;
	if (dwMask & GCP_EXTRADATA)
		SetExtraData(from.m_pExtraData.get(), from.m_nExtraLength);
	if (dwMask & GCP_JOIN)
	{
		to.m_bJoinOrigin = from.m_bJoinOrigin;
		to.m_nJoinCol = from.m_nJoinCol;
		to.m_nJoinRow = from.m_nJoinRow;
	}
	if (dwMask & GCP_HANDLER)
		to.m_pHandler = from.m_pHandler;
	if (dwMask & GCP_SOURCECELL)
		to.m_pSourceCell = from.m_pSourceCell;
	if (dwMask & GCP_READONLY)
		to.m_bReadOnly = from.m_bReadOnly;
	if (dwMask & GCP_DECIMALS)
		to.m_nDecimals = from.m_nDecimals;
}

BOOL GridCell::SetExtraData(const void* pData, int nLength)
{
	Extras& side = Side();
	side.m_pExtraData.reset();
	side.m_nExtraLength = 0;
	m_dwMask &= ~GCP_EXTRADATA;
	if (nLength < 0 || (nLength > 0 && pData == nullptr))
		return FALSE;
	if (nLength > 0)
	{
		side.m_pExtraData.reset(new (std::nothrow) BYTE[nLength]);
		if (side.m_pExtraData == nullptr)
			return FALSE;
		std::memcpy(side.m_pExtraData.get(), pData, static_cast<size_t>(nLength));
	}
	side.m_nExtraLength = nLength;
	m_dwMask |= GCP_EXTRADATA;
	return TRUE;
}

const BYTE* GridCell::GetExtraData() const
{
	return IsSet(GCP_EXTRADATA) ? SideOrBlank().m_pExtraData.get() : nullptr;
}

int GridCell::GetExtraDataLength() const
{
	return IsSet(GCP_EXTRADATA) ? SideOrBlank().m_nExtraLength : 0;
}
