// The main window as a user meets it: enabling, caption, the modulation commands and the
// Fourier offer.
#include "tests/app/MainWindowFixture.h"

#include "app/ModApp.h"
#include "app/resources/AppResourceIds.h"
#include "framework/core/CommonDialogConstants.h"
#include "framework/core/MenuConstants.h"
#include "framework/ui/menu/Menu.h"

#include <string>
#include <vector>

namespace
{
	const char* const FOURIER_OFFER = "L'indice di modulazione è maggiore di 1(m>1)\nIl segnale modulato risulterà "
		"distorto.\nVuoi analizzare il segnale mediante la trasformata di Fourier?";

	// The menu's popup that holds the command, or null.
	CMenu* PopupHolding(CMenu* pMenuBar, UINT nID)
	{
		for (UINT nPos = 0; nPos < pMenuBar->GetMenuItemCount(); nPos++)
		{
			CMenu* pPopup = pMenuBar->GetSubMenu(static_cast<int>(nPos));
			for (UINT nItem = 0; pPopup != nullptr && nItem < pPopup->GetMenuItemCount(); nItem++)
			{
				if (pPopup->GetMenuItemID(static_cast<int>(nItem)) == nID)
					return pPopup;
			}
		}
		return nullptr;
	}
}

class MainWindowMenuTest : public MainWindowTest
{
protected:
	// Greyed as the menu shows it: its popup is opened and updated as the user opens it.
	bool IsGreyedInMenu(UINT nID)
	{
		CMenu* pPopup = PopupHolding(m_dlg.GetMenu(), nID);
		if (pPopup == nullptr)
		{
			ADD_FAILURE() << "no menu item " << nID;
			return false;
		}
		m_dlg.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->GetSafeHmenu()), 0);
		return (pPopup->GetMenuState(nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
	}
};

TEST_F(MainWindowMenuTest, OpensWithSavingAndSpectrumGreyedAndThePlainCaption)
{
	EXPECT_EQ(Caption(), " Ondivar");
	EXPECT_TRUE(IsGreyedInMenu(ID_FILE_SAVE_SIGNAL));
	EXPECT_TRUE(IsGreyedInMenu(ID_FILE_SAVE_SIGNAL_AS)) << "only while the modulated signal holds samples";
	EXPECT_TRUE(IsGreyedInMenu(ID_SPECTRUM));
	for (UINT nID : {ID_MOD_AMPIEZZA, ID_MOD_FREQUENZA, ID_MOD_FASE, ID_REFRESH, ID_FILE_PRINT_SETUP, ID_APP_ABOUT})
		EXPECT_FALSE(IsGreyedInMenu(nID)) << nID;

	m_user.ThenInDialog(EnterParams({}));
	Command(ID_MOD_AMPIEZZA);
	for (UINT nID : {ID_FILE_SAVE_SIGNAL, ID_FILE_SAVE_SIGNAL_AS, ID_SPECTRUM})
		EXPECT_FALSE(IsGreyedInMenu(nID)) << nID;
}

TEST_F(MainWindowTest, DefaultAmplitudeRunFillsTheThreeSignals)
{
	m_user.ThenInDialog(EnterParams({}));
	Command(ID_MOD_AMPIEZZA);
	EXPECT_EQ(m_dlg.m_params.kind, MOD_AM);
	EXPECT_EQ(m_dlg.m_params.modIndex, 0.5);
	EXPECT_EQ(m_dlg.m_sigModulated.m_nPoints, 1000u);
	EXPECT_TRUE(m_dlg.IsModified());
	EXPECT_TRUE(m_user.BoxTexts().empty());
}

TEST_F(MainWindowTest, CancellingTheFirstAmplitudeCommandLeavesNothingSimulated)
{
	int32_t kindWhileOpen = -1;
	m_user.ThenInDialog([&](CDialog& dlg)
	{
		kindWhileOpen = m_dlg.m_params.kind;
		dlg.SendMessage(WM_COMMAND, IDCANCEL);
	});
	Command(ID_MOD_AMPIEZZA);
	EXPECT_EQ(kindWhileOpen, MOD_AM_FAMILY);
	EXPECT_EQ(m_dlg.m_params.kind, MOD_NONE);
	EXPECT_FALSE(IsCommandEnabled(ID_SPECTRUM));
	EXPECT_FALSE(IsCommandEnabled(ID_FILE_SAVE_SIGNAL));
	EXPECT_FALSE(m_dlg.IsModified());
	EXPECT_EQ(m_dlg.m_sigModulated.m_nPoints, 0u);
	EXPECT_EQ(m_dlg.m_scopeModulated.GetSignalsCount(), 0u);
}

TEST_F(MainWindowTest, AmplitudeCommandOffersTheVariantLastConfirmed)
{
	m_user.ThenInDialog(EnterParams({nullptr, nullptr, nullptr, nullptr, nullptr, IDC_RADIO_DSB_SC}));
	Command(ID_MOD_AMPIEZZA);
	ASSERT_EQ(m_dlg.m_params.kind, MOD_DSB_SC);

	int nChecked = 0;
	int32_t kindWhileOpen = -1;
	auto fnLook = [&](CDialog& dlg)
	{
		nChecked = dlg.GetCheckedRadioButton(IDC_RADIO_AM, IDC_RADIO_VSB);
		kindWhileOpen = m_dlg.m_params.kind;
	};
	m_user.ThenInDialog(InspectParams(fnLook));
	Command(ID_MOD_AMPIEZZA);
	EXPECT_EQ(nChecked, static_cast<int>(IDC_RADIO_DSB_SC));
	EXPECT_EQ(kindWhileOpen, MOD_DSB_SC);

	m_user.ThenInDialog(EnterParams({}));
	Command(ID_MOD_FREQUENZA);
	ASSERT_EQ(m_dlg.m_params.kind, MOD_FM);
	m_user.ThenInDialog(InspectParams(fnLook));
	Command(ID_MOD_AMPIEZZA);
	EXPECT_EQ(nChecked, static_cast<int>(IDC_RADIO_AM));
	EXPECT_EQ(kindWhileOpen, MOD_AM_FAMILY);
	EXPECT_EQ(m_dlg.m_params.kind, MOD_FM) << "cancelled: the frequency kind is back";
}

TEST_F(MainWindowTest, CancelledCommandKeepsTheKindAndTheSignalsOfTheEarlierRun)
{
	m_user.ThenInDialog(EnterParams({nullptr, nullptr, "0.8", nullptr, nullptr, IDC_RADIO_SSB_USB}));
	Command(ID_MOD_AMPIEZZA);
	ASSERT_EQ(m_dlg.m_sigModulated.m_nPoints, 1000u);
	const std::vector<double> samples(m_dlg.m_sigModulated.m_pY, m_dlg.m_sigModulated.m_pY + 1000);
	const auto* pRows = static_cast<const CWordArray*>(m_dlg.m_scopeModulated.m_aYPixels[0]);
	const std::vector<WORD> rows(pRows->GetData(), pRows->GetData() + pRows->GetSize());

	for (UINT nCommand : {ID_MOD_FREQUENZA, ID_MOD_FASE, ID_MOD_AMPIEZZA})
	{
		m_user.ThenInDialog(CancelParams());
		Command(nCommand);
		EXPECT_EQ(m_dlg.m_params.kind, MOD_SSB_USB) << nCommand;
	}
	EXPECT_EQ(m_dlg.m_params.modIndex, 0.8);
	ASSERT_EQ(m_dlg.m_sigModulated.m_nPoints, 1000u);
	EXPECT_EQ(std::vector<double>(m_dlg.m_sigModulated.m_pY, m_dlg.m_sigModulated.m_pY + 1000), samples);
	ASSERT_EQ(m_dlg.m_scopeModulated.GetSignalsCount(), 1u);
	pRows = static_cast<const CWordArray*>(m_dlg.m_scopeModulated.m_aYPixels[0]);
	EXPECT_EQ(std::vector<WORD>(pRows->GetData(), pRows->GetData() + pRows->GetSize()), rows);
	EXPECT_TRUE(m_dlg.IsModified());
}

TEST_F(MainWindowTest, FourierOfferOnlyAfterAnAmplitudeRunAboveIndexOne)
{
	struct Case
	{
		UINT nCommand;
		ParamInput input;
		bool bOffer;
	};
	const Case cases[] = {
		{ID_MOD_AMPIEZZA, {"1", nullptr, "2"}, true},
		{ID_MOD_AMPIEZZA, {"1", nullptr, "1"}, false},
		{ID_MOD_AMPIEZZA, {"1", nullptr, "1.000001"}, true},
		{ID_MOD_AMPIEZZA, {"0.5", nullptr, "1", nullptr, nullptr, IDC_RADIO_VSB}, true},
		{ID_MOD_AMPIEZZA, {"0.5", nullptr, "0.5", nullptr, nullptr, IDC_RADIO_SSB_LSB}, false},
		{ID_MOD_FREQUENZA, {nullptr, nullptr, "5"}, false},
		{ID_MOD_FREQUENZA, {nullptr, nullptr, "0.5"}, false},
		{ID_MOD_FASE, {nullptr, nullptr, "5"}, false},
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(::testing::Message() << c.nCommand << " Ap " << c.input.ampCarrier << " Am " << c.input.ampMod);
		m_user.m_shown.clear();
		AnswerBoxes({IDNO});
		m_user.ThenInDialog(EnterParams(c.input));
		Command(c.nCommand);
		if (!c.bOffer)
		{
			EXPECT_TRUE(m_user.BoxTexts().empty());
			continue;
		}
		ASSERT_EQ(m_user.BoxTexts(), std::vector<std::string>{FOURIER_OFFER});
		EXPECT_EQ(m_user.m_shown.back().nType, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
	}
}

TEST_F(MainWindowTest, FourierOfferComesOnceTheSignalsAreComputedAndDrawn)
{
	UINT nPoints = 0;
	UINT nTraces = 0;
	BOOL bModified = FALSE;
	// A user who also looks at the main window whenever something is shown.
	CScriptedUser user;
	user.Watch([&](const ModalRequest&)
	{
		nPoints = m_dlg.m_sigModulated.m_nPoints;
		nTraces = m_dlg.m_scopeModulated.GetSignalsCount();
		bModified = m_dlg.IsModified();
	});
	user.Then(ModalKind::MessageBox, IDNO);
	user.ThenInDialog(EnterParams({nullptr, nullptr, "2"}));
	Command(ID_MOD_AMPIEZZA);
	ASSERT_EQ(user.BoxTexts(), std::vector<std::string>{FOURIER_OFFER});
	EXPECT_EQ(nPoints, 1000u);
	EXPECT_EQ(nTraces, 1u);
	EXPECT_TRUE(bModified);
}

TEST_F(MainWindowTest, SpectrumCommandMakesTheOfferInsteadOfTheWindowForADistortedAmplitudeSignal)
{
	Command(ID_SPECTRUM);
	EXPECT_TRUE(m_user.m_shown.empty()) << "nothing simulated yet";

	struct Case
	{
		UINT nCommand;
		const char* pszAmpMod;
		bool bOffer;
	};
	const Case cases[] = {
		{ID_MOD_AMPIEZZA, "2", true},
		{ID_MOD_AMPIEZZA, "1", false},
		{ID_MOD_FREQUENZA, "5", false},
		{ID_MOD_FASE, "5", false},
	};
	for (const Case& c : cases)
	{
		AnswerBoxes({IDNO});
		m_user.ThenInDialog(EnterParams({nullptr, nullptr, c.pszAmpMod}));
		Command(c.nCommand);
		m_user.m_shown.clear();
		AnswerBoxes({IDNO});
		Command(ID_SPECTRUM);
		if (c.bOffer)
		{
			EXPECT_EQ(m_user.BoxTexts(), std::vector<std::string>{FOURIER_OFFER}) << c.nCommand;
			EXPECT_EQ(m_user.m_shown.size(), 1u) << "no window opens";
		}
		else
		{
			ASSERT_EQ(m_user.m_shown.size(), 1u) << c.nCommand << " Am " << c.pszAmpMod;
			EXPECT_EQ(m_user.m_shown[0].nKind, ModalKind::Dialog) << "the spectrum window";
		}
	}
}

TEST_F(MainWindowTest, SystemMenuCarriesTheAboutEntry)
{
	CMenu* pSysMenu = m_dlg.GetSystemMenu(FALSE);
	ASSERT_NE(pSysMenu, nullptr);
	const UINT nCount = pSysMenu->GetMenuItemCount();
	ASSERT_GE(nCount, 2u);
	EXPECT_EQ(pSysMenu->GetMenuItemID(static_cast<int>(nCount - 1)), IDM_ABOUTBOX);
	CString strItem;
	pSysMenu->GetMenuString(nCount - 1, strItem, MF_BYPOSITION);
	EXPECT_STREQ(strItem, "Infor&mazioni su Ondivar");
	EXPECT_NE(pSysMenu->GetMenuState(nCount - 2, MF_BYPOSITION) & MF_SEPARATOR, 0u);
}

TEST_F(MainWindowTest, AboutBoxFromTheMenuAndFromTheSystemMenu)
{
	std::vector<std::string> captions;
	auto fnAbout = [&](CDialog& dlg)
	{
		CString strCaption;
		dlg.GetWindowText(strCaption);
		captions.push_back(static_cast<LPCTSTR>(strCaption));
		dlg.EndDialog(IDOK);
	};
	for (int nTimes = 0; nTimes < 3; nTimes++)
		m_user.ThenInDialog(fnAbout);
	Command(ID_APP_ABOUT);
	m_dlg.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
	// The low four bits of a system command are the system's own.
	m_dlg.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3);
	EXPECT_EQ(captions, std::vector<std::string>(3, "Informazioni su Ondivar..."));
	ASSERT_EQ(m_user.m_shown.size(), 3u);
	for (const ShownRequest& item : m_user.m_shown)
		EXPECT_EQ(item.nKind, ModalKind::Dialog);
}

TEST_F(MainWindowTest, PrintSetUpRunsTheSetUpOnlyPrintDialog)
{
	CModApp app;
	Command(ID_FILE_PRINT_SETUP);
	ASSERT_EQ(m_user.m_shown.size(), 1u);
	EXPECT_EQ(m_user.m_shown[0].nKind, ModalKind::PrintDialog);
	const DWORD dwFlags = PD_PRINTSETUP | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION;
	EXPECT_EQ(m_user.m_shown[0].nType & dwFlags, dwFlags);
	EXPECT_EQ(m_user.m_shown[0].nType & (PD_RETURNDC | PD_PAGENUMS | PD_SELECTION), 0u);
}
