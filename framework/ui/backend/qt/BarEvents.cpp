// Turns Qt's leave events on a bar's widget into WM_MOUSELEAVE.
#include "framework/ui/backend/qt/BarEvents.h"

#include "framework/core/BarConstants.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/window/WindowRecord.h"

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
			if (CWindowRecord* pHost = CWindowRecord::FromHandle(m_hWnd))
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
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr || NativeWidget(pHost->Handle()) == nullptr)
	{
		return;
	}
	// The filter is a child of the widget and goes with it.
	NativeWidget(pHost->Handle())->installEventFilter(new CLeaveFilter(hWnd, NativeWidget(pHost->Handle())));
}
