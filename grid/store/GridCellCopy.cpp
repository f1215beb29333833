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
	if (dwMask & GCP_SECONDSTRING)
		m_strSecond = source.m_strSecond;
	if (dwMask & GCP_LABEL)
		m_strLabel = source.m_strLabel;
	if (dwMask & GCP_DATATYPE)
		m_nDataType = source.m_nDataType;
	if (dwMask & GCP_ITEMDATA)
		m_nItemData = source.m_nItemData;
	if (dwMask & GCP_CELLTYPE)
		m_nCellType = source.m_nCellType;
	if (dwMask & GCP_CELLTYPESTYLE)
		m_nCellTypeStyle = source.m_nCellTypeStyle;
	if (dwMask & GCP_TEXTCOLOR)
		m_crText = source.m_crText;
	if (dwMask & GCP_BACKCOLOR)
		m_crBack = source.m_crBack;
	if (dwMask & GCP_HIGHLIGHTTEXTCOLOR)
		m_crHighlightText = source.m_crHighlightText;
	if (dwMask & GCP_HIGHLIGHTBACKCOLOR)
		m_crHighlightBack = source.m_crHighlightBack;
	if (dwMask & GCP_BORDER)
		m_wBorder = source.m_wBorder;
	if (dwMask & GCP_BORDERPEN)
		m_pBorderPen = source.m_pBorderPen;
	if (dwMask & GCP_FONT)
		m_pFont = source.m_pFont;
	if (dwMask & GCP_BITMAP)
		m_pBitmap = source.m_pBitmap;
	if (dwMask & GCP_ALIGNMENT)
		m_wAlignment = source.m_wAlignment;
	if (dwMask & GCP_EXTRADATA)
		SetExtraData(source.m_pExtraData.get(), source.m_nExtraLength);
	if (dwMask & GCP_JOIN)
	{
		m_bJoinOrigin = source.m_bJoinOrigin;
		m_nJoinCol = source.m_nJoinCol;
		m_nJoinRow = source.m_nJoinRow;
	}
	if (dwMask & GCP_HANDLER)
		m_pHandler = source.m_pHandler;
	if (dwMask & GCP_SOURCECELL)
		m_pSourceCell = source.m_pSourceCell;
	if (dwMask & GCP_READONLY)
		m_bReadOnly = source.m_bReadOnly;
	if (dwMask & GCP_DECIMALS)
		m_nDecimals = source.m_nDecimals;
}

BOOL GridCell::SetExtraData(const void* pData, int nLength)
{
	m_pExtraData.reset();
	m_nExtraLength = 0;
	m_dwMask &= ~GCP_EXTRADATA;
	if (nLength < 0 || (nLength > 0 && pData == nullptr))
		return FALSE;
	if (nLength > 0)
	{
		m_pExtraData.reset(new (std::nothrow) BYTE[nLength]);
		if (m_pExtraData == nullptr)
			return FALSE;
		std::memcpy(m_pExtraData.get(), pData, static_cast<size_t>(nLength));
	}
	m_nExtraLength = nLength;
	m_dwMask |= GCP_EXTRADATA;
	return TRUE;
}

const BYTE* GridCell::GetExtraData() const
{
	return IsSet(GCP_EXTRADATA) ? m_pExtraData.get() : nullptr;
}

int GridCell::GetExtraDataLength() const
{
	return IsSet(GCP_EXTRADATA) ? m_nExtraLength : 0;
}
