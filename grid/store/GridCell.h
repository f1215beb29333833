// GridCell: the record of one grid cell that every part of the grid passes around. A property
// counts only while its bit is set in the mask; readers give the default otherwise.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

#include <memory>
#include <type_traits>

class CPen;
class CFont;
class CBitmap;
class GridCell;

// Property bits of the mask.
constexpr DWORD GCP_TEXT = 0x1;
constexpr DWORD GCP_SECONDSTRING = 0x2;
constexpr DWORD GCP_LABEL = 0x4;
constexpr DWORD GCP_DATATYPE = 0x8;
constexpr DWORD GCP_ITEMDATA = 0x10;
constexpr DWORD GCP_CELLTYPE = 0x20;
constexpr DWORD GCP_CELLTYPESTYLE = 0x40;
constexpr DWORD GCP_TEXTCOLOR = 0x80;
constexpr DWORD GCP_BACKCOLOR = 0x100;
constexpr DWORD GCP_HIGHLIGHTTEXTCOLOR = 0x200;
constexpr DWORD GCP_HIGHLIGHTBACKCOLOR = 0x400;
constexpr DWORD GCP_BORDER = 0x800;
constexpr DWORD GCP_BORDERPEN = 0x1000;
constexpr DWORD GCP_FONT = 0x2000;
constexpr DWORD GCP_BITMAP = 0x4000;
constexpr DWORD GCP_ALIGNMENT = 0x8000;
constexpr DWORD GCP_EXTRADATA = 0x10000;
constexpr DWORD GCP_JOIN = 0x20000;
constexpr DWORD GCP_HANDLER = 0x200000;
constexpr DWORD GCP_SOURCECELL = 0x800000;
constexpr DWORD GCP_READONLY = 0x1000000;
constexpr DWORD GCP_DECIMALS = 0x2000000;

// Data types; 3, 4 and 5 are further kinds that sort like 2, 1 and 2.
constexpr int GCD_TEXT = 1;
constexpr int GCD_NUMBER = 2;

// Alignment bits; left and top when none is set.
constexpr WORD GCA_RIGHT = 0x2;
constexpr WORD GCA_CENTER = 0x4;
constexpr WORD GCA_BOTTOM = 0x10;
constexpr WORD GCA_VCENTER = 0x20;

// An object attached to a cell, told about the cell once the grid has assembled it for
// drawing, editing or printing. The cell does not own it.
class GridCellHandler
{
public:
	virtual ~GridCellHandler() = default;
	virtual void OnCellAssembled(GridCell* pCell) = 0;
};

class GridCell : public CObject
{
	DECLARE_DYNAMIC(GridCell)

public:
	GridCell();
	~GridCell() override;

	// A cell owns a buffer, so it is copied by mask with CopyFrom or MergeFrom.
	GridCell(const GridCell&) = delete;
	GridCell& operator=(const GridCell&) = delete;

	DWORD GetMask() const;
	void SetMask(DWORD dwMask);
	BOOL IsSet(DWORD dwProperty) const;
	void ClearAll();

	// B.CopyFrom(A) makes B's mask A's, B.MergeFrom(A) adds A's bits to B's; both then copy
	// every property that A has. A failed copy of the extra data leaves B without any.
	void CopyFrom(const GridCell& source);
	void MergeFrom(const GridCell& source);

	void SetText(LPCSTR lpszText);
	CString GetText() const;
	int GetTextLength() const;
	void SetNumber(double dValue);
	double GetNumber() const;
	BOOL GetBool() const;

	void SetSecondString(LPCSTR lpsz);
	CString GetSecondString() const;
	void SetLabel(LPCSTR lpsz);
	CString GetLabel() const;

	void SetDataType(int nType);
	int GetDataType() const;
	void SetItemData(int nData);
	int GetItemData() const;
	void SetCellType(int nIndex);
	int GetCellType() const;
	void SetCellTypeStyle(int nStyle);
	int GetCellTypeStyle() const;

	// The colour defaults are system colours, which only the window layer knows: the caller
	// passes the colour to use when the cell sets none.
	void SetTextColor(COLORREF cr);
	COLORREF GetTextColor(COLORREF crDefault) const;
	void SetBackColor(COLORREF cr);
	COLORREF GetBackColor(COLORREF crDefault) const;
	void SetHighlightTextColor(COLORREF cr);
	COLORREF GetHighlightTextColor(COLORREF crDefault) const;
	void SetHighlightBackColor(COLORREF cr);
	COLORREF GetHighlightBackColor(COLORREF crDefault) const;

	void SetBorder(WORD wBorder);
	WORD GetBorder() const;
	void SetAlignment(WORD wAlignment);
	WORD GetAlignment() const;

	// Pointer properties belong to the caller and read as null when unset, which tells the
	// grid to use the sheet's grid pen or default font.
	void SetBorderPen(CPen* pPen);
	CPen* GetBorderPen() const;
	void SetFont(CFont* pFont);
	CFont* GetFont() const;
	void SetBitmap(CBitmap* pBitmap);
	CBitmap* GetBitmap() const;
	void SetHandler(GridCellHandler* pHandler);
	GridCellHandler* GetHandler() const;
	void SetSourceCell(GridCell* pCell);
	GridCell* GetSourceCell() const;

	void SetReadOnly(BOOL bReadOnly);
	BOOL IsReadOnly() const;
	// Without decimals set, GetDecimals gives -1 and numbers are written with six of them.
	void SetDecimals(int nDecimals);
	int GetDecimals() const;

	// The data is copied into a buffer the cell owns; FALSE when it cannot be allocated.
	BOOL SetExtraData(const void* pData, int nLength);
	const BYTE* GetExtraData() const;
	int GetExtraDataLength() const;

	// On a block's origin the offsets reach its last column and row; on the block's other
	// cells they are the negative offsets back to the origin.
	void SetJoin(BOOL bOrigin, int nColOffset, long nRowOffset);
	BOOL GetJoin(BOOL* pbOrigin, int* pnColOffset, long* pnRowOffset) const;

private:
	// Every property but the text and the data type, which nearly every stored cell has alone,
	// lives in this block, allocated the first time one of them is set.
	struct Extras
	{
		CString m_strSecond;
		CString m_strLabel;
		int m_nItemData = 0;
		int m_nCellType = 0;
		int m_nCellTypeStyle = 0;
		COLORREF m_crText = 0;
		COLORREF m_crBack = 0;
		COLORREF m_crHighlightText = 0;
		COLORREF m_crHighlightBack = 0;
		WORD m_wBorder = 0;
		WORD m_wAlignment = 0;
		CPen* m_pBorderPen = nullptr;
		CFont* m_pFont = nullptr;
		CBitmap* m_pBitmap = nullptr;
		GridCellHandler* m_pHandler = nullptr;
		GridCell* m_pSourceCell = nullptr;
		BOOL m_bReadOnly = FALSE;
		short m_nDecimals = 0;
		std::unique_ptr<BYTE[]> m_pExtraData;
		int m_nExtraLength = 0;
		BOOL m_bJoinOrigin = FALSE;
		int m_nJoinCol = 0;
		long m_nJoinRow = 0;
	};

	void CopyProperties(const GridCell& source);
	Extras& Side();
	// A cell without a block reads every side property as a freshly made block holds it.
	const Extras& SideOrBlank() const;

	// A property is stored with its bit; read back, it gives the default while the bit is clear.
	template <class T>
	void Store(T Extras::*field, std::common_type_t<T> value, DWORD dwProperty)
	{
		Side().*field = value;
		m_dwMask |= dwProperty;
	}
	template <class T>
	T Stored(T Extras::*field, DWORD dwProperty, std::common_type_t<T> defaultValue) const
	{
		return IsSet(dwProperty) ? SideOrBlank().*field : defaultValue;
	}

	DWORD m_dwMask;
	int m_nDataType;
	CString m_strText;
	std::unique_ptr<Extras> m_pSide;
};
