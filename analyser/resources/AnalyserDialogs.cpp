// The analyser's dialog templates in dialog units, as they appear on screen.
#include "analyser/resources/AnalyserDialogs.h"

#include "analyser/resources/AnalyserResourceIds.h"
#include "framework/core/ControlConstants.h"
#include "framework/core/WinConstants.h"

namespace
{
	constexpr DWORD CAPTION_STYLE = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_SUNKEN;
	// The scopes are disabled edits so that the keyboard focus never rests in them.
	constexpr DWORD SCOPE_STYLE = WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER | ES_AUTOHSCROLL;
	constexpr DWORD SUMMARY_STYLE = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN;
	constexpr DWORD FRAME_STYLE = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
	constexpr DWORD LABEL_STYLE = WS_CHILD | WS_VISIBLE | SS_LEFT;
	constexpr DWORD FIELD_STYLE = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

	// The waveform above the bars, the table below them with the summary beside it.
	const DialogItemTemplate s_fourierItems[] = {
		{"STATIC", "Segnale x(t)", IDC_LABEL_SIGNAL, CAPTION_STYLE, 0, 4, 4, 488, 11},
		{"EDIT", "", IDC_SCOPE_SIGNAL, SCOPE_STYLE, 0, 4, 19, 488, 70},
		{"STATIC", "Ampiezze delle armoniche", IDC_LABEL_HARMONICS, CAPTION_STYLE, 0, 4, 93, 488, 11},
		{"EDIT", "", IDC_SCOPE_HARMONICS, SCOPE_STYLE, 0, 4, 108, 488, 70},
		{"BUTTON", "", IDC_HARMONIC_TABLE, FRAME_STYLE | WS_TABSTOP, 0, 4, 183, 284, 113},
		{"STATIC", "", IDC_SUMMARY_SAMPLES, SUMMARY_STYLE, 0, 292, 183, 200, 14},
		{"STATIC", "", IDC_SUMMARY_DURATION, SUMMARY_STYLE, 0, 292, 203, 200, 14},
		{"STATIC", "", IDC_SUMMARY_RESOLUTION, SUMMARY_STYLE, 0, 292, 223, 200, 14},
		{"STATIC", "", IDC_SUMMARY_HARMONICS, SUMMARY_STYLE, 0, 292, 243, 200, 14},
		{"STATIC", "", IDC_SUMMARY_LARGEST, SUMMARY_STYLE, 0, 292, 263, 200, 14},
		{"STATIC", "", IDC_SUMMARY_DISTORTION, SUMMARY_STYLE, 0, 292, 283, 200, 14},
	};

	const DialogItemTemplate s_countItems[] = {
		{"STATIC", "", IDC_COUNT_PROMPT, LABEL_STYLE, 0, 7, 9, 150, 8},
		{"EDIT", "", IDC_COUNT, FIELD_STYLE | WS_GROUP, 0, 160, 7, 53, 12},
		{"STATIC", "", IDC_ALIASING_NOTE, LABEL_STYLE, 0, 7, 26, 206, 34},
		{"BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 108, 66, 50, 14},
		{"BUTTON", "Annulla", IDCANCEL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 163, 66, 50, 14},
	};

	template <size_t N>
	constexpr UINT Count(const DialogItemTemplate (&)[N])
	{
		return static_cast<UINT>(N);
	}
}

const DialogTemplate g_analyserDialogs[] = {
	{IDD_FOURIER,
		WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE | DS_CENTER
			| DS_SETFONT,
		WS_EX_APPWINDOW, 0, 0, 496, 300, "Analisi di Fourier", "MS Sans Serif", 8, s_fourierItems,
		Count(s_fourierItems), IDR_MAINMENU},
	{IDD_HARMONIC_COUNT, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER | DS_SETFONT, 0,
		0, 0, 220, 87, "Numero di armoniche", "MS Sans Serif", 8, s_countItems, Count(s_countItems), 0},
};

const size_t g_nAnalyserDialogs = sizeof g_analyserDialogs / sizeof g_analyserDialogs[0];
