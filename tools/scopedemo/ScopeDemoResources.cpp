// The scope demonstration's resource module: a dialog with two scopes, its menu, the prompts and
// tooltips of its commands and a toolbar strip drawn here.
#include "tools/scopedemo/ScopeDemoResources.h"

#include "framework/core/BarConstants.h"
#include "framework/core/ControlConstants.h"
#include "framework/core/DibParser.h"
#include "framework/core/MenuConstants.h"
#include "framework/core/Resources.h"
#include "framework/core/WinConstants.h"

#include <algorithm>
#include <vector>

namespace
{
	constexpr DWORD SCOPE_STYLE = WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER | ES_AUTOHSCROLL;

	const DialogItemTemplate s_items[] = {
		{"STATIC", "Segnale campionato", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 7, 7, 200, 9},
		{"EDIT", "", IDC_SCOPE_LINE, SCOPE_STYLE, 0, 7, 18, 306, 80},
		{"STATIC", "Righe spettrali (barre)", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 7, 104, 200, 9},
		{"EDIT", "", IDC_SCOPE_BARS, SCOPE_STYLE, 0, 7, 115, 306, 80},
		{"BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 263, 201, 50, 14},
	};

	const DialogTemplate s_dialogs[] = {
		{IDD_SCOPE_DEMO, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER | DS_SETFONT, 0, 0, 0,
			320, 222, "Prova degli oscilloscopi", "MS Sans Serif", 8, s_items, sizeof s_items / sizeof s_items[0],
			IDR_SCOPE_DEMO_MENU},
	};

	const MenuItemTemplate s_fileItems[] = {
		{MF_STRING, ID_DEMO_EXIT, "&Esci", nullptr, 0},
	};
	const MenuItemTemplate s_traceItems[] = {
		{MF_STRING, ID_DEMO_LINE, "&Linea", nullptr, 0},
		{MF_STRING, ID_DEMO_STEPS, "&Gradini", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, ID_DEMO_AXES, "&Assi", nullptr, 0},
	};
	const MenuItemTemplate s_viewItems[] = {
		{MF_STRING, AFX_IDW_TOOLBAR, "Barra degli &strumenti", nullptr, 0},
		{MF_STRING, AFX_IDW_STATUS_BAR, "Barra di s&tato", nullptr, 0},
	};
	const MenuItemTemplate s_menuBar[] = {
		{MF_POPUP, 0, "&File", s_fileItems, 1},
		{MF_POPUP, 0, "&Traccia", s_traceItems, 4},
		{MF_POPUP, 0, "&Visualizza", s_viewItems, 2},
	};
	const MenuTemplate s_menus[] = {{IDR_SCOPE_DEMO_MENU, s_menuBar, 3}};

	const StringResource s_strings[] = {
		{ID_DEMO_EXIT, "Chiude la dimostrazione\nEsci"},
		{ID_DEMO_LINE, "Disegna il segnale come una linea spezzata\nLinea"},
		{ID_DEMO_STEPS, "Disegna il segnale a gradini\nGradini"},
		{ID_DEMO_AXES, "Mostra o nasconde gli assi rossi\nAssi"},
		{AFX_IDW_TOOLBAR, "Mostra o nasconde la barra degli strumenti\nBarra degli strumenti"},
		{AFX_IDW_STATUS_BAR, "Mostra o nasconde la barra di stato\nBarra di stato"},
	};

	void Put(std::vector<BYTE>& b, size_t at, unsigned value, int bytes)
	{
		for (int i = 0; i < bytes; i++)
			b[at + i] = BYTE(value >> (8 * i));
	}

	// Four 16 × 15 images on the toolbar grey: an exit arrow, a polyline, a staircase and axes.
	std::vector<BYTE> ToolbarStrip()
	{
		const int width = 64;
		const int height = 15;
		const size_t rowSize = size_t(DibRowSize(24, width));
		std::vector<BYTE> b(54 + rowSize * height, 0);
		b[0] = 'B';
		b[1] = 'M';
		Put(b, 2, unsigned(b.size()), 4);
		Put(b, 10, 54, 4);
		Put(b, 14, 40, 4);
		Put(b, 18, width, 4);
		Put(b, 22, height, 4);
		Put(b, 26, 1, 2);
		Put(b, 28, 24, 2);
		auto pixel = [&](int x, int y, COLORREF c) {
			BYTE* p = &b[54 + rowSize * size_t(height - 1 - y) + size_t(3 * x)];
			p[0] = GetBValue(c);
			p[1] = GetGValue(c);
			p[2] = GetRValue(c);
		};
		for (int y = 0; y < height; y++)
			for (int x = 0; x < width; x++)
				pixel(x, y, RGB(192, 192, 192));
		const COLORREF ink = RGB(0, 0, 0);
		const COLORREF trace = RGB(0, 128, 0);
		for (int i = 3; i < 13; i++)
		{
			pixel(i, 7, ink);
			pixel(3 + (i - 3) / 2, 7 - (i - 3) / 2, i < 8 ? ink : RGB(192, 192, 192));
			pixel(3 + (i - 3) / 2, 7 + (i - 3) / 2, i < 8 ? ink : RGB(192, 192, 192));
		}
		const int line[] = {11, 8, 4, 3, 6, 10, 12, 9, 5, 3, 4, 8, 11, 12};
		for (int i = 0; i < 14; i++)
			for (int y = std::min(line[i], i > 0 ? line[i - 1] : line[i]); y <= std::max(line[i], i > 0 ? line[i - 1] : line[i]); y++)
				pixel(16 + 1 + i, y, trace);
		for (int i = 0; i < 14; i++)
		{
			const int y = (i / 4) % 2 == 0 ? 4 : 10;
			pixel(32 + 1 + i, y, trace);
			if (i % 4 == 0)
				for (int v = 4; v <= 10; v++)
					pixel(32 + 1 + i, v, trace);
		}
		for (int i = 1; i < 15; i++)
		{
			pixel(48 + 3, i, RGB(255, 0, 0));
			pixel(48 + i, 11, RGB(255, 0, 0));
		}
		return b;
	}

	class CScopeDemoModule : public CResourceModule
	{
	public:
		CScopeDemoModule()
			: CResourceModule("scopedemo", TRUE, s_strings, sizeof s_strings / sizeof s_strings[0]), m_strip(ToolbarStrip())
		{
			m_bitmap = {IDB_SCOPE_DEMO_TOOLBAR, m_strip.data(), m_strip.size()};
			SetBitmaps(&m_bitmap, 1);
			SetDialogs(s_dialogs, sizeof s_dialogs / sizeof s_dialogs[0]);
			SetMenus(s_menus, sizeof s_menus / sizeof s_menus[0]);
		}

	private:
		std::vector<BYTE> m_strip;
		BinaryResource m_bitmap;
	};

	CScopeDemoModule s_module;
	CResourceModuleRegistration s_registration(&s_module);
}
