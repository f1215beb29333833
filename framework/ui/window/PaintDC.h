// The DCs of a window: CPaintDC for WM_PAINT, CClientDC and CWindowDC for drawing at any time.
// All draw on the window's surface, which then reaches the screen.
#pragma once

#include "framework/ui/gdi/Dc.h"
#include "framework/ui/window/WndTypes.h"

class CWnd;

class CPaintDC : public CDC
{
	DECLARE_DYNAMIC(CPaintDC)

public:
	// BeginPaint: clipped to the update region, which empties; WM_ERASEBKGND comes first when
	// the invalidation asked for erasing.
	explicit CPaintDC(CWnd* pWnd);
	~CPaintDC() override;

	HWND m_hWnd;
	PAINTSTRUCT m_ps;
};

class CClientDC : public CDC
{
	DECLARE_DYNAMIC(CClientDC)

public:
	explicit CClientDC(CWnd* pWnd);
	~CClientDC() override;

	HWND m_hWnd;
};

// The framework draws the non-client border itself, so a window DC reaches the client surface
// only, with the client area's origin: unlike Windows, the border cannot be painted over.
class CWindowDC : public CDC
{
	DECLARE_DYNAMIC(CWindowDC)

public:
	explicit CWindowDC(CWnd* pWnd);
	~CWindowDC() override;

	HWND m_hWnd;
};
