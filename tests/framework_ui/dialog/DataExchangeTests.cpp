// Data exchange between a dialog's members and its controls: numbers shown and read back,
// refusals with the prompt, the focus and the selection, strings, radio groups, check boxes
// and controls taken over by member objects.
#include "framework/ui/controls/Edit.h"
#include "framework/ui/dialog/DataExchange.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT IDC_NUMBER = 1000;
constexpr UINT IDC_SECOND = 1001;
constexpr UINT IDC_NAME = 1002;
constexpr UINT IDC_COUNT = 1003;
constexpr UINT IDC_RADIO_AM = 1010;
constexpr UINT IDC_RADIO_DSB = 1011;
constexpr UINT IDC_RADIO_SSB = 1012;
constexpr UINT IDC_RADIO_OTHER = 1013;
constexpr UINT IDC_RADIO_OTHER2 = 1014;
constexpr UINT IDC_CHECK = 1020;

constexpr DWORD EDIT_STYLE = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD RADIO_STYLE = WS_VISIBLE | BS_AUTORADIOBUTTON;

const DialogItemTemplate s_items[] = {
	{ "EDIT", "", IDC_NUMBER, EDIT_STYLE | WS_GROUP, 0, 7, 7, 60, 14 },
	{ "EDIT", "", IDC_SECOND, EDIT_STYLE, 0, 7, 25, 60, 14 },
	{ "EDIT", "", IDC_NAME, EDIT_STYLE, 0, 7, 43, 60, 14 },
	{ "EDIT", "", IDC_COUNT, EDIT_STYLE, 0, 7, 61, 60, 14 },
	{ "BUTTON", "A.M.", IDC_RADIO_AM, RADIO_STYLE | WS_GROUP, 0, 80, 7, 60, 10 },
	{ "BUTTON", "D.S.B.-S.C.", IDC_RADIO_DSB, RADIO_STYLE, 0, 80, 19, 60, 10 },
	{ "BUTTON", "S.S.B.", IDC_RADIO_SSB, RADIO_STYLE, 0, 80, 31, 60, 10 },
	{ "BUTTON", "Altro", IDC_RADIO_OTHER, RADIO_STYLE | WS_GROUP, 0, 80, 43, 60, 10 },
	{ "BUTTON", "Altro 2", IDC_RADIO_OTHER2, RADIO_STYLE, 0, 80, 55, 60, 10 },
	{ "BUTTON", "Assi", IDC_CHECK, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0, 80, 67, 60, 10 },
	{ "BUTTON", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, 150, 7, 50, 14 },
};

const DialogTemplate s_template = { 700, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE, 0, 0, 0,
	210, 90, "Scambio", "MS Sans Serif", 8, s_items, sizeof(s_items) / sizeof(s_items[0]), 0 };

class CExchangeDialog : public CDialog
{
public:
	double m_dNumber = 1.0;
	double m_dSecond = 2.0;
	CString m_strName = "Vm(t)";
	int m_nCount = 3;
	int m_nKind = 0;
	int m_nCheck = BST_UNCHECKED;
	CEdit m_editName;

protected:
	void DoDataExchange(CDataExchange* pDX) override
	{
		DDX_Text(pDX, IDC_NUMBER, m_dNumber);
		DDX_Text(pDX, IDC_SECOND, m_dSecond);
		DDX_Text(pDX, IDC_NAME, m_strName);
		DDX_Text(pDX, IDC_COUNT, m_nCount);
		DDX_Radio(pDX, IDC_RADIO_AM, m_nKind);
		DDX_Check(pDX, IDC_CHECK, m_nCheck);
		DDX_Control(pDX, IDC_NAME, m_editName);
	}
};

class DataExchangeTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_dlg.CreateIndirect(&s_template));
		// Each refused value is reported in a message the user closes.
		m_seam.Otherwise(ModalKind::MessageBox, IDOK);
	}

	std::string Text(UINT nID)
	{
		CString strText;
		m_dlg.GetDlgItemText(nID, strText);
		return static_cast<LPCTSTR>(strText);
	}

	DWORD Selection(UINT nID)
	{
		return static_cast<DWORD>(m_dlg.SendDlgItemMessage(nID, EM_GETSEL));
	}

	CScriptedUser m_seam;
	CExchangeDialog m_dlg;
};

TEST_F(DataExchangeTest, OpeningShowsTheMembers)
{
	EXPECT_EQ("1", Text(IDC_NUMBER));
	EXPECT_EQ("2", Text(IDC_SECOND));
	EXPECT_EQ("Vm(t)", Text(IDC_NAME));
	EXPECT_EQ("3", Text(IDC_COUNT));
	EXPECT_EQ(BST_CHECKED, m_dlg.IsDlgButtonChecked(IDC_RADIO_AM));
	EXPECT_EQ(IDC_RADIO_AM, m_dlg.GetCheckedRadioButton(IDC_RADIO_AM, IDC_RADIO_SSB));
	EXPECT_EQ(BST_UNCHECKED, m_dlg.IsDlgButtonChecked(IDC_CHECK));
}

TEST_F(DataExchangeTest, NumbersShowInTheShortestGeneralFormAndReadBackExactly)
{
	const struct
	{
		double value;
		const char* pszText;
	} cases[] = { { 200000.0, "200000" }, { 0.5, "0.5" }, { 10000.0, "10000" }, { 0.0002, "0.0002" },
		{ 1.0 / 10000.0, "0.0001" }, { 0.1 + 0.2, "0.30000000000000004" } };
	for (const auto& c : cases)
	{
		m_dlg.m_dNumber = c.value;
		m_dlg.UpdateData(FALSE);
		EXPECT_EQ(c.pszText, Text(IDC_NUMBER));
		m_dlg.m_dNumber = -1.0;
		ASSERT_TRUE(m_dlg.UpdateData(TRUE));
		EXPECT_EQ(c.value, m_dlg.m_dNumber) << c.pszText;
	}
}

TEST_F(DataExchangeTest, AcceptedNumbersReachTheMembersWithoutAPrompt)
{
	const struct
	{
		const char* pszText;
		double value;
	} cases[] = { { "1", 1.0 }, { "0.5", 0.5 }, { "2e5", 200000.0 }, { " 3 ", 3.0 }, { "-0.25", -0.25 },
		{ "1,5", 1.5 }, { " -1,5e3 ", -1500.0 } };
	for (const auto& c : cases)
	{
		m_dlg.SetDlgItemText(IDC_NUMBER, c.pszText);
		EXPECT_TRUE(m_dlg.UpdateData(TRUE)) << c.pszText;
		EXPECT_EQ(c.value, m_dlg.m_dNumber) << c.pszText;
	}
	EXPECT_TRUE(m_seam.m_shown.empty());
}

TEST_F(DataExchangeTest, DecimalCommaIsShownBackWithAPoint)
{
	m_dlg.SetDlgItemText(IDC_NUMBER, "1,5");
	ASSERT_TRUE(m_dlg.UpdateData(TRUE));
	m_dlg.UpdateData(FALSE);
	EXPECT_EQ("1.5", Text(IDC_NUMBER));
}

TEST_F(DataExchangeTest, RefusedNumberPromptsAndSelectsTheWholeField)
{
	for (const char* pszText : { "abc", "1,5,0", "1.000,5", "nan", "inf", "" })
	{
		m_seam.m_shown.clear();
		m_dlg.m_dNumber = 7.0;
		m_dlg.SetDlgItemText(IDC_NUMBER, pszText);
		m_dlg.GotoDlgCtrl(m_dlg.GetDlgItem(IDC_COUNT));
		m_dlg.SendDlgItemMessage(IDC_NUMBER, EM_SETSEL, 0, 0);

		EXPECT_FALSE(m_dlg.UpdateData(TRUE)) << pszText;
		ASSERT_EQ(1u, m_seam.m_shown.size()) << pszText;
		EXPECT_EQ(ModalKind::MessageBox, m_seam.m_shown[0].nKind);
		EXPECT_EQ("Immettere un numero.", m_seam.m_shown[0].strText);
		EXPECT_EQ(MB_ICONSTOP, m_seam.m_shown[0].nType & MB_ICONMASK);
		EXPECT_EQ(static_cast<int>(IDC_NUMBER), CWnd::GetFocus()->GetDlgCtrlID()) << pszText;
		const WORD nLength = static_cast<WORD>(std::string(pszText).size());
		EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, nLength)), Selection(IDC_NUMBER)) << pszText;
		EXPECT_EQ(7.0, m_dlg.m_dNumber) << pszText;
	}
}

TEST_F(DataExchangeTest, ExchangeStopsAtTheFirstRefusedField)
{
	m_dlg.SetDlgItemText(IDC_NUMBER, "x");
	m_dlg.SetDlgItemText(IDC_SECOND, "y");
	m_dlg.SetDlgItemText(IDC_NAME, "nuovo");
	EXPECT_FALSE(m_dlg.UpdateData(TRUE));
	EXPECT_EQ(1u, m_seam.m_shown.size());
	EXPECT_EQ(static_cast<int>(IDC_NUMBER), CWnd::GetFocus()->GetDlgCtrlID());
	EXPECT_STREQ("Vm(t)", m_dlg.m_strName);

	m_dlg.SetDlgItemText(IDC_NUMBER, "4");
	EXPECT_FALSE(m_dlg.UpdateData(TRUE));
	EXPECT_EQ(static_cast<int>(IDC_SECOND), CWnd::GetFocus()->GetDlgCtrlID());
	EXPECT_EQ(4.0, m_dlg.m_dNumber);
}

TEST_F(DataExchangeTest, IntegersAndStrings)
{
	m_dlg.SetDlgItemText(IDC_NAME, "Vp(t)");
	m_dlg.SetDlgItemText(IDC_COUNT, "12");
	EXPECT_TRUE(m_dlg.UpdateData(TRUE));
	EXPECT_STREQ("Vp(t)", m_dlg.m_strName);
	EXPECT_EQ(12, m_dlg.m_nCount);

	m_dlg.SetDlgItemText(IDC_COUNT, "1.5");
	EXPECT_FALSE(m_dlg.UpdateData(TRUE));
	ASSERT_EQ(1u, m_seam.m_shown.size());
	EXPECT_EQ("Immettere un numero intero.", m_seam.m_shown[0].strText);
	EXPECT_EQ(static_cast<int>(IDC_COUNT), CWnd::GetFocus()->GetDlgCtrlID());
}

TEST_F(DataExchangeTest, RadioGroupsAndCheckBoxes)
{
	m_dlg.m_nKind = 2;
	m_dlg.m_nCheck = BST_CHECKED;
	m_dlg.UpdateData(FALSE);
	EXPECT_EQ(IDC_RADIO_SSB, m_dlg.GetCheckedRadioButton(IDC_RADIO_AM, IDC_RADIO_SSB));
	EXPECT_EQ(BST_CHECKED, m_dlg.IsDlgButtonChecked(IDC_CHECK));

	// Clicking an automatic radio button clears the others of its group only.
	m_dlg.CheckDlgButton(IDC_RADIO_OTHER, BST_CHECKED);
	m_dlg.SendDlgItemMessage(IDC_RADIO_DSB, BM_CLICK);
	EXPECT_EQ(BST_UNCHECKED, m_dlg.IsDlgButtonChecked(IDC_RADIO_SSB));
	EXPECT_EQ(BST_CHECKED, m_dlg.IsDlgButtonChecked(IDC_RADIO_OTHER));
	m_dlg.SendDlgItemMessage(IDC_CHECK, BM_CLICK);
	ASSERT_TRUE(m_dlg.UpdateData(TRUE));
	EXPECT_EQ(1, m_dlg.m_nKind);
	EXPECT_EQ(BST_UNCHECKED, m_dlg.m_nCheck);

	m_dlg.CheckRadioButton(IDC_RADIO_AM, IDC_RADIO_SSB, 0);
	ASSERT_TRUE(m_dlg.UpdateData(TRUE));
	EXPECT_EQ(-1, m_dlg.m_nKind);
	EXPECT_EQ(0, m_dlg.GetCheckedRadioButton(IDC_RADIO_AM, IDC_RADIO_SSB));
}

TEST_F(DataExchangeTest, ControlIsTakenOverOnTheFirstExchangeOnly)
{
	CWnd* pName = m_dlg.GetDlgItem(IDC_NAME);
	EXPECT_EQ(&m_dlg.m_editName, pName);
	EXPECT_EQ(pName->m_hWnd, m_dlg.m_editName.m_hWnd);
	m_dlg.UpdateData(TRUE);
	m_dlg.UpdateData(FALSE);
	EXPECT_EQ(&m_dlg.m_editName, CWnd::FromHandlePermanent(pName->m_hWnd));
	m_dlg.m_editName.SetSel(0, 2);
	EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 2)), m_dlg.m_editName.GetSel());
}

}
