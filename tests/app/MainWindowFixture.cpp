// The main window fixture and the parameters dialog scripts.
#include "tests/app/MainWindowFixture.h"

#include "app/resources/AppResourceIds.h"
#include "framework/ui/window/CmdUI.h"

namespace
{
	void SetItem(CDialog& dlg, UINT nID, const char* pszText)
	{
		if (pszText != nullptr)
			dlg.GetDlgItem(static_cast<int>(nID))->SetWindowText(pszText);
	}

	// A command's state as the update pass leaves it, asked of the window's own handlers.
	class CStateCmdUI : public CCmdUI
	{
	public:
		void Enable(BOOL bOn) override
		{
			m_bEnabled = bOn;
			m_bEnableChanged = TRUE;
		}
		BOOL m_bEnabled = TRUE;
	};
}

std::function<void(CDialog&)> EnterParams(const ParamInput& input, std::function<void(CDialog&)> fnWhileOpen)
{
	return [input, fnWhileOpen](CDialog& dlg)
	{
		SetItem(dlg, IDC_AMP_CARRIER, input.ampCarrier);
		SetItem(dlg, IDC_FREQ_CARRIER, input.freqCarrier);
		SetItem(dlg, IDC_AMP_MOD, input.ampMod);
		SetItem(dlg, IDC_FREQ_MOD, input.freqMod);
		SetItem(dlg, IDC_SIM_TIME, input.simTime);
		if (input.nVariant != 0)
			dlg.CheckRadioButton(IDC_RADIO_AM, IDC_RADIO_VSB, static_cast<int>(input.nVariant));
		dlg.SendMessage(WM_COMMAND, IDOK);
		if (dlg.ContinueModal())
		{
			if (fnWhileOpen)
				fnWhileOpen(dlg);
			dlg.SendMessage(WM_COMMAND, IDCANCEL);
		}
	};
}

std::function<void(CDialog&)> CancelParams()
{
	return [](CDialog& dlg) { dlg.SendMessage(WM_COMMAND, IDCANCEL); };
}

std::function<void(CDialog&)> InspectParams(std::function<void(CDialog&)> fnInspect)
{
	return [fnInspect](CDialog& dlg)
	{
		fnInspect(dlg);
		dlg.SendMessage(WM_COMMAND, IDCANCEL);
	};
}

std::string ItemText(CDialog& dlg, UINT nID)
{
	CString strText;
	dlg.GetDlgItem(static_cast<int>(nID))->GetWindowText(strText);
	return static_cast<LPCTSTR>(strText);
}

void MainWindowTest::SetUp()
{
	// What the user does unless a test says otherwise: OK to every message, Cancel to the file
	// and print dialogs and to a window no script is for; the shell opens what it is given.
	m_user.Otherwise(ModalKind::MessageBox, IDOK);
	m_user.Otherwise(ModalKind::FileDialog, IDCANCEL);
	m_user.Otherwise(ModalKind::PrintDialog, IDCANCEL);
	m_user.Otherwise(ModalKind::ShellOpen, 42);
	m_user.Otherwise(ModalKind::Dialog, IDCANCEL);
	ASSERT_TRUE(m_dlg.Create(IDD_ONDIVAR_DIALOG));
	// The scopes' own picture, which the scales are drawn over; tests of the scales switch them on.
	Command(ID_VIEW_SCALES);
}

void MainWindowTest::TearDown()
{
	m_dlg.DestroyWindow();
}

void MainWindowTest::Command(UINT nID)
{
	m_dlg.SendMessage(WM_COMMAND, nID);
}

BOOL MainWindowTest::IsCommandEnabled(UINT nID)
{
	CStateCmdUI state;
	state.m_nID = nID;
	state.DoUpdate(&m_dlg, FALSE);
	return state.m_bEnabled;
}

void MainWindowTest::AnswerBoxes(const std::deque<INT_PTR>& answers)
{
	for (INT_PTR nAnswer : answers)
		m_user.Then(ModalKind::MessageBox, nAnswer);
}

std::string MainWindowTest::Caption()
{
	CString strCaption;
	m_dlg.GetWindowText(strCaption);
	return static_cast<LPCTSTR>(strCaption);
}
