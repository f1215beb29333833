// The per-sheet settings of a grid and their defaults.
#include "grid/window/SheetSettings.h"

#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/UserServices.h"
#include "grid/celltypes/CellType.h"

IMPLEMENT_DYNAMIC(SheetSettings, CObject)

SheetSettings::SheetSettings()
	: m_topHeadingRows(1, 20)
	, m_sideHeadingColumns(1, 25)
	, m_nVScrollWidth(GetSystemMetrics(SM_CXVSCROLL))
	, m_nHScrollHeight(GetSystemMetrics(SM_CYHSCROLL))
	, m_hNormalCursor(LoadCursor(nullptr, IDC_ARROW))
	, m_hColumnSizeCursor(LoadCursor(nullptr, IDC_SIZEWE))
	, m_hRowSizeCursor(LoadCursor(nullptr, IDC_SIZENS))
	, m_gridPen(PS_SOLID, 1, RGB(220, 220, 220))
{
	m_headingDefaultCell.SetBackColor(GetSysColor(COLOR_BTNFACE));
	m_headingDefaultCell.SetBorder(GCB_RAISED);
	m_headingDefaultCell.SetAlignment(GCA_CENTER | GCA_VCENTER);
}

SheetSettings::~SheetSettings() = default;
