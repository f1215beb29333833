// Hearing of a new desktop colour scheme: Qt tells the application object of a palette change,
// and the program's windows hear of it as they would on Windows, then are drawn again.
#include "framework/ui/backend/qt/DesktopColors.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/WindowHost.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <vector>

namespace
{

void AnnounceSysColorChange()
{
	// The desktop's host is made on first use and joins the registry: made here, not in the loop.
	const CWindowHost* pDesktop = CWindowHost::Desktop();
	std::vector<HWND> topLevel;
	for (CWindowHost* pHost : CWindowHost::LiveWindows())
	{
		if (!pHost->IsChildWindow() && !pHost->m_bDead && pHost != pDesktop)
		{
			topLevel.push_back(pHost->Handle());
		}
	}
	for (HWND hWnd : topLevel)
	{
		if (CWindowHost* pHost = CWindowHost::FromHandle(hWnd))
		{
			pHost->Send(WM_SYSCOLORCHANGE, 0, 0);
		}
	}
	// Windows draws every window again in the new colours.
	for (CWindowHost* pHost : CWindowHost::LiveWindows())
	{
		if (!pHost->m_bDead && pHost->m_pWidget != nullptr)
		{
			const CSize size = pHost->ClientSize();
			pHost->Invalidate(QRegion(0, 0, size.cx, size.cy), true);
			pHost->m_pWidget->update();
		}
	}
}

class CDesktopColourWatch : public QObject
{
public:
	using QObject::QObject;

protected:
	bool eventFilter(QObject* pWatched, QEvent* pEvent) override
	{
		if (pEvent->type() == QEvent::ApplicationPaletteChange && pWatched == QCoreApplication::instance())
		{
			AnnounceSysColorChange();
		}
		return false;
	}
};

}

void WatchDesktopColours()
{
	QCoreApplication* pApp = QCoreApplication::instance();
	pApp->installEventFilter(new CDesktopColourWatch(pApp));
}
