// Disabling, enabling and activating the owner around one of Qt's modal dialogs.
#include "framework/ui/backend/qt/QtModalOwner.h"

#include "framework/ui/window/WindowActivation.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

CQtModalOwner::CQtModalOwner(CWnd* pOwner)
	: m_hOwner(nullptr)
	, m_bReenable(false)
{
	CWindowRecord* pHost = pOwner != nullptr ? CWindowRecord::FromHandle(pOwner->m_hWnd) : nullptr;
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
	CWindowRecord* pHost = CWindowRecord::FromHandle(m_hOwner);
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
	CWindowRecord* pHost = CWindowRecord::FromHandle(m_hOwner);
	return pHost != nullptr ? NativeWidget(pHost->Handle()) : nullptr;
}
