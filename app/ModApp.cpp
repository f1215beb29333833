// Start-up: the splash for its three and a half seconds, then the main window.
#include "app/ModApp.h"

#include "app/MainDlg.h"
#include "app/resources/AppResourceIds.h"
#include "framework/core/MenuConstants.h"
#include "sigkit/frames/SpalshDlg.h"

BEGIN_MESSAGE_MAP(CModApp, CWinApp)
	ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CModApp::CModApp() = default;

BOOL CModApp::InitInstance()
{
	Enable3dControls();

	CSpalshDlg splash(0, nullptr);
	splash.m_bitmap.LoadBitmap(IDB_SPLASH);
	splash.DoModal();

	CMainDlg dlg(nullptr);
	m_pMainWnd = &dlg;
	dlg.DoModal();
	m_pMainWnd = nullptr;
	return FALSE;
}
