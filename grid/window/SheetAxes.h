// A sheet's rows and columns as the layout arithmetic sees them: row heights (uniform or from the
// height table) and column widths from the column table.
#pragma once

#include "grid/layout/GridLayout.h"
#include "grid/window/SheetSettings.h"

class SheetRowAxis : public GridAxis
{
public:
	explicit SheetRowAxis(const SheetSettings& sheet) : m_sheet(sheet) {}

	long GetCount() const override { return m_sheet.m_nRowCount; }
	int GetDefaultSize() const override { return m_sheet.m_nDefaultRowHeight; }
	BOOL IsUniform() const override { return m_sheet.m_bUniformRowHeight || m_sheet.m_rowHeights.empty(); }
	int GetStoredSize(long n) const override { return m_sheet.m_rowHeights[static_cast<size_t>(n)]; }

private:
	const SheetSettings& m_sheet;
};

class SheetColumnAxis : public GridAxis
{
public:
	explicit SheetColumnAxis(const SheetSettings& sheet) : m_sheet(sheet) {}

	long GetCount() const override { return m_sheet.m_nColumnCount; }
	int GetDefaultSize() const override { return m_sheet.m_nDefaultColumnWidth; }
	BOOL IsUniform() const override { return FALSE; }
	int GetStoredSize(long n) const override { return m_sheet.m_columns[static_cast<size_t>(n)].m_nWidth; }

private:
	const SheetSettings& m_sheet;
};
