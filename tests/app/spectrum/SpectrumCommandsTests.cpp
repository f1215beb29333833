// The spectrum window's menu, toolbar and printer commands.
#include "tests/app/spectrum/SpectrumFixture.h"

#include "app/ModApp.h"
#include "app/resources/AppResourceIds.h"
#include "framework/core/BarConstants.h"
#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/bars/ToolBar.h"
#include "framework/ui/menu/Menu.h"

namespace
{
	// Each item of a menu bar's pop-ups as "text id", separators as "-".
	std::vector<std::vector<std::string>> MenuItems(CMenu* pMenu)
	{
		std::vector<std::vector<std::string>> popups;
		for (UINT nPopup = 0; nPopup < pMenu->GetMenuItemCount(); nPopup++)
		{
			CString strTitle;
			pMenu->GetMenuString(nPopup, strTitle, MF_BYPOSITION);
			std::vector<std::string> items = {static_cast<LPCTSTR>(strTitle)};
			CMenu* pPopup = pMenu->GetSubMenu(static_cast<int>(nPopup));
			for (UINT nItem = 0; pPopup != nullptr && nItem < pPopup->GetMenuItemCount(); nItem++)
			{
				CString strItem;
				pPopup->GetMenuString(nItem, strItem, MF_BYPOSITION);
				const UINT nID = pPopup->GetMenuItemID(static_cast<int>(nItem));
				items.push_back(nID == 0 ? "-" : std::string(strItem) + " " + std::to_string(nID));
			}
			popups.push_back(items);
		}
		return popups;
	}
}

TEST_F(SpectrumWindowTest, MenuAndToolbarCarryTheWindowsCommands)
{
	std::vector<std::vector<std::string>> menu;
	std::vector<UINT> buttons;
	OpenSpectrum(DefaultAM(), [&](CSpectrumDlg& dlg)
	{
		ASSERT_NE(dlg.GetMenu(), nullptr);
		menu = MenuItems(dlg.GetMenu());
		CToolBar* pBar = dlg.GetToolBar();
		for (int i = 0; i < 4; i++)
			buttons.push_back(pBar->GetItemID(i));
	});
	EXPECT_EQ(menu, (std::vector<std::vector<std::string>>{
		{"&File", "&Stampa...\tCtrl+P 1013", "&Imposta Stampante... 32794", "-", "&Esci\tEsc 1"},
		{"&Modifica", "Copia &righe\tCtrl+C 32821", "&Copia immagine 32802"},
		{"&Visualizza", "Barra degli Stru&menti 59392", "-", "&Scale 32803"}}));
	EXPECT_EQ(buttons, (std::vector<UINT>{IDOK, ID_SEPARATOR, ID_FILE_PRINT_TABLE, ID_FILE_PRINT_SETUP}));
	CString strPrompt;
	strPrompt.LoadString(ID_FILE_PRINT_TABLE);
	EXPECT_STREQ(strPrompt, "Stampa...\nStampa...");
}

TEST_F(SpectrumWindowTest, PrinterSetupAsksOnlyForThePrinter)
{
	CModApp app;
	OpenSpectrum(DefaultAM(), [&](CSpectrumDlg& dlg)
	{
		m_user.m_shown.clear();
		dlg.SendMessage(WM_COMMAND, ID_FILE_PRINT_SETUP);
	});
	ASSERT_EQ(m_user.m_shown.size(), 1u);
	EXPECT_EQ(m_user.m_shown[0].nKind, ModalKind::PrintDialog);
	const DWORD dwFlags = PD_PRINTSETUP | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION;
	EXPECT_EQ(m_user.m_shown[0].nType & dwFlags, dwFlags);
	EXPECT_EQ(m_user.m_shown[0].nType & PD_RETURNDC, 0u);
}
