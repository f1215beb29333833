// PeekMessage, TranslateMessage and DispatchMessage over the framework's message queue.
#include "framework/ui/window/MessagePump.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/window/EventLoops.h"
#include "framework/ui/window/MessageQueue.h"
#include "framework/ui/window/WindowRecord.h"

BOOL PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg)
{
	MSG msg = {};
	const BOOL bFound = PeekQueuedMessage(msg, hWnd, wMsgFilterMin, wMsgFilterMax, (wRemoveMsg & PM_REMOVE) != 0);
	if (bFound && lpMsg != nullptr)
	{
		*lpMsg = msg;
	}
	return bFound;
}

BOOL TranslateMessage(const MSG*)
{
	return FALSE;
}

LRESULT DispatchMessage(const MSG* lpMsg)
{
	if (lpMsg == nullptr)
	{
		return 0;
	}
	if (lpMsg->hwnd == nullptr)
	{
		if (lpMsg->message == WM_QUIT)
		{
			AfxQuitLoop(static_cast<int>(lpMsg->wParam));
		}
		return 0;
	}
	CWindowRecord* pRecord = CWindowRecord::FromHandle(lpMsg->hwnd);
	return pRecord != nullptr ? pRecord->Send(lpMsg->message, lpMsg->wParam, lpMsg->lParam) : 0;
}
