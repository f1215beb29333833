// Constants of control bars (toolbars and status bars) and their tooltips that the system's code
// names: bar styles, window ids, button and pane styles, indicator ids and notification codes.
#pragma once

#include "framework/core/Types.h"

// Control-bar styles, kept by the bar apart from its window style.
constexpr DWORD CBRS_NOALIGN = 0x00000000;
constexpr DWORD CBRS_FLOATING = 0x00000001;
constexpr DWORD CBRS_SIZE_FIXED = 0x00000002;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x00000004;
constexpr DWORD CBRS_HIDE_INPLACE = 0x00000008;
constexpr DWORD CBRS_TOOLTIPS = 0x00000010;
constexpr DWORD CBRS_FLYBY = 0x00000020;
constexpr DWORD CBRS_FLOAT_MULTI = 0x00000040;
constexpr DWORD CBRS_BORDER_3D = 0x00000080;
constexpr DWORD CBRS_BORDER_LEFT = 0x00000100;
constexpr DWORD CBRS_BORDER_TOP = 0x00000200;
constexpr DWORD CBRS_BORDER_RIGHT = 0x00000400;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x00000800;
constexpr DWORD CBRS_BORDER_ANY = 0x00000F00;
constexpr DWORD CBRS_ALIGN_LEFT = 0x00001000;
constexpr DWORD CBRS_ALIGN_TOP = 0x00002000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x00004000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x00008000;
constexpr DWORD CBRS_ALIGN_ANY = 0x0000F000;
constexpr DWORD CBRS_ORIENT_HORZ = CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM;
constexpr DWORD CBRS_ORIENT_VERT = CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT;
constexpr DWORD CBRS_ORIENT_ANY = CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT;
constexpr DWORD CBRS_LEFT = CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_RIGHT = CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
constexpr DWORD CBRS_GRIPPER = 0x00400000;
// Every bit a bar keeps for itself; the rest of a Create style is the window's.
constexpr DWORD CBRS_ALL = 0x0040FFFF;

// Window ids of the standard bars, which are also the commands that show or hide them.
constexpr UINT AFX_IDW_CONTROLBAR_FIRST = 0xE800;
constexpr UINT AFX_IDW_CONTROLBAR_LAST = 0xE8FF;
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// Toolbar button styles: the kind in the low word, the state in the high word.
constexpr UINT TBBS_BUTTON = 0x0000;
constexpr UINT TBBS_SEPARATOR = 0x0001;
constexpr UINT TBBS_CHECKBOX = 0x0002;
constexpr UINT TBBS_GROUP = 0x0004;
constexpr UINT TBBS_CHECKGROUP = TBBS_GROUP | TBBS_CHECKBOX;
constexpr UINT TBBS_CHECKED = 0x00010000;
constexpr UINT TBBS_PRESSED = 0x00020000;
constexpr UINT TBBS_DISABLED = 0x00040000;
constexpr UINT TBBS_HIDDEN = 0x00080000;
constexpr UINT TBBS_INDETERMINATE = 0x00100000;

// Status-bar pane styles
constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = 0x0100;
constexpr UINT SBPS_POPOUT = 0x0200;
constexpr UINT SBPS_OWNERDRAW = 0x1000;
constexpr UINT SBPS_DISABLED = 0x04000000;
constexpr UINT SBPS_STRETCH = 0x08000000;

// Status-bar indicators: pane ids whose text is the string of the same id.
constexpr UINT ID_SEPARATOR = 0;
constexpr UINT ID_INDICATOR_EXT = 0xE700;
constexpr UINT ID_INDICATOR_CAPS = 0xE701;
constexpr UINT ID_INDICATOR_NUM = 0xE702;
constexpr UINT ID_INDICATOR_SCRL = 0xE703;
constexpr UINT ID_INDICATOR_OVR = 0xE704;
constexpr UINT ID_INDICATOR_REC = 0xE705;

// Tooltip notifications (negative codes carried in NMHDR::code) and tool flags.
constexpr UINT TTN_FIRST = 0U - 520U;
constexpr UINT TTN_NEEDTEXTA = TTN_FIRST - 0;
constexpr UINT TTN_NEEDTEXTW = TTN_FIRST - 10;
constexpr UINT TTN_NEEDTEXT = TTN_NEEDTEXTA;
constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_CENTERTIP = 0x0002;
constexpr UINT TTF_RTLREADING = 0x0004;
constexpr UINT TTF_SUBCLASS = 0x0010;

// Messages of the bars: the pointer left a window, and the framework's layout of bars in a parent.
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_SIZEPARENT = 0x0361;
