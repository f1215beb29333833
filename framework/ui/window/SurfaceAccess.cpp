// Test access to window surfaces and to the style's cache.
// The cache's size is declared for Qt's own tests only, though always exported.
#define Q_TEST_QPIXMAPCACHE
#include "framework/ui/window/SurfaceAccess.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/qt/WindowHost.h"
#include "framework/ui/window/Wnd.h"

#include <QColor>
#include <QPixmapCache>

COLORREF GetSurfacePixel(CWnd* pWnd, int x, int y)
{
	CWindowHost* pHost = pWnd != nullptr ? CWindowHost::FromHandle(pWnd->m_hWnd) : nullptr;
	if (pHost == nullptr)
	{
		return CLR_INVALID;
	}
	CSize size = pHost->ClientSize();
	if (x < 0 || y < 0 || x >= size.cx || y >= size.cy)
	{
		return CLR_INVALID;
	}
	QColor color = pHost->Surface().pixelColor(x, y);
	return RGB(static_cast<BYTE>(color.red()), static_cast<BYTE>(color.green()), static_cast<BYTE>(color.blue()));
}

CSize GetSurfaceSize(CWnd* pWnd)
{
	CWindowHost* pHost = pWnd != nullptr ? CWindowHost::FromHandle(pWnd->m_hWnd) : nullptr;
	return pHost != nullptr ? pHost->ClientSize() : CSize(0, 0);
}

// Qt counts each entry in kilobytes and reports the total in units of 1024 of those.
UINT GetStyleCacheMegabytes()
{
	return static_cast<UINT>(QPixmapCache::totalUsed());
}
