// Ids of the analyser's own resources: dialogs, menu, toolbar, icon, controls, commands and texts.
#pragma once

#include "framework/core/Types.h"

// Dialog templates
constexpr UINT IDD_FOURIER = 102;
constexpr UINT IDD_HARMONIC_COUNT = 130;

// Menu, toolbar and icon
constexpr UINT IDR_MAINFRAME = 128;	// the application icon
constexpr UINT IDR_TOOLBAR = 128;	// the toolbar and its bitmap strip
constexpr UINT IDR_MAINMENU = 129;

// Main window controls
constexpr UINT IDC_LABEL_SIGNAL = 1000;
constexpr UINT IDC_SCOPE_SIGNAL = 1001;
constexpr UINT IDC_LABEL_HARMONICS = 1002;
constexpr UINT IDC_SCOPE_HARMONICS = 1003;
constexpr UINT IDC_HARMONIC_TABLE = 1004;
constexpr UINT IDC_SUMMARY_SAMPLES = 1010;
constexpr UINT IDC_SUMMARY_DURATION = 1011;
constexpr UINT IDC_SUMMARY_RESOLUTION = 1012;
constexpr UINT IDC_SUMMARY_HARMONICS = 1013;
constexpr UINT IDC_SUMMARY_LARGEST = 1014;
constexpr UINT IDC_SUMMARY_DISTORTION = 1015;

// Harmonic count dialog controls
constexpr UINT IDC_COUNT = 1000;
constexpr UINT IDC_COUNT_PROMPT = 1001;
constexpr UINT IDC_ALIASING_NOTE = 1002;

// Commands, with the framework's standard values where the framework has one
constexpr UINT ID_EXPORT_TABLE = 32800;
constexpr UINT ID_EXPORT_SIGNAL = 32801;
constexpr UINT ID_HARMONIC_COUNT = 32802;
constexpr UINT ID_ALL_HARMONICS = 32803;
constexpr UINT ID_FILE_OPEN = 0xE101;
constexpr UINT ID_FILE_PRINT_SETUP = 0xE106;
constexpr UINT ID_FILE_PRINT = 0xE107;
constexpr UINT ID_APP_EXIT = 0xE141;

// Texts; the messages are formats, filled with the file's name or the counts
constexpr UINT IDS_READ_FAILED = 61450;
constexpr UINT IDS_WRITE_FAILED = 61451;
constexpr UINT IDS_BAD_COUNT = 61452;
constexpr UINT IDS_COUNT_PROMPT = 61453;
constexpr UINT IDS_ALIASING_NOTE = 61454;
