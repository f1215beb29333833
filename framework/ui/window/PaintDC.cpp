// Window DCs attached to the window's surface through the DC seam.
#include "framework/ui/window/PaintDC.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/gdi/DcAttach.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace
{

// A null window, as on Windows, means the desktop.
CWindowRecord* RecordFor(CWnd* pWnd)
{
	return pWnd != nullptr ? CWindowRecord::FromHandle(pWnd->m_hWnd) : CWindowRecord::Desktop();
}

void AttachToSurface(CDC& dc, CWindowRecord* pRecord)
{
	if (pRecord != nullptr)
	{
		AttachDcToSurface(dc, AfxGetDriver().WindowSurface(pRecord->Handle(), pRecord->ClientSize()), nullptr);
	}
}

void DetachFromSurface(CDC& dc, HWND hWnd)
{
	if (dc.m_hDC == nullptr)
	{
		return;
	}
	DetachDc(dc);
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(hWnd))
	{
		pRecord->RequestNativePaint();
	}
}

}

CPaintDC::CPaintDC(CWnd* pWnd)
	: m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
	, m_ps()
{
	if (CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd))
	{
		pRecord->BeginPaint(*this, m_ps);
	}
}

CPaintDC::~CPaintDC()
{
	CWindowRecord* pRecord = CWindowRecord::FromHandle(m_hWnd);
	if (pRecord != nullptr && m_hDC != nullptr)
	{
		pRecord->EndPaint(*this, m_ps);
	}
	else if (m_hDC != nullptr)
	{
		DetachDc(*this);
	}
}

CClientDC::CClientDC(CWnd* pWnd)
	: m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
	CWindowRecord* pRecord = RecordFor(pWnd);
	m_hWnd = pRecord != nullptr ? pRecord->Handle() : nullptr;
	AttachToSurface(*this, pRecord);
}

CClientDC::~CClientDC()
{
	DetachFromSurface(*this, m_hWnd);
}

CWindowDC::CWindowDC(CWnd* pWnd)
	: m_hWnd(nullptr)
{
	CWindowRecord* pRecord = RecordFor(pWnd);
	m_hWnd = pRecord != nullptr ? pRecord->Handle() : nullptr;
	AttachToSurface(*this, pRecord);
}

CWindowDC::~CWindowDC()
{
	DetachFromSurface(*this, m_hWnd);
}
