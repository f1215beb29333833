// Start-up of the analyser: its window, opening the file it was given.
#include "analyser/FourierApp.h"

#include "analyser/FourierDlg.h"

CFourierApp::CFourierApp() = default;

// The desktop entry's %f gives a plain path; an argument starting with '-' is an option (the
// toolkit's own, such as -style) and not a file name.
void CFourierApp::ParseCommandLine(int argc, char* argv[])
{
	for (int i = 1; i < argc; i++)
	{
		if (argv[i] != nullptr && argv[i][0] != '-' && argv[i][0] != '\0')
		{
			m_strFileToOpen = argv[i];
			return;
		}
	}
}

BOOL CFourierApp::InitInstance()
{
	Enable3dControls();
	CFourierDlg dlg(nullptr);
	dlg.m_strStartFile = m_strFileToOpen;
	m_pMainWnd = &dlg;
	dlg.DoModal();
	m_pMainWnd = nullptr;
	return FALSE;
}
