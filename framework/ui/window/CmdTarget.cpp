// CCmdTarget: command routing through the message map and the wait cursor.
#include "framework/ui/window/CmdTarget.h"

#include "framework/ui/backend/Driver.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace
{

// Waits nest: the hourglass goes when the outermost one ends.
int s_nWaitCursors = 0;

}

CCmdTarget::CCmdTarget() = default;

CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
	static const AFX_MSGMAP_ENTRY s_messageEntries[] = { { 0, 0, 0, 0, nullptr, nullptr } };
	static const AFX_MSGMAP s_messageMap = { nullptr, &s_messageEntries[0] };
	return &s_messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
	return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
	UINT nMessage = WM_COMMAND;
	UINT nNotifyCode = static_cast<UINT>(nCode);
	if (nCode != CN_UPDATE_COMMAND_UI && HIWORD(static_cast<DWORD>(nCode)) != 0)
	{
		nMessage = HIWORD(static_cast<DWORD>(nCode));
		nNotifyCode = LOWORD(static_cast<DWORD>(nCode));
	}
	for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
		 pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
	{
		for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnHandler != nullptr; ++pEntry)
		{
			// Notification codes are negative 32-bit numbers that travel packed into 16 bits.
			if (pEntry->nMessage != nMessage || LOWORD(pEntry->nCode) != LOWORD(nNotifyCode) || nID < pEntry->nID
				|| nID > pEntry->nLastID)
			{
				continue;
			}
			if (pHandlerInfo != nullptr)
			{
				pHandlerInfo->pTarget = this;
				pHandlerInfo->pEntry = pEntry;
				return TRUE;
			}
			AFX_MSGCALL call = { nMessage, nID, 0, nID, pExtra };
			if (pEntry->pfnHandler(this, call) != 0)
			{
				return TRUE;
			}
		}
	}
	return FALSE;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage) const
{
	for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
		 pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
	{
		for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnHandler != nullptr; ++pEntry)
		{
			bool bRegistered = pEntry->pnRegisteredMessage != nullptr && *pEntry->pnRegisteredMessage == nMessage;
			bool bWindowMessage = pEntry->nMessage == nMessage && nMessage != WM_COMMAND && nMessage != WM_NOTIFY;
			if (bRegistered || (bWindowMessage && pEntry->pnRegisteredMessage == nullptr))
			{
				return pEntry;
			}
		}
	}
	return nullptr;
}

void CCmdTarget::BeginWaitCursor()
{
	if (s_nWaitCursors++ == 0)
	{
		AfxGetDriver().SetWaitCursor(true);
	}
}

void CCmdTarget::EndWaitCursor()
{
	if (s_nWaitCursors > 0 && --s_nWaitCursors == 0)
	{
		AfxGetDriver().SetWaitCursor(false);
	}
}

void CCmdTarget::RestoreWaitCursor()
{
	if (s_nWaitCursors == 0)
	{
		BeginWaitCursor();
	}
}
