// The destruction of a window: WM_DESTROY from the top down, WM_NCDESTROY from the children up,
// PostNcDestroy, and the end of the program when its main window goes, as on Windows.
#include "framework/ui/window/WindowRecord.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/EventLoops.h"
#include "framework/ui/window/MenuBar.h"
#include "framework/ui/window/WinApp.h"
#include "framework/ui/window/WindowInput.h"
#include "framework/ui/window/Wnd.h"

namespace
{

void SendDestroy(CWindowRecord* pRecord)
{
	HWND hWnd = pRecord->Handle();
	pRecord->Send(WM_DESTROY, 0, 0);
	if (CWindowRecord::FromHandle(hWnd) == nullptr)
	{
		return;
	}
	const std::vector<CWindowRecord*> children = pRecord->m_children;
	for (CWindowRecord* pChild : children)
	{
		if (CWindowRecord::FromHandle(pChild->Handle()) != nullptr)
		{
			SendDestroy(pChild);
		}
	}
}

// Children go first, as on Windows; the CWnd is detached after its last message.
void SendNcDestroy(CWindowRecord* pRecord)
{
	const std::vector<CWindowRecord*> children = pRecord->m_children;
	for (CWindowRecord* pChild : children)
	{
		SendNcDestroy(pChild);
	}
	pRecord->Send(WM_NCDESTROY, 0, 0);
	CWnd* pWnd = pRecord->m_pWnd;
	pRecord->m_pWnd = nullptr;
	if (pWnd != nullptr)
	{
		pWnd->m_hWnd = nullptr;
		// Closing the main window ends the program's message loop, as on Windows.
		CWinApp* pApp = AfxGetApp();
		if (pApp != nullptr && pApp->m_pMainWnd == pWnd)
		{
			pApp->m_pMainWnd = nullptr;
			PostQuitMessage(0);
		}
		pWnd->PostNcDestroy();
	}
}

void Release(CWindowRecord* pRecord)
{
	const std::vector<CWindowRecord*> children = pRecord->m_children;
	for (CWindowRecord* pChild : children)
	{
		Release(pChild);
	}
	ForgetWindowInput(pRecord);
	MenuReleaseWindow(*pRecord);
	pRecord->m_bDead = true;
	if (pRecord->m_bNative)
	{
		pRecord->m_bNative = false;
		AfxGetDriver().DestroyNativeWindow(pRecord->Handle());
	}
	// A window destroyed while one of its messages is still being handled is freed when that returns.
	if (pRecord->m_nSendDepth == 0)
	{
		delete pRecord;
	}
}

}

void DestroyWindowRecord(CWindowRecord* pRecord)
{
	if (pRecord->m_bDestroying || pRecord == CWindowRecord::Desktop())
	{
		return;
	}
	pRecord->m_bDestroying = true;
	const std::vector<CWindowRecord*> records = CWindowRecord::LiveWindows();
	for (CWindowRecord* pOwned : records)
	{
		if (pOwned->m_pParent == pRecord && !pOwned->IsChildWindow() && CWindowRecord::FromHandle(pOwned->Handle()))
		{
			DestroyWindowRecord(pOwned);
		}
	}
	if (pRecord->m_bNative)
	{
		AfxGetDriver().ShowNativeWindow(pRecord->Handle(), NativeShow::Hide);
	}
	SendDestroy(pRecord);
	++pRecord->m_nSendDepth;
	SendNcDestroy(pRecord);
	--pRecord->m_nSendDepth;
	Release(pRecord);
	// A modal loop whose window is gone ends.
	AfxCheckLoops();
}
