// Constants of menus that the system's code names: item flags, WM_MENUSELECT flags, TrackPopupMenu
// flags and the system commands of the keyboard menu, with their Windows values.
#pragma once

#include "framework/core/Types.h"

// How an item is named: by its command id (searching submenus too) or by its position.
constexpr UINT MF_BYCOMMAND = 0x00000000;
constexpr UINT MF_BYPOSITION = 0x00000400;

// Item kinds and states
constexpr UINT MF_STRING = 0x00000000;
constexpr UINT MF_ENABLED = 0x00000000;
constexpr UINT MF_UNCHECKED = 0x00000000;
constexpr UINT MF_UNHILITE = 0x00000000;
constexpr UINT MF_GRAYED = 0x00000001;
constexpr UINT MF_DISABLED = 0x00000002;
constexpr UINT MF_BITMAP = 0x00000004;
constexpr UINT MF_CHECKED = 0x00000008;
constexpr UINT MF_POPUP = 0x00000010;
constexpr UINT MF_MENUBARBREAK = 0x00000020;
constexpr UINT MF_MENUBREAK = 0x00000040;
constexpr UINT MF_HILITE = 0x00000080;
constexpr UINT MF_OWNERDRAW = 0x00000100;
constexpr UINT MF_SEPARATOR = 0x00000800;
constexpr UINT MF_DEFAULT = 0x00001000;
constexpr UINT MF_RIGHTJUSTIFY = 0x00004000;

// Further flags of WM_MENUSELECT: the item belongs to the window menu, or the mouse chose it.
constexpr UINT MF_SYSMENU = 0x00002000;
constexpr UINT MF_MOUSESELECT = 0x00008000;

// TrackPopupMenu
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_VCENTERALIGN = 0x0010;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

// WM_SYSCOMMAND from the keyboard: lParam is the character typed with Alt (' ' for the window
// menu, a letter for a menu-bar title, 0 for F10).
constexpr UINT SC_KEYMENU = 0xF100;

// The framework's standard help command.
constexpr UINT ID_HELP = 0xE146;
