// Ondivar's resource module: texts, menu, toolbar, icon and pictures. It joins the chain as the
// application module, so its resources are found before those of the libraries.
#include "app/resources/AppDialogs.h"
#include "app/resources/AppResourceIds.h"
#include "framework/core/BarConstants.h"
#include "framework/core/FrameworkStringIds.h"
#include "framework/core/MenuConstants.h"
#include "framework/core/Resources.h"
#include "framework/core/WinConstants.h"

#include <cstddef>

extern const unsigned char ondivar_toolbar_bmp[];
extern const std::size_t ondivar_toolbar_bmp_size;
extern const unsigned char ondivar_spectrumbar_bmp[];
extern const std::size_t ondivar_spectrumbar_bmp_size;
extern const unsigned char ondivar_splash_bmp[];
extern const std::size_t ondivar_splash_bmp_size;
extern const unsigned char ondivar_ondivar_ico[];
extern const std::size_t ondivar_ondivar_ico_size;

namespace
{
	const StringResource s_strings[] = {
		{IDM_ABOUTBOX, "Visualizza le informazioni sul programma, il numero di versione e le informazioni di copyright\n"
			"Informazioni su..."},
		{IDOK, "Termina l'applicazione\nEsci"},
		{IDS_ABOUTBOX, "Infor&mazioni su Ondivar"},
		{IDS_COLUMN_ROW, "Riga"},
		{IDS_COLUMN_FREQUENCY, "Frequenza"},
		{IDS_COLUMN_AMPLITUDE, "Ampiezza"},
		{IDS_COLUMN_PHASE, "Fase"},
		{ID_FILE_PRINT_TABLE, "Stampa...\nStampa..."},
		{ID_MOD_AMPIEZZA, "Simula la modulazione di ampiezza\nModulazione di Ampiezza"},
		{ID_MOD_FREQUENZA, "Simula la modulazione di frequenza\nModulazione di Frequenza"},
		{ID_MOD_FASE, "Simula la modulazione di fase\nModulazione di Fase"},
		{ID_SPECTRUM, "Visualizza lo spettro del segnale modulato\nSpettro del segnale modulato"},
		{IDS_INDEX_TOO_HIGH, "L'indice di modulazione non deve essere maggiore di 60 (m<60)"},
		{IDS_FOURIER_OFFER, "L'indice di modulazione è maggiore di 1(m>1)\nIl segnale modulato risulterà distorto.\n"
			"Vuoi analizzare il segnale mediante la trasformata di Fourier?"},
		{IDS_SIM_TIME_TOO_LOW, "Tempo di simulazione troppo basso\n"
			"Verrà impostato automaticamente  il tempo di simulazione minimo."},
		{ID_FILE_PRINT_SETUP, "Modifica le impostazioni della stampante\nImposta stampante..."},
		{ID_REFRESH, "Forza il rinfresco dei segnali\nRefresh"},
		{ID_FILE_SAVE_SIGNAL, "Salva il segnale Modulato\nSalva segnale Modulato"},
		{ID_FILE_SAVE_SIGNAL_AS, "Salva con un altro nome il segnale Modulato\nSalva con Nome"},
		{ID_FILE_EXPORT_PICTURE, "Salva l'immagine dei tre segnali in un file PNG o SVG\nEsporta immagine"},
		{ID_FILE_PRINT_SCOPES, "Stampa i tre segnali con i parametri della modulazione\nStampa"},
		{ID_EDIT_COPY_PICTURE, "Copia negli appunti l'immagine dei tre segnali\nCopia immagine"},
		{ID_EDIT_COPY_ROWS, "Copia negli appunti le righe scelte della tabella, o tutte\nCopia righe"},
		{ID_VIEW_SCALES, "Mostra le scale in volt e in secondi e la griglia alle divisioni\nScale"},
		{ID_VIEW_SAME_SCALE, "Dà ai tre segnali la stessa scala verticale\nStessa scala verticale"},
		{ID_VIEW_WHOLE, "Mostra tutto il segnale\nIntero"},
		{ID_VIEW_ZOOM_IN, "Ingrandisce l'asse dei tempi\nIngrandisci"},
		{ID_VIEW_ZOOM_OUT, "Riduce l'asse dei tempi\nRiduci"},
		{ID_VIEW_CLEAR_CURSORS, "Toglie i cursori A e B\nTogli cursori"},
		{IDS_TIME_CAPPED, "Il tempo di simulazione richiede più campioni di quanti una simulazione ne contenga: "
			"ogni periodo della portante è descritto da 25 campioni, al massimo 3000.\n"
			"Vengono mostrati %s dei %s richiesti.\n"
			"Per vedere tutto il tempo richiesto scegliere una frequenza portante più bassa "
			"o un tempo di simulazione più breve."},
		{IDS_ENVELOPE_HIDDEN, "Il tempo mostrato è più breve di un periodo del segnale modulante: "
			"l'inviluppo non si può vedere."},
		{IDS_EXPORT_FAILED, "Impossibile scrivere il file\n%s\nL'immagine non è stata salvata."},
		{IDS_COPY_FAILED, "Impossibile copiare l'immagine negli appunti."},
		{IDS_COPY_ROWS_FAILED, "Impossibile copiare le righe negli appunti."},
		{IDS_PICTURE_PROMPT, "L'immagine ha la dimensione della finestra, %d × %d pixel, o una più grande."},
		{IDS_BAD_PICTURE_SIZE, "La dimensione dell'immagine va da %d × %d a %d × %d pixel."},
		{IDS_RANGE_AMP_CARRIER, "L'ampiezza del segnale portante deve essere compresa tra 1e-6 e 1e6 V."},
		{IDS_RANGE_FREQ_CARRIER, "La frequenza del segnale portante deve essere compresa tra 1e-6 e 1e12 Hz."},
		{IDS_RANGE_AMP_MOD, "L'ampiezza del segnale modulante deve essere compresa tra 1e-6 e 1e6 V."},
		{IDS_RANGE_FREQ_MOD, "La frequenza del segnale modulante deve essere compresa tra 1e-6 e 1e12 Hz."},
		{IDS_RANGE_SIM_TIME, "Il tempo di simulazione deve essere compreso tra 0 e 1e6 s."},
		{AFX_IDS_APP_TITLE, "Ondivar"},
		{ID_APP_ABOUT, "Visualizza le informazioni sul programma, il numero di versione e le informazioni di copyright\n"
			"Informazioni su..."},
		{IDS_BAD_SIM_TIME, "Tempo di Simulazione non valido!"},
		{IDS_BAD_FREQ_MOD, "Frequenza del segnale modulante non valida!"},
		{IDS_BAD_AMP_MOD, "Ampiezza del segnale modulante non valida!"},
		{IDS_BAD_FREQ_CARRIER, "Frequenza del segnale portante non valida!"},
		{IDS_BAD_AMP_CARRIER, "Ampiezza del segnale portante non valida!"},
		{AFX_IDW_TOOLBAR, "Visualizza/Nasconde la barra degli strumenti"},
		{AFX_IDW_STATUS_BAR, "Visualizza/Nasconde la barra di stato"},
		{IDS_CAPTION, "Ondivar"},
		{IDS_SAVE_FAILED, "Impossibile salvare il segnale.\nOperazione annullata!"},
		{IDS_SAVE_CHANGES, "Vuoi salvare le modifiche?"},
		{IDS_SAVE_BEFORE_FOURIER, "Prima di procedere con la trasformata di Fourier è necessario salvare il segnale.\n"
			"Vuoi procedere con il salvataggio?"},
		{IDS_FOURIER_NOT_SAVED, "Salvataggio del segnale non effettuato.\n"
			"Impossibile procedere con la trasformata di Fourier!"},
		{IDS_FOURIER_FAILED, "Impossibile procedere con l'analisi automatica del segnale!"},
	};

	const MenuItemTemplate s_fileItems[] = {
		{MF_STRING, ID_FILE_SAVE_SIGNAL, "&Salva\tCtrl+S", nullptr, 0},
		{MF_STRING, ID_FILE_SAVE_SIGNAL_AS, "Salva con &Nome...\tCtrl+Shift+S", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, ID_FILE_EXPORT_PICTURE, "Esp&orta immagine...", nullptr, 0},
		{MF_STRING, ID_FILE_PRINT_SCOPES, "Stam&pa...\tCtrl+P", nullptr, 0},
		{MF_STRING, ID_FILE_PRINT_SETUP, "&Imposta Stampante...", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, IDOK, "&Esci\tCtrl+Q", nullptr, 0},
	};
	const MenuItemTemplate s_editItems[] = {
		{MF_STRING, ID_EDIT_COPY_PICTURE, "&Copia immagine\tCtrl+C", nullptr, 0},
	};
	const MenuItemTemplate s_modulationItems[] = {
		{MF_STRING, ID_MOD_AMPIEZZA, "&Ampiezza", nullptr, 0},
		{MF_STRING, ID_MOD_FREQUENZA, "F&requenza", nullptr, 0},
		{MF_STRING, ID_MOD_FASE, "&Fase", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, ID_REFRESH, "&Refresh", nullptr, 0},
	};
	const MenuItemTemplate s_spectrumItems[] = {
		{MF_STRING, ID_SPECTRUM, "&Segnale Modulato", nullptr, 0},
	};
	const MenuItemTemplate s_viewItems[] = {
		{MF_STRING, AFX_IDW_TOOLBAR, "Barra degli Stru&menti", nullptr, 0},
		{MF_STRING, AFX_IDW_STATUS_BAR, "Barra di &Stato", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, ID_VIEW_SCALES, "S&cale", nullptr, 0},
		{MF_STRING, ID_VIEW_SAME_SCALE, "Stessa scala &verticale", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, ID_VIEW_WHOLE, "&Intero\tCtrl+0", nullptr, 0},
		{MF_STRING, ID_VIEW_ZOOM_IN, "In&grandisci\tCtrl++", nullptr, 0},
		{MF_STRING, ID_VIEW_ZOOM_OUT, "&Riduci\tCtrl+-", nullptr, 0},
		{MF_STRING, ID_VIEW_CLEAR_CURSORS, "&Togli cursori\tEsc", nullptr, 0},
	};
	const MenuItemTemplate s_helpItems[] = {
		{MF_STRING, ID_APP_ABOUT, "Infor&mazioni su Ondivar...", nullptr, 0},
	};
	template <size_t N>
	constexpr UINT Count(const MenuItemTemplate (&)[N])
	{
		return static_cast<UINT>(N);
	}

	const MenuItemTemplate s_menuBar[] = {
		{MF_POPUP, 0, "&File", s_fileItems, Count(s_fileItems)},
		{MF_POPUP, 0, "M&odifica", s_editItems, Count(s_editItems)},
		{MF_POPUP, 0, "&Modulazione", s_modulationItems, Count(s_modulationItems)},
		{MF_POPUP, 0, "&Spettro", s_spectrumItems, Count(s_spectrumItems)},
		{MF_POPUP, 0, "&Visualizza", s_viewItems, Count(s_viewItems)},
		{MF_POPUP, 0, "&?", s_helpItems, Count(s_helpItems)},
	};

	const MenuItemTemplate s_spectrumFileItems[] = {
		{MF_STRING, ID_FILE_PRINT_TABLE, "&Stampa...\tCtrl+P", nullptr, 0},
		{MF_STRING, ID_FILE_PRINT_SETUP, "&Imposta Stampante...", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, IDOK, "&Esci\tEsc", nullptr, 0},
	};
	const MenuItemTemplate s_spectrumEditItems[] = {
		{MF_STRING, ID_EDIT_COPY_ROWS, "Copia &righe\tCtrl+C", nullptr, 0},
		{MF_STRING, ID_EDIT_COPY_PICTURE, "&Copia immagine", nullptr, 0},
	};
	const MenuItemTemplate s_spectrumViewItems[] = {
		{MF_STRING, AFX_IDW_TOOLBAR, "Barra degli Stru&menti", nullptr, 0},
		{MF_SEPARATOR, 0, nullptr, nullptr, 0},
		{MF_STRING, ID_VIEW_SCALES, "&Scale", nullptr, 0},
	};
	const MenuItemTemplate s_spectrumMenuBar[] = {
		{MF_POPUP, 0, "&File", s_spectrumFileItems, Count(s_spectrumFileItems)},
		{MF_POPUP, 0, "&Modifica", s_spectrumEditItems, Count(s_spectrumEditItems)},
		{MF_POPUP, 0, "&Visualizza", s_spectrumViewItems, Count(s_spectrumViewItems)},
	};

	const MenuTemplate s_menus[] = {{IDR_MAINMENU, s_menuBar, Count(s_menuBar)}, {IDR_SPECTRUM, s_spectrumMenuBar, Count(s_spectrumMenuBar)}};

	const UINT s_toolbarButtons[] = {IDOK, ID_FILE_SAVE_SIGNAL, ID_MOD_AMPIEZZA, ID_MOD_FREQUENZA, ID_MOD_FASE,
		ID_SPECTRUM, ID_APP_ABOUT};
	const UINT s_spectrumToolbarButtons[] = {IDOK, ID_FILE_PRINT_TABLE, ID_FILE_PRINT_SETUP};
	const ToolbarTemplate s_toolbars[] = {
		{IDR_TOOLBAR, 16, 15, s_toolbarButtons, 7}, {IDR_SPECTRUM, 16, 15, s_spectrumToolbarButtons, 3}};

	const BinaryResource s_bitmaps[] = {
		{IDR_TOOLBAR, ondivar_toolbar_bmp, ondivar_toolbar_bmp_size},
		{IDR_SPECTRUM, ondivar_spectrumbar_bmp, ondivar_spectrumbar_bmp_size},
		{IDB_SPLASH, ondivar_splash_bmp, ondivar_splash_bmp_size},
	};
	const BinaryResource s_icons[] = {
		{IDR_MAINFRAME, ondivar_ondivar_ico, ondivar_ondivar_ico_size},
	};

	class COndivarModule : public CResourceModule
	{
	public:
		COndivarModule() : CResourceModule("ondivar", TRUE, s_strings, sizeof s_strings / sizeof s_strings[0])
		{
			SetDialogs(g_appDialogs, g_nAppDialogs);
			SetMenus(s_menus, sizeof s_menus / sizeof s_menus[0]);
			SetToolbars(s_toolbars, sizeof s_toolbars / sizeof s_toolbars[0]);
			SetBitmaps(s_bitmaps, sizeof s_bitmaps / sizeof s_bitmaps[0]);
			SetIcons(s_icons, sizeof s_icons / sizeof s_icons[0]);
		}
	};

	COndivarModule s_module;
	CResourceModuleRegistration s_registration(&s_module);
}
