// Turns Qt's leave events on a bar's widget into WM_MOUSELEAVE.
#include "framework/ui/backend/qt/BarEvents.h"

#include "framework/core/BarConstants.h"
#include "framework/ui/backend/qt/WindowHost.h"

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
			if (CWindowHost* pHost = CWindowHost::FromHandle(m_hWnd))
			{
				pHost->Send(WM_MOUSELEAVE, 0, 0);
			}
		}
		return false;
	}

private:
	HWND m_hWnd;
};

}

void TrackBarMouseLeave(HWND hWnd)
{
	CWindowHost* pHost = CWindowHost::FromHandle(hWnd);
	if (pHost == nullptr || pHost->m_pWidget == nullptr)
	{
		return;
	}
	// The filter is a child of the widget and goes with it.
	pHost->m_pWidget->installEventFilter(new CLeaveFilter(hWnd, pHost->m_pWidget));
}
