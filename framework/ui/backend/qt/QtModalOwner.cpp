// Disabling, enabling and activating the owner around one of Qt's modal dialogs.
#include "framework/ui/backend/qt/QtModalOwner.h"

#include "framework/ui/backend/qt/WindowActivation.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/window/Wnd.h"

CQtModalOwner::CQtModalOwner(CWnd* pOwner)
	: m_hOwner(nullptr)
	, m_bReenable(false)
{
	CWindowHost* pHost = pOwner != nullptr ? CWindowHost::FromHandle(pOwner->m_hWnd) : nullptr;
	if (pHost == nullptr)
	{
		return;
	}
	m_hOwner = pHost->TopLevel()->Handle();
	CWnd* pTopLevel = CWnd::FromHandle(m_hOwner);
	m_bReenable = pTopLevel->IsWindowEnabled() != FALSE;
	if (m_bReenable)
	{
		pTopLevel->EnableWindow(FALSE);
	}
}

CQtModalOwner::~CQtModalOwner()
{
	CWindowHost* pHost = CWindowHost::FromHandle(m_hOwner);
	if (pHost == nullptr)
	{
		return;
	}
	if (m_bReenable)
	{
		CWnd::FromHandle(m_hOwner)->EnableWindow(TRUE);
	}
	ReturnActivation(m_hOwner);
}

QWidget* CQtModalOwner::Widget() const
{
	CWindowHost* pHost = CWindowHost::FromHandle(m_hOwner);
	return pHost != nullptr ? pHost->m_pWidget : nullptr;
}
