// Test access to window surfaces, to the minimum size the desktop holds a window to and to the
// style's cache.
// The cache's size is declared for Qt's own tests only, though always exported.
#define Q_TEST_QPIXMAPCACHE
#include "framework/ui/window/SurfaceAccess.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/backend/qt/WindowTrackSize.h"
#include "framework/ui/window/Wnd.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QWidget>

namespace
{

bool HasShownChild(const CWindowHost& host)
{
	for (const CWindowHost* pChild : host.m_children)
	{
		if (pChild->m_pWidget != nullptr && !pChild->m_pWidget->isHidden())
		{
			return true;
		}
	}
	return false;
}

}

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

COLORREF GetShownPixel(CWnd* pWnd, int x, int y)
{
	CWindowHost* pHost = pWnd != nullptr ? CWindowHost::FromHandle(pWnd->m_hWnd) : nullptr;
	if (pHost == nullptr || pHost->m_pWidget == nullptr || (pHost->PaintsOnSurface() && !HasShownChild(*pHost)))
	{
		return GetSurfacePixel(pWnd, x, y);
	}
	const CSize size = pHost->ClientSize();
	if (x < 0 || y < 0 || x >= size.cx || y >= size.cy)
	{
		return CLR_INVALID;
	}
	// The widget's picture holds the children as they are stacked, drawn over the client area.
	const CPoint offset = pHost->ClientOffsetInWidget();
	const QImage image = pHost->m_pWidget->grab().toImage();
	if (!image.valid(x + offset.x, y + offset.y))
	{
		return CLR_INVALID;
	}
	const QColor color = image.pixelColor(x + offset.x, y + offset.y);
	return RGB(static_cast<BYTE>(color.red()), static_cast<BYTE>(color.green()), static_cast<BYTE>(color.blue()));
}

CSize GetDesktopMinimumSize(CWnd* pWnd)
{
	CWindowHost* pHost = pWnd != nullptr ? CWindowHost::FromHandle(pWnd->m_hWnd) : nullptr;
	return pHost != nullptr ? WidgetMinimum(*pHost) : CSize(0, 0);
}

// Qt counts each entry in kilobytes and reports the total in units of 1024 of those.
UINT GetStyleCacheMegabytes()
{
	return static_cast<UINT>(QPixmapCache::totalUsed());
}
