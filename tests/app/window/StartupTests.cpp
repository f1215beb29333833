// Start-up: the splash before the main window, and the resources the program finds in the chain
// (its pictures, its icon and every text it shows).
#include "app/MainDlg.h"
#include "app/ModApp.h"
#include "app/resources/AppResourceIds.h"
#include "framework/core/BarConstants.h"
#include "framework/core/DibTypes.h"
#include "framework/core/FrameworkStringIds.h"
#include "framework/core/Resources.h"
#include "framework/ui/gdi/Bitmap.h"
#include "sigkit/frames/SpalshDlg.h"
#include "sigkit/resources/SigkitResourceIds.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
	struct DibShape
	{
		LONG nWidth;
		LONG nHeight;
		WORD nBitCount;
		DWORD nColours;
		bool bTableFits;	// the pixels start after the whole colour table
	};

	// The shape of a .bmp resource as its headers describe it.
	DibShape BitmapResourceShape(UINT nID)
	{
		const BinaryResource* pResource = AfxFindBitmapResource(nID);
		if (pResource == nullptr || pResource->nSize < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))
			return {};
		BITMAPFILEHEADER file;
		BITMAPINFOHEADER info;
		std::memcpy(&file, pResource->pData, sizeof file);
		std::memcpy(&info, pResource->pData + sizeof file, sizeof info);
		if (file.bfType != 0x4D42)
			return {};
		const DWORD nColours = info.biClrUsed != 0 ? info.biClrUsed : DWORD(1) << info.biBitCount;
		const size_t nTableEnd = sizeof file + info.biSize + nColours * sizeof(RGBQUAD);
		return {info.biWidth, info.biHeight, info.biBitCount, nColours,
			file.bfOffBits >= nTableEnd && file.bfOffBits < pResource->nSize};
	}
}

TEST(Startup, SplashWithItsPictureComesBeforeTheMainWindowAndTheStartReturnsFalse)
{
	CModApp app;
	CScriptedUser user;
	std::vector<std::string> order;
	BITMAP picture = {};
	CWnd* pMainWhileOpen = nullptr;
	std::string strMainCaption;
	user.ThenInDialog([&](CDialog& dlg)
	{
		auto* pSplash = dynamic_cast<CSpalshDlg*>(&dlg);
		order.push_back(pSplash != nullptr ? "splash" : "other");
		if (pSplash != nullptr)
			pSplash->m_bitmap.GetBitmap(&picture);
		dlg.EndDialog(IDCANCEL);
	});
	user.ThenInDialog([&](CDialog& dlg)
	{
		order.push_back(dynamic_cast<CMainDlg*>(&dlg) != nullptr ? "main" : "other");
		pMainWhileOpen = AfxGetApp()->m_pMainWnd;
		CString strCaption;
		dlg.GetWindowText(strCaption);
		strMainCaption = static_cast<LPCTSTR>(strCaption);
		// Esci, as the user closes it.
		dlg.SendMessage(WM_COMMAND, IDOK);
	});

	EXPECT_FALSE(app.InitInstance());
	EXPECT_EQ(order, (std::vector<std::string>{"splash", "main"}));
	EXPECT_EQ(picture.bmWidth, 380);
	EXPECT_EQ(picture.bmHeight, 320);
	EXPECT_NE(pMainWhileOpen, nullptr) << "the main window is the application's while it runs";
	EXPECT_EQ(strMainCaption, " Ondivar");
	EXPECT_EQ(app.m_pMainWnd, nullptr);
	ASSERT_EQ(user.m_shown.size(), 2u);
	EXPECT_EQ(user.m_shown[0].nKind, ModalKind::Dialog);
	EXPECT_EQ(user.m_shown[1].nKind, ModalKind::Dialog);
}

TEST(Startup, PicturesHaveTheirSizesAndDepths)
{
	const struct
	{
		UINT nID;
		LONG nWidth;
		LONG nHeight;
		WORD nBitCount;
		DWORD nColours;
	} pictures[] = {
		{IDB_SPLASH, 380, 320, 8, 256},
		{IDR_TOOLBAR, 112, 15, 4, 16},
	};
	for (const auto& p : pictures)
	{
		SCOPED_TRACE(p.nID);
		const DibShape shape = BitmapResourceShape(p.nID);
		EXPECT_EQ(shape.nWidth, p.nWidth);
		EXPECT_EQ(shape.nHeight < 0 ? -shape.nHeight : shape.nHeight, p.nHeight);
		EXPECT_EQ(shape.nBitCount, p.nBitCount);
		EXPECT_EQ(shape.nColours, p.nColours);
		EXPECT_TRUE(shape.bTableFits);

		CBitmap bitmap;
		ASSERT_TRUE(bitmap.Attach(AfxLoadDIBSection(p.nID)));
		BITMAP bm = {};
		bitmap.GetBitmap(&bm);
		EXPECT_EQ(bm.bmWidth, p.nWidth);
		EXPECT_EQ(bm.bmHeight, p.nHeight);
		EXPECT_EQ(bm.bmBitsPixel, p.nBitCount);
	}
	EXPECT_NE(AfxLoadIconResource(IDR_MAINFRAME), nullptr);
}

TEST(Startup, EveryTextOfTheProgramIsFoundWordForWord)
{
	const char* const ABOUT_PROMPT = "Visualizza le informazioni sul programma, il numero di versione e le informazioni "
		"di copyright\nInformazioni su...";
	const struct
	{
		UINT nID;
		const char* pszText;
	} texts[] = {
		{IDM_ABOUTBOX, ABOUT_PROMPT},
		{ID_APP_ABOUT, ABOUT_PROMPT},
		{IDOK, "Termina l'applicazione\nEsci"},
		{IDS_ABOUTBOX, "Infor&mazioni su Ondivar"},
		{ID_MOD_AMPIEZZA, "Simula la modulazione di ampiezza\nModulazione di Ampiezza"},
		{ID_MOD_FREQUENZA, "Simula la modulazione di frequenza\nModulazione di Frequenza"},
		{ID_MOD_FASE, "Simula la modulazione di fase\nModulazione di Fase"},
		{ID_SPECTRUM, "Visualizza lo spettro del segnale modulato\nSpettro del segnale modulato"},
		{ID_FILE_PRINT_SETUP, "Modifica le impostazioni della stampante\nImposta stampante..."},
		{ID_REFRESH, "Forza il rinfresco dei segnali\nRefresh"},
		{ID_FILE_SAVE_SIGNAL, "Salva il segnale Modulato\nSalva segnale Modulato"},
		{ID_FILE_SAVE_SIGNAL_AS, "Salva con un altro nome il segnale Modulato\nSalva con Nome"},
		{AFX_IDW_TOOLBAR, "Visualizza/Nasconde la barra degli strumenti"},
		{AFX_IDW_STATUS_BAR, "Visualizza/Nasconde la barra di stato"},
		{IDS_CAPTION, "Ondivar"},
		{AFX_IDS_APP_TITLE, "Ondivar"},
		{IDS_INDEX_TOO_HIGH, "L'indice di modulazione non deve essere maggiore di 60 (m<60)"},
		{IDS_FOURIER_OFFER, "L'indice di modulazione è maggiore di 1(m>1)\nIl segnale modulato risulterà distorto.\n"
			"Vuoi analizzare il segnale mediante la trasformata di Fourier?"},
		{IDS_SIM_TIME_TOO_LOW, "Tempo di simulazione troppo basso\n"
			"Verrà impostato automaticamente  il tempo di simulazione minimo."},
		{IDS_BAD_SIM_TIME, "Tempo di Simulazione non valido!"},
		{IDS_BAD_FREQ_MOD, "Frequenza del segnale modulante non valida!"},
		{IDS_BAD_AMP_MOD, "Ampiezza del segnale modulante non valida!"},
		{IDS_BAD_FREQ_CARRIER, "Frequenza del segnale portante non valida!"},
		{IDS_BAD_AMP_CARRIER, "Ampiezza del segnale portante non valida!"},
		{IDS_SAVE_FAILED, "Impossibile salvare il segnale.\nOperazione annullata!"},
		{IDS_SAVE_CHANGES, "Vuoi salvare le modifiche?"},
		{IDS_SAVE_BEFORE_FOURIER, "Prima di procedere con la trasformata di Fourier è necessario salvare il segnale.\n"
			"Vuoi procedere con il salvataggio?"},
		{IDS_FOURIER_NOT_SAVED, "Salvataggio del segnale non effettuato.\n"
			"Impossibile procedere con la trasformata di Fourier!"},
		{IDS_FOURIER_FAILED, "Impossibile procedere con l'analisi automatica del segnale!"},
		// The library's idle text, found from the program.
		{AFX_IDS_IDLEMESSAGE, "Pronto"},
	};
	for (const auto& t : texts)
	{
		CString strText;
		EXPECT_TRUE(strText.LoadString(t.nID)) << t.nID;
		EXPECT_EQ(std::string(static_cast<LPCTSTR>(strText)), t.pszText) << t.nID;
	}
}
