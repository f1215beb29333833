// The program's dialog templates in dialog units, as they appear on screen.
#include "app/resources/AppDialogs.h"

#include "app/resources/AppResourceIds.h"
#include "framework/core/ControlConstants.h"
#include "framework/core/WinConstants.h"

namespace
{
	constexpr UINT NO_ID = 0xFFFF;
	constexpr DWORD CAPTION_STYLE = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_SUNKEN;
	// The scopes are disabled edits so that the keyboard focus never rests in them.
	constexpr DWORD SCOPE_STYLE = WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER | ES_AUTOHSCROLL;
	constexpr DWORD LABEL_STYLE = WS_CHILD | WS_VISIBLE | SS_LEFT;
	constexpr DWORD FIELD_STYLE = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
	constexpr DWORD FRAME_STYLE = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
	constexpr DWORD RADIO_STYLE = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;

	const DialogItemTemplate s_aboutItems[] = {
		{"STATIC", "#128", NO_ID, WS_CHILD | WS_VISIBLE | SS_ICON, 0, 11, 17, 20, 20},
		{"STATIC", "Ondivar Versione 2.0", NO_ID, LABEL_STYLE | SS_NOPREFIX, 0, 40, 10, 119, 8},
		{"STATIC", "Modulazioni AM, FM e PM", NO_ID, LABEL_STYLE | SS_NOPREFIX, 0, 40, 23, 125, 8},
		{"STATIC", "Corso di Telecomunicazioni", NO_ID, LABEL_STYLE | SS_NOPREFIX, 0, 40, 36, 125, 8},
		{"BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 170, 7, 50, 14},
	};

	const DialogItemTemplate s_mainItems[] = {
		{"STATIC", "Segnale Modulante Vm(t)", NO_ID, CAPTION_STYLE, 0, 4, 4, 488, 11},
		{"EDIT", "", IDC_SCOPE_MODULATING, SCOPE_STYLE, 0, 4, 19, 488, 70},
		{"STATIC", "Segnale Portante Vp(t)", NO_ID, CAPTION_STYLE, 0, 4, 93, 488, 11},
		{"EDIT", "", IDC_SCOPE_CARRIER, SCOPE_STYLE, 0, 4, 108, 488, 70},
		{"STATIC", "Segnale Modulato Vmto(t)", NO_ID, CAPTION_STYLE, 0, 4, 183, 488, 11},
		{"EDIT", "", IDC_SCOPE_MODULATED, SCOPE_STYLE, 0, 4, 198, 488, 70},
		{"BUTTON", "Button1", IDC_BUTTON1, WS_CHILD | BS_PUSHBUTTON, 0, 4, 261, 6, 6},
	};

	// Listed in tab order: carrier fields, modulating fields and time, then OK and Cancel.
	const DialogItemTemplate s_paramItems[] = {
		{"BUTTON", "", NO_ID, FRAME_STYLE, 0, 7, 3, 172, 47},
		{"EDIT", "", IDC_AMP_CARRIER, FIELD_STYLE | WS_GROUP, 0, 12, 12, 57, 14},
		{"STATIC", "Ampiezza Portante", NO_ID, LABEL_STYLE, 0, 74, 12, 75, 14},
		{"EDIT", "", IDC_FREQ_CARRIER, FIELD_STYLE, 0, 12, 30, 57, 14},
		{"STATIC", "Frequenza Portante", NO_ID, LABEL_STYLE, 0, 74, 30, 75, 14},
		{"BUTTON", "", NO_ID, FRAME_STYLE, 0, 7, 51, 172, 65},
		{"EDIT", "", IDC_AMP_MOD, FIELD_STYLE, 0, 12, 61, 57, 14},
		{"STATIC", "Ampiezza Modulante", NO_ID, LABEL_STYLE, 0, 74, 61, 75, 14},
		{"EDIT", "", IDC_FREQ_MOD, FIELD_STYLE, 0, 12, 78, 57, 14},
		{"STATIC", "Frequenza Modulante", NO_ID, LABEL_STYLE, 0, 74, 78, 75, 14},
		{"EDIT", "", IDC_SIM_TIME, FIELD_STYLE, 0, 12, 96, 57, 14},
		{"STATIC", "Tempo di Simulazione", NO_ID, LABEL_STYLE, 0, 74, 96, 75, 14},
		{"BUTTON", "", NO_ID, FRAME_STYLE, 0, 183, 3, 63, 47},
		{"STATIC", "KF = 15000", NO_ID, LABEL_STYLE, 0, 188, 11, 47, 11},
		{"STATIC", "KP = 1", NO_ID, LABEL_STYLE, 0, 188, 22, 47, 11},
		{"STATIC", "KA = 1", NO_ID, LABEL_STYLE, 0, 188, 34, 47, 11},
		{"BUTTON", "A.M.", IDC_RADIO_AM, RADIO_STYLE | WS_GROUP, 0, 185, 56, 61, 10},
		{"BUTTON", "D.S.B.-S.C.", IDC_RADIO_DSB_SC, RADIO_STYLE, 0, 185, 68, 61, 10},
		{"BUTTON", "S.S.B.-U.S.B.", IDC_RADIO_SSB_USB, RADIO_STYLE, 0, 185, 80, 61, 10},
		{"BUTTON", "S.S.B.-L.S.B.", IDC_RADIO_SSB_LSB, RADIO_STYLE, 0, 185, 92, 61, 10},
		{"BUTTON", "V.S.B.", IDC_RADIO_VSB, RADIO_STYLE, 0, 185, 104, 61, 10},
		{"BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 196, 124, 50, 14},
		{"BUTTON", "Cancel", IDCANCEL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 141, 124, 50, 14},
	};

	constexpr DWORD LINE_LABEL_STYLE = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN;

	const DialogItemTemplate s_spectrumItems[] = {
		{"EDIT", "", IDC_SCOPE_SPECTRUM, SCOPE_STYLE, 0, 7, 7, 350, 78},
		{"STATIC", "", IDC_LABEL_FREQ_MOD, LINE_LABEL_STYLE, 0, 7, 90, 172, 14},
		{"STATIC", "", IDC_LABEL_AMP_MOD, LINE_LABEL_STYLE, 0, 7, 107, 172, 14},
		{"STATIC", "", IDC_LABEL_FREQ_CARRIER, LINE_LABEL_STYLE, 0, 185, 90, 172, 14},
		{"STATIC", "", IDC_LABEL_AMP_CARRIER, LINE_LABEL_STYLE, 0, 185, 107, 172, 14},
		{"BUTTON", "", IDC_LINE_TABLE, FRAME_STYLE, 0, 7, 128, 350, 83},
	};

	const DialogItemTemplate s_pictureSizeItems[] = {
		{"STATIC", "", IDC_PICTURE_PROMPT, LABEL_STYLE, 0, 7, 7, 200, 18},
		{"STATIC", "&Larghezza", NO_ID, LABEL_STYLE, 0, 7, 32, 45, 10},
		{"EDIT", "", IDC_PICTURE_WIDTH, FIELD_STYLE | WS_GROUP, 0, 55, 30, 45, 14},
		{"STATIC", "&Altezza", NO_ID, LABEL_STYLE, 0, 110, 32, 40, 10},
		{"EDIT", "", IDC_PICTURE_HEIGHT, FIELD_STYLE, 0, 152, 30, 45, 14},
		{"BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 102, 54, 50, 14},
		{"BUTTON", "Annulla", IDCANCEL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 157, 54, 50, 14},
	};

	template <size_t N>
	constexpr UINT Count(const DialogItemTemplate (&)[N])
	{
		return static_cast<UINT>(N);
	}
}

const DialogTemplate g_appDialogs[] = {
	{IDD_ABOUTBOX, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER | DS_SETFONT, 0, 0, 0,
		227, 58, "Informazioni su Ondivar...", "MS Sans Serif", 8, s_aboutItems, Count(s_aboutItems), 0},
	{IDD_ONDIVAR_DIALOG,
		WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE | DS_CENTER
			| DS_SETFONT,
		WS_EX_APPWINDOW, 0, 0, 496, 271, "Ondivar", "MS Sans Serif", 8, s_mainItems, Count(s_mainItems), IDR_MAINMENU},
	{IDD_MODPARAM, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER | DS_SETFONT,
		WS_EX_TOOLWINDOW, 0, 0, 253, 145, "Modulazione", "MS Sans Serif", 8, s_paramItems, Count(s_paramItems), 0},
	{IDD_SPECTRUM,
		WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_VISIBLE | DS_MODALFRAME | DS_CENTER
			| DS_3DLOOK | DS_SETFONT,
		0, 0, 0, 364, 218, "Spettro del segnale modulato", "MS Sans Serif", 8, s_spectrumItems,
		Count(s_spectrumItems), IDR_SPECTRUM},
	{IDD_PICTURE_SIZE, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER | DS_SETFONT, 0, 0, 0,
		214, 75, "Dimensione dell'immagine", "MS Sans Serif", 8, s_pictureSizeItems, Count(s_pictureSizeItems), 0},
};

const size_t g_nAppDialogs = sizeof g_appDialogs / sizeof g_appDialogs[0];
