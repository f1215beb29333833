// The parameters dialog as the three modulation commands open it: the values it starts from, the
// order of its checks with the focus they leave, the two bounds, and what acceptance writes.
#include "tests/app/MainWindowFixture.h"

#include "app/resources/AppResourceIds.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace
{
	const UINT s_fieldIds[] = {IDC_AMP_CARRIER, IDC_FREQ_CARRIER, IDC_AMP_MOD, IDC_FREQ_MOD, IDC_SIM_TIME};
	const UINT s_radioIds[] = {IDC_RADIO_AM, IDC_RADIO_DSB_SC, IDC_RADIO_SSB_USB, IDC_RADIO_SSB_LSB, IDC_RADIO_VSB};

	int FocusId()
	{
		CWnd* pFocus = CWnd::GetFocus();
		return pFocus != nullptr ? pFocus->GetDlgCtrlID() : 0;
	}

	// The field's whole text is selected when the selection runs from 0 to its length.
	bool WholeTextSelected(CDialog& dlg, UINT nID)
	{
		const DWORD dwSel = static_cast<DWORD>(dlg.SendDlgItemMessage(static_cast<int>(nID), EM_GETSEL));
		return LOWORD(dwSel) == 0 && static_cast<size_t>(HIWORD(dwSel)) == ItemText(dlg, nID).size();
	}

	bool SameRecord(const ModulationParams& a, const ModulationParams& b)
	{
		return std::memcmp(&a, &b, sizeof a) == 0;
	}

	struct FirstOpening
	{
		UINT nCommand;
		const char* pszCaption;
		const char* pszAmpMod;
		bool bVariants;
		int32_t kind;
		double modIndex;
	};

	class ParamFirstOpening : public MainWindowTest, public ::testing::WithParamInterface<FirstOpening>
	{
	};
}

TEST_P(ParamFirstOpening, ShowsTheDefaultsAndAcceptsThemAsTheCommandsKind)
{
	const FirstOpening& c = GetParam();
	std::vector<std::string> texts;
	std::string strCaption;
	int nFocus = 0;
	bool variantsShown[5] = {};
	UINT nChecked = 0;
	m_user.ThenInDialog([&](CDialog& dlg)
	{
		for (UINT nID : s_fieldIds)
			texts.push_back(ItemText(dlg, nID));
		CString strText;
		dlg.GetWindowText(strText);
		strCaption = static_cast<LPCTSTR>(strText);
		nFocus = FocusId();
		for (int i = 0; i < 5; i++)
			variantsShown[i] = dlg.GetDlgItem(static_cast<int>(s_radioIds[i]))->IsWindowVisible() != FALSE;
		nChecked = static_cast<UINT>(dlg.GetCheckedRadioButton(IDC_RADIO_AM, IDC_RADIO_VSB));
		dlg.SendMessage(WM_COMMAND, IDOK);
	});
	Command(c.nCommand);

	EXPECT_EQ(texts, (std::vector<std::string>{"1", "200000", c.pszAmpMod, "10000", "0.0002"}));
	EXPECT_EQ(strCaption, c.pszCaption);
	EXPECT_EQ(nFocus, static_cast<int>(IDC_AMP_CARRIER)) << "the first tab stop";
	for (int i = 0; i < 5; i++)
		EXPECT_EQ(variantsShown[i], c.bVariants) << "radio button " << s_radioIds[i];
	if (c.bVariants)
	{
		EXPECT_EQ(nChecked, IDC_RADIO_AM);
	}
	EXPECT_TRUE(m_user.BoxTexts().empty());
	const ModulationParams& params = m_dlg.m_params;
	EXPECT_EQ(params.kind, c.kind);
	EXPECT_EQ(params.modIndex, c.modIndex);
	EXPECT_EQ(params.ampCarrier, 1.0);
	EXPECT_EQ(params.freqCarrier, 200000.0);
	EXPECT_EQ(params.ampMod, c.kind == MOD_AM ? 0.5 : 5.0);
	EXPECT_EQ(params.freqMod, 10000.0);
	EXPECT_EQ(params.simTime, 0.0002);
}

INSTANTIATE_TEST_SUITE_P(EachModulation, ParamFirstOpening,
	::testing::Values(FirstOpening{ID_MOD_AMPIEZZA, "Modulazione di Ampiezza", "0.5", true, MOD_AM, 0.5},
		FirstOpening{ID_MOD_FREQUENZA, "Modulazione di Frequenza", "5", false, MOD_FM, 7.5},
		FirstOpening{ID_MOD_FASE, "Modulazione di Fase", "5", false, MOD_PM, 5.0}));

TEST_F(MainWindowTest, ParamsAcceptedTogetherAndOfferedAgainWhateverTheModulation)
{
	m_user.ThenInDialog(EnterParams({"2", "100000", "0.5", "5000", "0.001"}));
	Command(ID_MOD_AMPIEZZA);
	const ModulationParams& params = m_dlg.m_params;
	EXPECT_EQ(params.ampCarrier, 2.0);
	EXPECT_EQ(params.freqCarrier, 100000.0);
	EXPECT_EQ(params.ampMod, 0.5);
	EXPECT_EQ(params.freqMod, 5000.0);
	EXPECT_EQ(params.simTime, 0.001);
	EXPECT_EQ(params.modIndex, 0.25);
	EXPECT_EQ(params.kind, MOD_AM);

	// The record's 0.5 wins over the frequency family's default of 5.
	std::vector<std::string> texts;
	m_user.ThenInDialog(InspectParams([&](CDialog& dlg)
	{
		for (UINT nID : s_fieldIds)
			texts.push_back(ItemText(dlg, nID));
	}));
	Command(ID_MOD_FREQUENZA);
	EXPECT_EQ(texts, (std::vector<std::string>{"2", "100000", "0.5", "5000", "0.001"}));
	EXPECT_EQ(params.kind, MOD_AM) << "cancelled: the amplitude kind is back";
}

TEST_F(MainWindowTest, ParamsTakeTheItalianDecimalComma)
{
	m_user.ThenInDialog(EnterParams({nullptr, nullptr, "0,5"}));
	Command(ID_MOD_FREQUENZA);
	EXPECT_TRUE(m_user.BoxTexts().empty());
	EXPECT_EQ(m_dlg.m_params.ampMod, 0.5);
	EXPECT_EQ(m_dlg.m_params.modIndex, 0.75);
	EXPECT_EQ(m_dlg.m_params.kind, MOD_FM);
}

TEST_F(MainWindowTest, ParamsFirstRefusedValueIsReportedWithItsFieldSelected)
{
	struct Case
	{
		ParamInput input;
		const char* pszMessage;
		UINT nField;
	};
	const char* const NOT_A_NUMBER = "Immettere un numero.";
	const Case cases[] = {
		{{"0", "0", "0", "0", "0"}, "Ampiezza del segnale portante non valida!", IDC_AMP_CARRIER},
		{{"-2"}, "Ampiezza del segnale portante non valida!", IDC_AMP_CARRIER},
		{{nullptr, "0", "-1"}, "Frequenza del segnale portante non valida!", IDC_FREQ_CARRIER},
		{{nullptr, nullptr, "-1", "0"}, "Ampiezza del segnale modulante non valida!", IDC_AMP_MOD},
		{{nullptr, nullptr, nullptr, "-10000", "-1"}, "Frequenza del segnale modulante non valida!", IDC_FREQ_MOD},
		{{nullptr, nullptr, nullptr, nullptr, "0"}, "Tempo di Simulazione non valido!", IDC_SIM_TIME},
		{{nullptr, nullptr, "abc"}, NOT_A_NUMBER, IDC_AMP_MOD},
		// A text that is no number is refused before any value is checked.
		{{"0", "abc"}, NOT_A_NUMBER, IDC_FREQ_CARRIER},
		{{nullptr, nullptr, nullptr, nullptr, "1e"}, NOT_A_NUMBER, IDC_SIM_TIME},
	};
	const ModulationParams before = m_dlg.m_params;
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.pszMessage);
		m_user.m_shown.clear();
		int nFocus = 0;
		bool bSelected = false;
		m_user.ThenInDialog(EnterParams(c.input, [&](CDialog& dlg)
		{
			nFocus = FocusId();
			bSelected = WholeTextSelected(dlg, c.nField);
		}));
		Command(ID_MOD_AMPIEZZA);
		ASSERT_EQ(m_user.BoxTexts(), std::vector<std::string>{c.pszMessage});
		EXPECT_EQ(m_user.m_shown.back().nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
		EXPECT_EQ(nFocus, static_cast<int>(c.nField));
		EXPECT_TRUE(bSelected);
		EXPECT_TRUE(SameRecord(m_dlg.m_params, before));
	}
}

TEST_F(MainWindowTest, ParamsOutOfRangeAreRefusedAndTheRangesEndsAccepted)
{
	const char* const AMP_CARRIER = "L'ampiezza del segnale portante deve essere compresa tra 1e-6 e 1e6 V.";
	const char* const FREQ_CARRIER = "La frequenza del segnale portante deve essere compresa tra 1e-6 e 1e12 Hz.";
	const char* const AMP_MOD = "L'ampiezza del segnale modulante deve essere compresa tra 1e-6 e 1e6 V.";
	const char* const FREQ_MOD = "La frequenza del segnale modulante deve essere compresa tra 1e-6 e 1e12 Hz.";
	const char* const SIM_TIME = "Il tempo di simulazione deve essere compreso tra 0 e 1e6 s.";
	struct Case
	{
		UINT nCommand;
		ParamInput input;
		const char* pszMessage;
		UINT nField;
	};
	const Case cases[] = {
		{ID_MOD_AMPIEZZA, {"1e308"}, AMP_CARRIER, IDC_AMP_CARRIER},
		{ID_MOD_AMPIEZZA, {"9,9e-7", nullptr, "1e-6"}, AMP_CARRIER, IDC_AMP_CARRIER},
		{ID_MOD_FREQUENZA, {nullptr, "1e308"}, FREQ_CARRIER, IDC_FREQ_CARRIER},
		{ID_MOD_AMPIEZZA, {nullptr, "1e-300"}, FREQ_CARRIER, IDC_FREQ_CARRIER},
		// Out of range before the index is computed, though the index is far above 60 too.
		{ID_MOD_FREQUENZA, {nullptr, nullptr, "1000001"}, AMP_MOD, IDC_AMP_MOD},
		{ID_MOD_AMPIEZZA, {nullptr, nullptr, nullptr, "2e12"}, FREQ_MOD, IDC_FREQ_MOD},
		{ID_MOD_FREQUENZA, {nullptr, nullptr, "0.0001", "1e-310"}, FREQ_MOD, IDC_FREQ_MOD},
		{ID_MOD_FASE, {nullptr, nullptr, nullptr, nullptr, "1e308"}, SIM_TIME, IDC_SIM_TIME},
		{ID_MOD_AMPIEZZA, {nullptr, nullptr, nullptr, nullptr, "1000000,5"}, SIM_TIME, IDC_SIM_TIME},
		// A value that is not positive is reported first, wherever the out-of-range one stands.
		{ID_MOD_AMPIEZZA, {"1e308", "1e308", "0"}, "Ampiezza del segnale modulante non valida!", IDC_AMP_MOD},
		// The ends of every range, the largest and the smallest together, are accepted.
		{ID_MOD_FREQUENZA, {"1e6", "1e12", "1e6", "1e12", "1e6"}, nullptr, 0},
		{ID_MOD_FASE, {"1e-6", "1e-6", "1e-6", "1e-6", "1e6"}, nullptr, 0},
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(::testing::Message() << c.nCommand << " " << (c.pszMessage != nullptr ? c.pszMessage : "accepted"));
		m_user.m_shown.clear();
		const ModulationParams before = m_dlg.m_params;
		int nFocus = 0;
		bool bSelected = false;
		m_user.ThenInDialog(EnterParams(c.input, [&](CDialog& dlg)
		{
			nFocus = FocusId();
			bSelected = WholeTextSelected(dlg, c.nField);
		}));
		Command(c.nCommand);
		if (c.pszMessage == nullptr)
		{
			EXPECT_TRUE(m_user.BoxTexts().empty());
			EXPECT_FALSE(SameRecord(m_dlg.m_params, before));
			continue;
		}
		ASSERT_EQ(m_user.BoxTexts(), std::vector<std::string>{c.pszMessage});
		EXPECT_EQ(m_user.m_shown.back().nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
		EXPECT_EQ(nFocus, static_cast<int>(c.nField));
		EXPECT_TRUE(bSelected);
		EXPECT_TRUE(SameRecord(m_dlg.m_params, before));
	}
}

TEST_F(MainWindowTest, ParamsIndexAboveSixtyIsRefusedAndSixtyAccepted)
{
	const std::string strTooHigh = "L'indice di modulazione non deve essere maggiore di 60 (m<60)";
	struct Case
	{
		UINT nCommand;
		ParamInput input;
		bool bAccepted;
		double modIndex;
	};
	const Case cases[] = {
		{ID_MOD_FREQUENZA, {nullptr, nullptr, "50", "10000"}, false, 0.0},
		{ID_MOD_FREQUENZA, {nullptr, nullptr, "40", "10000"}, true, 60.0},
		{ID_MOD_FASE, {nullptr, nullptr, "60.5"}, false, 0.0},
		{ID_MOD_FASE, {nullptr, nullptr, "60"}, true, 60.0},
		{ID_MOD_AMPIEZZA, {"0.5", nullptr, "30.5"}, false, 0.0},
		{ID_MOD_AMPIEZZA, {"0.5", nullptr, "30"}, true, 60.0},
		// Both bounds broken: only the index is reported.
		{ID_MOD_FREQUENZA, {nullptr, nullptr, "50", "10000", "0.00005"}, false, 0.0},
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(::testing::Message() << c.nCommand << " Am " << c.input.ampMod);
		m_user.m_shown.clear();
		const ModulationParams before = m_dlg.m_params;
		int nFocus = 0;
		std::string strTime;
		m_user.ThenInDialog(EnterParams(c.input, [&](CDialog& dlg)
		{
			nFocus = FocusId();
			strTime = ItemText(dlg, IDC_SIM_TIME);
		}));
		Command(c.nCommand);
		const std::vector<std::string> texts = m_user.BoxTexts();
		if (c.bAccepted)
		{
			// An amplitude index above 1 is followed by the Fourier offer, nothing else.
			EXPECT_EQ(std::count(texts.begin(), texts.end(), strTooHigh), 0);
			EXPECT_LE(texts.size(), 1u);
			EXPECT_EQ(m_dlg.m_params.modIndex, c.modIndex);
			continue;
		}
		ASSERT_EQ(texts, std::vector<std::string>{strTooHigh});
		EXPECT_EQ(m_user.m_shown.back().nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
		EXPECT_EQ(nFocus, static_cast<int>(IDC_AMP_CARRIER)) << "the focus stays where it was";
		EXPECT_EQ(strTime, c.input.simTime != nullptr ? c.input.simTime : "0.0002") << "the time is left alone";
		EXPECT_TRUE(SameRecord(m_dlg.m_params, before));
	}
}

TEST_F(MainWindowTest, ParamsTimeBelowOnePeriodIsRaisedToItAndAcceptedOnTheSecondOk)
{
	std::string strShown;
	int nFocus = 0;
	bool bSelected = false;
	BOOL bOpenAfterSecondOk = TRUE;
	m_user.ThenInDialog([&](CDialog& dlg)
	{
		dlg.GetDlgItem(IDC_SIM_TIME)->SetWindowText("0.00005");
		dlg.SendMessage(WM_COMMAND, IDOK);
		strShown = ItemText(dlg, IDC_SIM_TIME);
		nFocus = FocusId();
		bSelected = WholeTextSelected(dlg, IDC_SIM_TIME);
		dlg.SendMessage(WM_COMMAND, IDOK);
		bOpenAfterSecondOk = dlg.ContinueModal();
		if (bOpenAfterSecondOk)
			dlg.SendMessage(WM_COMMAND, IDCANCEL);
	});
	Command(ID_MOD_AMPIEZZA);

	ASSERT_EQ(m_user.BoxTexts(), std::vector<std::string>{"Tempo di simulazione troppo basso\n"
		"Verrà impostato automaticamente  il tempo di simulazione minimo."});
	EXPECT_EQ(m_user.m_shown.at(1).nType, static_cast<UINT>(MB_OK | MB_ICONSTOP)) << "after the dialog itself";
	EXPECT_EQ(strShown, "0.0001");
	EXPECT_EQ(nFocus, static_cast<int>(IDC_SIM_TIME));
	EXPECT_TRUE(bSelected);
	EXPECT_FALSE(bOpenAfterSecondOk);
	EXPECT_EQ(m_dlg.m_params.simTime, 1.0 / 10000.0);
	EXPECT_EQ(m_dlg.m_params.kind, MOD_AM);

	// Exactly one period of the modulating tone is enough.
	m_user.m_shown.clear();
	m_user.ThenInDialog(EnterParams({nullptr, nullptr, nullptr, "4000", "0.00025"}));
	Command(ID_MOD_AMPIEZZA);
	EXPECT_TRUE(m_user.BoxTexts().empty());
	EXPECT_EQ(m_dlg.m_params.simTime, 0.00025);
}

TEST_F(MainWindowTest, ParamsCancelAfterEditingLeavesTheRecordAsItWas)
{
	m_user.ThenInDialog(EnterParams({nullptr, nullptr, "0.8", nullptr, nullptr, IDC_RADIO_VSB}));
	Command(ID_MOD_AMPIEZZA);
	const ModulationParams before = m_dlg.m_params;
	ASSERT_EQ(before.kind, MOD_VSB);

	for (UINT nCommand : {ID_MOD_AMPIEZZA, ID_MOD_FREQUENZA, ID_MOD_FASE})
	{
		m_user.ThenInDialog([](CDialog& dlg)
		{
			for (UINT nID : s_fieldIds)
				dlg.GetDlgItem(static_cast<int>(nID))->SetWindowText("3");
			if (dlg.GetDlgItem(IDC_RADIO_SSB_LSB)->IsWindowVisible())
				dlg.CheckRadioButton(IDC_RADIO_AM, IDC_RADIO_VSB, IDC_RADIO_SSB_LSB);
			dlg.SendMessage(WM_COMMAND, IDCANCEL);
		});
		Command(nCommand);
		EXPECT_TRUE(SameRecord(m_dlg.m_params, before)) << nCommand;
	}
}

TEST_F(MainWindowTest, ParamsEachVariantButtonGivesItsKind)
{
	const struct
	{
		UINT nRadio;
		int32_t kind;
	} cases[] = {
		{IDC_RADIO_DSB_SC, MOD_DSB_SC},
		{IDC_RADIO_SSB_USB, MOD_SSB_USB},
		{IDC_RADIO_SSB_LSB, MOD_SSB_LSB},
		{IDC_RADIO_VSB, MOD_VSB},
		{IDC_RADIO_AM, MOD_AM},
	};
	for (const auto& c : cases)
	{
		m_user.ThenInDialog(EnterParams({"2", nullptr, "0.5", nullptr, nullptr, c.nRadio}));
		Command(ID_MOD_AMPIEZZA);
		EXPECT_EQ(m_dlg.m_params.kind, c.kind) << c.nRadio;
		EXPECT_EQ(m_dlg.m_params.modIndex, 0.25) << "KA = 1 for every variant";
	}
}
