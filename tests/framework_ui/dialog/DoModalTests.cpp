// Modal dialogs: results, nesting, the disabled owner, OK that waits for valid input, and the
// close box, all scripted through the modal seam.
#include "tests/framework_ui/dialog/DialogTestSupport.h"

#include "framework/ui/dialog/DataExchange.h"
#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/testing/SurfaceAccess.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT IDC_VALUE = 1000;
constexpr UINT IDC_OPEN = 1100;

const DialogItemTemplate s_items[] = {
	{ "EDIT", "", IDC_VALUE, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 7, 7, 60, 14 },
	{ "BUTTON", "&Apri...", IDC_OPEN, WS_VISIBLE | WS_TABSTOP, 0, 7, 30, 50, 14 },
	{ "BUTTON", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 70, 30, 50, 14 },
	{ "BUTTON", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 0, 125, 30, 50, 14 },
};

const DialogTemplate s_outer = { 601, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 0, 0, 0, 180,
	50, "Esterno", "MS Sans Serif", 8, s_items, sizeof(s_items) / sizeof(s_items[0]), 0 };
const DialogTemplate s_inner = { 602, WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 0, 0, 180, 50, "Interno",
	"MS Sans Serif", 8, s_items, sizeof(s_items) / sizeof(s_items[0]), 0 };

// A dialog whose "Apri..." button runs another dialog modally over it.
class COuterDialog : public CDialog
{
public:
	explicit COuterDialog(CWnd* pParent)
	{
		InitModalIndirect(&s_outer, pParent);
	}

	INT_PTR m_nInnerResult = 0;

protected:
	afx_msg void OnOpen()
	{
		CDialog inner;
		inner.InitModalIndirect(&s_inner, this);
		m_nInnerResult = inner.DoModal();
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COuterDialog, CDialog)
	ON_BN_CLICKED(IDC_OPEN, OnOpen)
END_MESSAGE_MAP()

class CValueDialog : public CDialog
{
public:
	double m_dValue = 0.5;

protected:
	void DoDataExchange(CDataExchange* pDX) override
	{
		DDX_Text(pDX, IDC_VALUE, m_dValue);
	}
};

TEST(DoModalTest, NestedDialogsEndWithTheirOwnResultsAndDisableTheirOwners)
{
	CScriptedUser seam;
	CNotifiedWindow owner;
	ASSERT_TRUE(owner.CreatePopup());
	COuterDialog outer(&owner);
	std::vector<std::string> log;
	seam.ThenInDialog([&](CDialog& dlg)
		{
			log.push_back(owner.IsWindowEnabled() ? "owner enabled" : "owner disabled");
			dlg.SendDlgItemMessage(IDC_OPEN, BM_CLICK);
			log.push_back(dlg.IsWindowEnabled() ? "outer enabled again" : "outer still disabled");
			dlg.EndDialog(5);
		});
	seam.ThenInDialog([&](CDialog& dlg)
		{
			log.push_back(outer.IsWindowEnabled() ? "outer enabled" : "outer disabled");
			log.push_back(owner.IsWindowEnabled() ? "owner enabled" : "owner disabled");
			log.push_back(dlg.IsWindowVisible() ? "inner shown" : "inner hidden");
			dlg.EndDialog(7);
		});

	EXPECT_EQ(5, outer.DoModal());
	EXPECT_EQ(7, outer.m_nInnerResult);
	EXPECT_EQ((std::vector<std::string>{ "owner disabled", "outer disabled", "owner disabled", "inner shown",
				  "outer enabled again" }),
		log);
	EXPECT_TRUE(owner.IsWindowEnabled());
	EXPECT_EQ(nullptr, outer.m_hWnd);

	ASSERT_EQ(2u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::Dialog, seam.m_shown[0].nKind);
	EXPECT_EQ("Esterno", seam.m_shown[0].strCaption);
	EXPECT_EQ(&owner, seam.m_shown[0].pOwner);
	EXPECT_EQ(&outer, seam.m_shown[0].pDialog);
	EXPECT_EQ("Interno", seam.m_shown[1].strCaption);
	EXPECT_EQ(&outer, seam.m_shown[1].pOwner);
}

TEST(DoModalTest, OkWaitsForInputTheExchangeAccepts)
{
	CScriptedUser seam;
	CValueDialog dlg;
	dlg.InitModalIndirect(&s_outer);
	std::vector<std::string> log;
	seam.ThenInDialog([&](CDialog& modal)
		{
			CString strShown;
			modal.GetDlgItemText(IDC_VALUE, strShown);
			log.push_back("field shows " + std::string(static_cast<LPCTSTR>(strShown)));
			modal.SetDlgItemText(IDC_VALUE, "abc");
			modal.SendMessage(WM_COMMAND, IDOK);
			log.push_back(modal.IsWindowVisible() ? "still open" : "closed");
			modal.SetDlgItemText(IDC_VALUE, "2.5");
			modal.SendMessage(WM_COMMAND, IDOK);
		});
	seam.Then(ModalKind::MessageBox, IDOK);
	EXPECT_EQ(IDOK, dlg.DoModal());
	EXPECT_EQ((std::vector<std::string>{ "field shows 0.5", "still open" }), log);
	EXPECT_EQ(2.5, dlg.m_dValue);
	ASSERT_EQ(2u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::MessageBox, seam.m_shown[1].nKind);
	EXPECT_EQ("Immettere un numero.", seam.m_shown[1].strText);
}

TEST(DoModalTest, CancelKeyAndCloseBoxEndWithCancelAndKeepTheMembers)
{
	CScriptedUser seam;
	CValueDialog dlg;
	dlg.InitModalIndirect(&s_outer);
	seam.ThenInDialog([](CDialog& modal)
		{
			modal.SetDlgItemText(IDC_VALUE, "9");
			modal.SendMessage(WM_CLOSE);
		});
	seam.ThenInDialog([](CDialog& modal)
		{
			MSG msg = {};
			msg.hwnd = modal.GetDlgItem(IDC_VALUE)->m_hWnd;
			msg.message = WM_KEYDOWN;
			msg.wParam = VK_ESCAPE;
			modal.PreTranslateMessage(&msg);
		});
	EXPECT_EQ(IDCANCEL, dlg.DoModal());
	EXPECT_EQ(IDCANCEL, dlg.DoModal());
	EXPECT_EQ(0.5, dlg.m_dValue);
}

// A program opens the same dialog thousands of times: what the style cached in drawing its
// controls the first time must serve every later time, instead of piling up. The buttons are
// large so that the cache, counted in megabytes, shows a difference.
TEST(DoModalTest, ReopenedDialogIsDrawnFromWhatTheStyleCachedTheFirstTime)
{
	const DialogItemTemplate largeButtons[] = {
		{ "BUTTON", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 5, 5, 300, 120 },
		{ "BUTTON", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 0, 5, 130, 300, 120 },
	};
	const DialogTemplate largeDialog = { 603, WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 0, 0, 310, 255, "Grande",
		"MS Sans Serif", 8, largeButtons, 2, 0 };
	CScriptedUser seam;
	CNotifiedWindow owner;
	ASSERT_TRUE(owner.CreatePopup());
	std::vector<UINT> cacheAfterRun;
	for (int nRun = 0; nRun < 5; ++nRun)
	{
		CDialog dlg;
		dlg.InitModalIndirect(&largeDialog, &owner);
		// The dialog has been drawn by the time its loop is idle a second time.
		seam.ThenInDialog([](CDialog& shown) { AfxRunWhenIdle([&shown] { shown.EndDialog(IDOK); }); });
		EXPECT_EQ(IDOK, dlg.DoModal());
		cacheAfterRun.push_back(GetStyleCacheMegabytes());
	}
	EXPECT_GT(cacheAfterRun[0], 0u) << "the dialog's buttons were drawn";
	// Qt may trim the cache when it has not changed for a while, so it can only shrink.
	for (int nRun = 1; nRun < 5; ++nRun)
		EXPECT_LE(cacheAfterRun[nRun], cacheAfterRun[0]) << "run " << nRun;
}

TEST(DoModalTest, WithoutATemplateDoModalFails)
{
	CScriptedUser seam;
	seam.Then(ShowForReal());
	CDialog dlg(54321);
	EXPECT_EQ(-1, dlg.DoModal());
	ASSERT_EQ(1u, seam.m_shown.size());
	EXPECT_EQ("", seam.m_shown[0].strCaption);
}

}
