// Hearing of a new desktop colour scheme: Qt tells the application object of a palette change,
// and the model then learns of the colours that changed.
#include "framework/ui/backend/qt/DesktopColors.h"

#include "framework/ui/backend/Driver.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <utility>
#include <vector>

namespace
{

std::vector<std::pair<int, COLORREF>> s_queuedColors;

class CDesktopColourWatch : public QObject
{
public:
	using QObject::QObject;

protected:
	bool eventFilter(QObject* pWatched, QEvent* pEvent) override
	{
		if (pEvent->type() == QEvent::ApplicationPaletteChange && pWatched == QCoreApplication::instance())
		{
			std::vector<std::pair<int, COLORREF>> colors;
			colors.swap(s_queuedColors);
			OnToolkitColorsChanged(colors);
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

void QueueDesktopColor(int nIndex, COLORREF cr)
{
	s_queuedColors.emplace_back(nIndex, cr);
}
