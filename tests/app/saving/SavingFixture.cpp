// Steps shared by the saving tests.
#include "tests/app/saving/SavingFixture.h"

#include "app/resources/AppResourceIds.h"

void SavingWindowTest::Synthesize(const ParamInput& input)
{
	m_user.ThenInDialog(EnterParams(input));
	Command(ID_MOD_AMPIEZZA);
}

void SavingWindowTest::SaveAs(const std::string& strPath)
{
	m_user.Then(ModalKind::FileDialog, ChooseFile(strPath));
	Command(ID_FILE_SAVE_SIGNAL_AS);
}

std::string SavingWindowTest::SignalPath() const
{
	return static_cast<LPCTSTR>(m_dlg.m_strSignalPath);
}

std::vector<std::string> SavingWindowTest::Steps() const
{
	std::vector<std::string> steps;
	for (const ShownRequest& item : m_user.m_shown)
	{
		if (item.nKind == ModalKind::MessageBox)
			steps.push_back(item.strText);
		else if (item.nKind == ModalKind::FileDialog)
			steps.push_back("file dialog: " + item.strText);
		else if (item.nKind == ModalKind::ShellOpen)
			steps.push_back(item.strCaption + " " + item.strText);
	}
	return steps;
}

UINT SavingWindowTest::LastBoxType() const
{
	for (auto it = m_user.m_shown.rbegin(); it != m_user.m_shown.rend(); ++it)
	{
		if (it->nKind == ModalKind::MessageBox)
			return it->nType;
	}
	return 0;
}

void SavingWindowTest::Forget()
{
	m_user.m_shown.clear();
}

ParamInput SavingWindowTest::OverModulated()
{
	ParamInput input;
	input.ampMod = "1.5";
	input.ampCarrier = "1";
	return input;
}
