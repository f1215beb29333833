// Ids of Ondivar's own resources: dialogs, menu, toolbar, pictures, controls, commands and texts.
#pragma once

#include "framework/core/Types.h"

// Dialog templates
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_ONDIVAR_DIALOG = 102;
constexpr UINT IDD_MODPARAM = 130;
constexpr UINT IDD_SPECTRUM = 131;
constexpr UINT IDD_PICTURE_SIZE = 133;

// Menu, toolbar, icon and pictures
constexpr UINT IDR_MAINFRAME = 128;	// the application icon
constexpr UINT IDR_TOOLBAR = 128;	// the toolbar and its bitmap strip
constexpr UINT IDR_MAINMENU = 129;
constexpr UINT IDR_SPECTRUM = 132;	// the spectrum window's menu, toolbar and its bitmap strip
constexpr UINT IDB_SPLASH = 137;

// Main window controls
constexpr UINT IDC_SCOPE_MODULATED = 1000;
constexpr UINT IDC_SCOPE_CARRIER = 1001;
constexpr UINT IDC_SCOPE_MODULATING = 1002;
constexpr UINT IDC_BUTTON1 = 1015;

// Parameters dialog controls
constexpr UINT IDC_AMP_MOD = 1000;
constexpr UINT IDC_RADIO_AM = 1001;
constexpr UINT IDC_RADIO_DSB_SC = 1002;
constexpr UINT IDC_RADIO_SSB_USB = 1003;
constexpr UINT IDC_RADIO_SSB_LSB = 1004;
constexpr UINT IDC_RADIO_VSB = 1005;
constexpr UINT IDC_FREQ_MOD = 1006;
constexpr UINT IDC_AMP_CARRIER = 1007;
constexpr UINT IDC_FREQ_CARRIER = 1008;
constexpr UINT IDC_SIM_TIME = 1009;

// Spectrum window controls
constexpr UINT IDC_SCOPE_SPECTRUM = 1000;
constexpr UINT IDC_LINE_TABLE = 1012;
constexpr UINT IDC_LABEL_FREQ_MOD = 1018;
constexpr UINT IDC_LABEL_AMP_MOD = 1019;
constexpr UINT IDC_LABEL_FREQ_CARRIER = 1020;
constexpr UINT IDC_LABEL_AMP_CARRIER = 1021;
constexpr UINT IDC_FIGURES_LEFT = 1022;
constexpr UINT IDC_FIGURES_RIGHT = 1023;

// Picture size dialog controls
constexpr UINT IDC_PICTURE_PROMPT = 1000;
constexpr UINT IDC_PICTURE_WIDTH = 1001;
constexpr UINT IDC_PICTURE_HEIGHT = 1002;

// Commands
constexpr UINT IDM_ABOUTBOX = 0x0010;	// in the window menu
constexpr UINT ID_FILE_PRINT_TABLE = 1013;
constexpr UINT ID_MOD_AMPIEZZA = 32784;
constexpr UINT ID_MOD_FREQUENZA = 32785;
constexpr UINT ID_MOD_FASE = 32786;
constexpr UINT ID_SPECTRUM = 32787;
constexpr UINT ID_FILE_PRINT_SETUP = 32794;
constexpr UINT ID_REFRESH = 32796;
constexpr UINT ID_FILE_SAVE_SIGNAL = 32798;
constexpr UINT ID_FILE_SAVE_SIGNAL_AS = 32799;
constexpr UINT ID_FILE_EXPORT_PICTURE = 32800;
constexpr UINT ID_FILE_PRINT_SCOPES = 32801;
constexpr UINT ID_EDIT_COPY_PICTURE = 32802;
constexpr UINT ID_VIEW_SCALES = 32803;
constexpr UINT ID_VIEW_SAME_SCALE = 32804;
constexpr UINT ID_VIEW_WHOLE = 32805;
constexpr UINT ID_VIEW_ZOOM_IN = 32806;
constexpr UINT ID_VIEW_ZOOM_OUT = 32807;
constexpr UINT ID_VIEW_CLEAR_CURSORS = 32808;
constexpr UINT ID_EDIT_COPY_ROWS = 32821;
constexpr UINT ID_APP_ABOUT = 57664;

// Texts
constexpr UINT IDS_ABOUTBOX = 101;
constexpr UINT IDS_COLUMN_ROW = 102;
constexpr UINT IDS_COLUMN_FREQUENCY = 103;
constexpr UINT IDS_COLUMN_AMPLITUDE = 104;
constexpr UINT IDS_COLUMN_PHASE = 105;
constexpr UINT IDS_INDEX_TOO_HIGH = 32788;
constexpr UINT IDS_FOURIER_OFFER = 32789;
constexpr UINT IDS_SIM_TIME_TOO_LOW = 32790;
constexpr UINT IDS_BAD_SIM_TIME = 57665;
constexpr UINT IDS_BAD_FREQ_MOD = 57666;
constexpr UINT IDS_BAD_AMP_MOD = 57667;
constexpr UINT IDS_BAD_FREQ_CARRIER = 57668;
constexpr UINT IDS_BAD_AMP_CARRIER = 57669;
constexpr UINT IDS_TIME_CAPPED = 32809;
constexpr UINT IDS_ENVELOPE_HIDDEN = 32810;
constexpr UINT IDS_EXPORT_FAILED = 32811;
constexpr UINT IDS_COPY_FAILED = 32812;
constexpr UINT IDS_PICTURE_PROMPT = 32814;
constexpr UINT IDS_BAD_PICTURE_SIZE = 32815;
constexpr UINT IDS_RANGE_AMP_CARRIER = 32816;
constexpr UINT IDS_RANGE_FREQ_CARRIER = 32817;
constexpr UINT IDS_RANGE_AMP_MOD = 32818;
constexpr UINT IDS_RANGE_FREQ_MOD = 32819;
constexpr UINT IDS_RANGE_SIM_TIME = 32820;
constexpr UINT IDS_COPY_ROWS_FAILED = 32822;
constexpr UINT IDS_CAPTION = 59394;
constexpr UINT IDS_SAVE_FAILED = 59395;
constexpr UINT IDS_SAVE_CHANGES = 61446;
constexpr UINT IDS_SAVE_BEFORE_FOURIER = 61447;
constexpr UINT IDS_FOURIER_NOT_SAVED = 61448;
constexpr UINT IDS_FOURIER_FAILED = 61449;
