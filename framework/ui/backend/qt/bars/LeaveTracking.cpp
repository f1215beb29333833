// Qt's leave events on a window's widget, told to the model as the pointer leaving the window.
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/backend/qt/QtDriver.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace
{

class CLeaveFilter : public QObject
{
public:
	CLeaveFilter(HWND hWnd, QObject* pParent)
		: QObject(pParent), m_hWnd(hWnd)
	{
	}

protected:
	bool eventFilter(QObject*, QEvent* pEvent) override
	{
		if (pEvent->type() == QEvent::Leave)
		{
			OnToolkitMouseLeave(m_hWnd);
		}
		return false;
	}

private:
	HWND m_hWnd;
};

}

void CQtDriver::TrackMouseLeave(HWND hWnd)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget == nullptr)
	{
		return;
	}
	// The filter is a child of the widget and goes with it.
	pWidget->installEventFilter(new CLeaveFilter(hWnd, pWidget));
}
