// CWinApp and the start and end of the toolkit.
#include "framework/ui/window/WinApp.h"

#include "framework/core/FrameworkStringIds.h"
#include "framework/core/Resources.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/IconFile.h"
#include "framework/ui/window/EventLoops.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

#include <map>
#include <string>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace
{

CWinApp* s_pApp = nullptr;
std::string s_strAppName;

}

CWinApp::CWinApp(LPCTSTR lpszAppName)
	: m_pMainWnd(nullptr)
	, m_pszAppName(lpszAppName)
	, m_nExitCode(0)
{
	s_pApp = this;
}

CWinApp::~CWinApp()
{
	GlobalFree(m_hDevMode);
	GlobalFree(m_hDevNames);
	if (s_pApp == this)
	{
		s_pApp = nullptr;
	}
}

BOOL CWinApp::InitInstance()
{
	return TRUE;
}

int CWinApp::ExitInstance()
{
	return m_nExitCode;
}

int CWinApp::Run()
{
	CAppLoopFrame frame(false, [this](LONG lCount) { return OnIdle(lCount); }, [] { return TRUE; });
	m_nExitCode = frame.Exec();
	return ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
	// The first idle pass updates the main window's bars and controls; later passes have nothing to do.
	if (lCount == 0 && m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
	{
		m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
	}
	return FALSE;
}

CWnd* CWinApp::GetMainWnd()
{
	return m_pMainWnd;
}

BOOL CWinApp::Enable3dControls()
{
	return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
	return AfxLoadIconResource(nIDResource);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
	return ::LoadCursor(nullptr, MAKEINTRESOURCE(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
	return ::LoadCursor(nullptr, lpszCursorName);
}

void CWinApp::DoWaitCursor(int nCode)
{
	if (nCode > 0)
	{
		BeginWaitCursor();
	}
	else if (nCode < 0)
	{
		EndWaitCursor();
	}
	else
	{
		RestoreWaitCursor();
	}
}

void CWinApp::OnHelp()
{
}

CWinApp* AfxGetApp()
{
	return s_pApp;
}

HICON AfxLoadIconResource(UINT nIDResource)
{
	static std::map<UINT, HICON> s_icons;
	auto it = s_icons.find(nIDResource);
	if (it != s_icons.end())
	{
		return it->second;
	}
	const BinaryResource* pResource = AfxFindIconResource(nIDResource);
	if (pResource == nullptr)
	{
		return nullptr;
	}
	HICON hIcon = AfxCreateIconFromFile(pResource->pData, pResource->nSize);
	s_icons[nIDResource] = hIcon;
	return hIcon;
}

BOOL AfxWinInit(int argc, char* argv[])
{
	CDriver& driver = AfxGetDriver();
	if (driver.IsToolkitRunning())
	{
		return TRUE;
	}
	if (!driver.StartToolkit(argc, argv))
	{
		return FALSE;
	}
	if (s_pApp != nullptr && s_pApp->m_pszAppName == nullptr)
	{
		// As on Windows: the application's title string, else the program's file name.
		LPCSTR lpszTitle = AfxFindStringResource(AFX_IDS_APP_TITLE);
		const std::string strProgram = argc > 0 && argv[0] != nullptr ? argv[0] : "";
		s_strAppName = lpszTitle != nullptr ? lpszTitle : strProgram.substr(strProgram.find_last_of('/') + 1);
		s_pApp->m_pszAppName = s_strAppName.c_str();
	}
	return TRUE;
}

void AfxWinTerm()
{
	for (HWND hWnd : CWindowRecord::TopLevelWindows())
	{
		if (CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd))
		{
			DestroyWindowRecord(pRecord);
		}
	}
	AfxGetDriver().StopToolkit();
}

int AfxWinMain(int argc, char* argv[])
{
	CWinApp* pApp = AfxGetApp();
	if (pApp == nullptr || !AfxWinInit(argc, argv))
	{
		return -1;
	}
	int nReturnCode = -1;
	if (pApp->InitInstance())
	{
		nReturnCode = pApp->Run();
	}
	else
	{
		if (pApp->m_pMainWnd != nullptr)
		{
			pApp->m_pMainWnd->DestroyWindow();
		}
		nReturnCode = pApp->ExitInstance();
	}
	AfxWinTerm();
	return nReturnCode;
}
