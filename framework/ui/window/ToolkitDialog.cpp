// Disabling, enabling and activating the owner around one of the toolkit's modal dialogs.
#include "framework/ui/window/ToolkitDialog.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/WindowActivation.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

CToolkitDialogOwner::CToolkitDialogOwner(CWnd* pOwner)
	: m_hOwner(nullptr)
	, m_bReenable(false)
{
	CWindowRecord* pRecord = pOwner != nullptr ? CWindowRecord::FromHandle(pOwner->m_hWnd) : nullptr;
	if (pRecord == nullptr)
	{
		return;
	}
	m_hOwner = pRecord->TopLevel()->Handle();
	CWnd* pTopLevel = CWnd::FromHandle(m_hOwner);
	m_bReenable = pTopLevel->IsWindowEnabled() != FALSE;
	if (m_bReenable)
	{
		pTopLevel->EnableWindow(FALSE);
	}
}

CToolkitDialogOwner::~CToolkitDialogOwner()
{
	if (CWindowRecord::FromHandle(m_hOwner) == nullptr)
	{
		return;
	}
	if (m_bReenable)
	{
		CWnd::FromHandle(m_hOwner)->EnableWindow(TRUE);
	}
	ReturnActivation(m_hOwner);
}

HWND CToolkitDialogOwner::Handle() const
{
	return CWindowRecord::FromHandle(m_hOwner) != nullptr ? m_hOwner : nullptr;
}

INT_PTR ShowToolkitMessageBox(CWnd* pOwner, const CString& strCaption, const CString& strText, UINT nType)
{
	CToolkitDialogOwner owner(pOwner);
	return AfxGetDriver().ShowMessageBox(owner.Handle(), strCaption, strText, nType);
}
