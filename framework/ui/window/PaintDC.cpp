// Window DCs attached to the window's surface through the DC seam.
#include "framework/ui/window/PaintDC.h"

#include "framework/ui/backend/qt/DcBackend.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/window/Wnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace
{

// A null window, as on Windows, means the desktop.
CWindowHost* HostFor(CWnd* pWnd)
{
	return pWnd != nullptr ? CWindowHost::FromHandle(pWnd->m_hWnd) : CWindowHost::Desktop();
}

void AttachToSurface(CDC& dc, CWindowHost* pHost)
{
	if (pHost != nullptr)
	{
		AttachDcToDevice(dc, &pHost->Surface(), nullptr);
	}
}

void DetachFromSurface(CDC& dc, HWND hWnd)
{
	if (dc.m_hDC == nullptr)
	{
		return;
	}
	DetachDc(dc);
	if (CWindowHost* pHost = CWindowHost::FromHandle(hWnd))
	{
		pHost->ScheduleScreenUpdate();
	}
}

}

CPaintDC::CPaintDC(CWnd* pWnd)
	: m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
	, m_ps()
{
	if (CWindowHost* pHost = CWindowHost::FromHandle(m_hWnd))
	{
		pHost->BeginPaint(*this, m_ps);
	}
}

CPaintDC::~CPaintDC()
{
	CWindowHost* pHost = CWindowHost::FromHandle(m_hWnd);
	if (pHost != nullptr && m_hDC != nullptr)
	{
		pHost->EndPaint(*this, m_ps);
	}
	else if (m_hDC != nullptr)
	{
		DetachDc(*this);
	}
}

CClientDC::CClientDC(CWnd* pWnd)
	: m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
	CWindowHost* pHost = HostFor(pWnd);
	m_hWnd = pHost != nullptr ? pHost->Handle() : nullptr;
	AttachToSurface(*this, pHost);
}

CClientDC::~CClientDC()
{
	DetachFromSurface(*this, m_hWnd);
}

CWindowDC::CWindowDC(CWnd* pWnd)
	: m_hWnd(nullptr)
{
	CWindowHost* pHost = HostFor(pWnd);
	m_hWnd = pHost != nullptr ? pHost->Handle() : nullptr;
	AttachToSurface(*this, pHost);
}

CWindowDC::~CWindowDC()
{
	DetachFromSurface(*this, m_hWnd);
}
