// The analyser's resource module: texts, menu, toolbar and icon. It joins the chain as the
// application module, so its resources are found before those of the libraries.
#include "analyser/resources/AnalyserDialogs.h"
#include "analyser/resources/AnalyserResourceIds.h"
#include "framework/core/BarConstants.h"
#include "framework/core/FrameworkStringIds.h"
#include "framework/core/MenuConstants.h"
#include "framework/core/Resources.h"
#include "framework/core/WinConstants.h"

#include <cstddef>

extern const unsigned char analyser_fourierbar_bmp[];
extern const std::size_t analyser_fourierbar_bmp_size;
extern const unsigned char analyser_ondivar_fourier_ico[];
extern const std::size_t analyser_ondivar_fourier_ico_size;

namespace
{
	const StringResource s_strings[] = {
		{AFX_IDS_APP_TITLE, "Analisi di Fourier"},
		{ID_FILE_OPEN, "Apre un file di segnale e ne calcola le armoniche\nApri"},
		{ID_FILE_PRINT, "Stampa la tabella delle armoniche\nStampa"},
		{ID_FILE_PRINT_SETUP, "Modifica le impostazioni della stampante\nImposta stampante..."},
		{ID_EXPORT_TABLE, "Salva la tabella delle armoniche in un file CSV\nEsporta tabella"},
		{ID_EXPORT_SIGNAL, "Salva il segnale come testo: il periodo, poi una coppia X Y per riga\nEsporta segnale"},
		{ID_APP_EXIT, "Termina l'applicazione\nEsci"},
		{ID_HARMONIC_COUNT, "Cambia il numero di armoniche calcolate\nNumero di armoniche"},
		{ID_ALL_HARMONICS, "Mostra tutte le armoniche, non solo quelle significative\nTutte le armoniche"},
		{AFX_IDW_TOOLBAR, "Visualizza/Nasconde la barra degli strumenti"},
		{AFX_IDW_STATUS_BAR, "Visualizza/Nasconde la barra di stato"},
		{IDS_READ_FAILED, "Impossibile aprire il file \"%s\"."},
		{IDS_WRITE_FAILED, "Impossibile scrivere il file \"%s\".\nOperazione annullata!"},
		{IDS_BAD_COUNT, "Il numero di armoniche deve essere compreso tra 1 e %u."},
		{IDS_COUNT_PROMPT, "Numero di armoniche (da 1 a %u):"},
		{IDS_ALIASING_NOTE, "Con %u campioni si distinguono le armoniche fino alla %u, la metà dei campioni: "
			"quelle oltre non sono frequenze nuove, ma ripetono ripiegate (aliasing) quelle delle armoniche più "
			"basse."},
	};

	const MenuItemTemplate s_fileItems[] = {
		{MF_STRING, ID_FILE_OPEN, "&Apri...\tCtrl+O", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, ID_FILE_PRINT, "&Stampa...", nullptr, 0},
		{MF_STRING, ID_FILE_PRINT_SETUP, "&Imposta Stampante...", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, ID_EXPORT_TABLE, "Esporta &tabella...", nullptr, 0},
		{MF_STRING, ID_EXPORT_SIGNAL, "Esporta &segnale come testo...", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, ID_APP_EXIT, "&Esci\tCtrl+Q", nullptr, 0},
	};
	const MenuItemTemplate s_analysisItems[] = {
		{MF_STRING, ID_HARMONIC_COUNT, "&Numero di armoniche...", nullptr, 0},
		{MF_STRING, ID_ALL_HARMONICS, "&Tutte le armoniche", nullptr, 0},
	};
	const MenuItemTemplate s_viewItems[] = {
		{MF_STRING, AFX_IDW_TOOLBAR, "Barra degli Stru&menti", nullptr, 0},
		{MF_STRING, AFX_IDW_STATUS_BAR, "Barra di &Stato", nullptr, 0},
	};
	const MenuItemTemplate s_menuBar[] = {
		{MF_POPUP, 0, "&File", s_fileItems, 9},
		{MF_POPUP, 0, "&Analisi", s_analysisItems, 2},
		{MF_POPUP, 0, "&Visualizza", s_viewItems, 2},
	};
	const MenuTemplate s_menus[] = {{IDR_MAINMENU, s_menuBar, 3}};

	const UINT s_toolbarButtons[] = {ID_APP_EXIT, ID_FILE_OPEN, ID_FILE_PRINT, ID_HARMONIC_COUNT, ID_ALL_HARMONICS};
	const ToolbarTemplate s_toolbars[] = {{IDR_TOOLBAR, 16, 15, s_toolbarButtons, 5}};

	const BinaryResource s_bitmaps[] = {
		{IDR_TOOLBAR, analyser_fourierbar_bmp, analyser_fourierbar_bmp_size},
	};
	const BinaryResource s_icons[] = {
		{IDR_MAINFRAME, analyser_ondivar_fourier_ico, analyser_ondivar_fourier_ico_size},
	};

	class CAnalyserModule : public CResourceModule
	{
	public:
		CAnalyserModule()
			: CResourceModule("ondivar-fourier", TRUE, s_strings, sizeof s_strings / sizeof s_strings[0])
		{
			SetDialogs(g_analyserDialogs, g_nAnalyserDialogs);
			SetMenus(s_menus, sizeof s_menus / sizeof s_menus[0]);
			SetToolbars(s_toolbars, sizeof s_toolbars / sizeof s_toolbars[0]);
			SetBitmaps(s_bitmaps, sizeof s_bitmaps / sizeof s_bitmaps[0]);
			SetIcons(s_icons, sizeof s_icons / sizeof s_icons[0]);
		}
	};

	CAnalyserModule s_module;
	CResourceModuleRegistration s_registration(&s_module);
}
