// The modal seam and the message boxes that go through it.
#include "framework/ui/window/ModalSeam.h"

#include "framework/ui/window/ToolkitDialog.h"
#include "framework/ui/window/WinApp.h"
#include "framework/ui/window/Wnd.h"

namespace
{

CModalSeam* s_pSeam = nullptr;

int ShowMessageBox(CWnd* pOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
	ModalRequest request = {};
	request.nKind = ModalKind::MessageBox;
	request.pOwner = pOwner;
	request.strCaption = lpszCaption;
	request.strText = lpszText != nullptr ? lpszText : "";
	request.nType = nType;
	request.pfnShow = [&request] { return ShowToolkitMessageBox(request.pOwner, request.strCaption, request.strText, request.nType); };
	return static_cast<int>(AfxDoModalRequest(request));
}

CString ApplicationCaption()
{
	CWinApp* pApp = AfxGetApp();
	return pApp != nullptr && pApp->m_pszAppName != nullptr ? CString(pApp->m_pszAppName) : CString("Errore");
}

}

CModalSeam::~CModalSeam() = default;

CModalSeam* AfxSetModalSeam(CModalSeam* pSeam)
{
	CModalSeam* pOld = s_pSeam;
	s_pSeam = pSeam;
	return pOld;
}

CModalSeam* AfxGetModalSeam()
{
	return s_pSeam;
}

INT_PTR AfxDoModalRequest(ModalRequest& request)
{
	if (s_pSeam != nullptr)
	{
		return s_pSeam->OnModal(request);
	}
	return request.pfnShow ? request.pfnShow() : IDCANCEL;
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
	// Owned by the window active when it opens, as on Windows: under a modal dialog, the dialog.
	return ShowMessageBox(CWnd::GetSafeOwner(), lpszText, ApplicationCaption(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
	CString strText;
	strText.LoadString(nIDPrompt);
	return AfxMessageBox(strText, nType, nIDHelp);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
	return ShowMessageBox(this, lpszText, lpszCaption != nullptr ? CString(lpszCaption) : ApplicationCaption(), nType);
}
