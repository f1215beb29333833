// Test access to window surfaces, to the minimum size the desktop holds a window to and to the
// style's cache.
// The cache's size is declared for Qt's own tests only, though always exported.
#define Q_TEST_QPIXMAPCACHE
#include "framework/ui/testing/SurfaceAccess.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/WindowTrackSize.h"
#include "framework/ui/window/Wnd.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QWidget>

namespace
{

CWindowRecord* RecordOf(CWnd* pWnd)
{
	return pWnd != nullptr ? CWindowRecord::FromHandle(pWnd->m_hWnd) : nullptr;
}

bool HasShownChild(const CWindowRecord& record)
{
	for (CWindowRecord* pChild : record.m_children)
	{
		QWidget* pWidget = NativeWidget(pChild->Handle());
		if (pWidget != nullptr && !pWidget->isHidden())
		{
			return true;
		}
	}
	return false;
}

}

COLORREF GetSurfacePixel(CWnd* pWnd, int x, int y)
{
	CWindowRecord* pRecord = RecordOf(pWnd);
	if (pRecord == nullptr)
	{
		return CLR_INVALID;
	}
	CSize size = pRecord->ClientSize();
	if (x < 0 || y < 0 || x >= size.cx || y >= size.cy)
	{
		return CLR_INVALID;
	}
	QColor color = FittedSurface(pRecord->Handle(), size).pixelColor(x, y);
	return RGB(static_cast<BYTE>(color.red()), static_cast<BYTE>(color.green()), static_cast<BYTE>(color.blue()));
}

CSize GetSurfaceSize(CWnd* pWnd)
{
	CWindowRecord* pRecord = RecordOf(pWnd);
	return pRecord != nullptr ? pRecord->ClientSize() : CSize(0, 0);
}

COLORREF GetShownPixel(CWnd* pWnd, int x, int y)
{
	CWindowRecord* pRecord = RecordOf(pWnd);
	if (pRecord == nullptr || !pRecord->m_bNative || (pRecord->PaintsOnSurface() && !HasShownChild(*pRecord)))
	{
		return GetSurfacePixel(pWnd, x, y);
	}
	return AfxGetDriver().ReadShownPixel(pRecord->Handle(), CPoint(x, y), pRecord->ClientSize());
}

CSize GetDesktopMinimumSize(CWnd* pWnd)
{
	CWindowRecord* pRecord = RecordOf(pWnd);
	return pRecord != nullptr ? NativeMinimum(*pRecord) : CSize(0, 0);
}

// Qt counts each entry in kilobytes and reports the total in units of 1024 of those.
UINT GetStyleCacheMegabytes()
{
	return static_cast<UINT>(QPixmapCache::totalUsed());
}
