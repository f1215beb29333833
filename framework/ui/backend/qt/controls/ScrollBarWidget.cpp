// The widget of a SCROLLBAR window, a QScrollBar that, like the Windows control, does not move
// itself: it tells the model of the user's actions and shows the thumb where the model puts it.
#include "framework/core/ControlConstants.h"
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/controls/ControlWidgets.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionSlider>

#include <algorithm>

namespace
{

// Handed to the style with the shared palette of its colours: the style caches a scroll bar's
// groove and handle, and the bars of every window opened again would add theirs anew.
class CScrollBarWidget : public CPaletteSharingWidget<QScrollBar, QStyleOptionSlider>
{
public:
	using CPaletteSharingWidget::CPaletteSharingWidget;

	// Where the model last put the thumb.
	int m_nPlaced = 0;
};

void ActionTriggered(HWND hWnd, int nAction)
{
	CScrollBarWidget* pBar = ControlWidget<CScrollBarWidget>(hWnd);
	if (pBar == nullptr)
	{
		return;
	}
	UINT nCode = SB_ENDSCROLL;
	switch (nAction)
	{
	case QAbstractSlider::SliderSingleStepAdd:
		nCode = SB_LINEDOWN;
		break;
	case QAbstractSlider::SliderSingleStepSub:
		nCode = SB_LINEUP;
		break;
	case QAbstractSlider::SliderPageStepAdd:
		nCode = SB_PAGEDOWN;
		break;
	case QAbstractSlider::SliderPageStepSub:
		nCode = SB_PAGEUP;
		break;
	case QAbstractSlider::SliderToMinimum:
		nCode = SB_TOP;
		break;
	case QAbstractSlider::SliderToMaximum:
		nCode = SB_BOTTOM;
		break;
	case QAbstractSlider::SliderMove:
		// The thumb follows the mouse while it is dragged, as on Windows.
		OnToolkitScrollBarAction(hWnd, SB_THUMBTRACK, pBar->sliderPosition());
		return;
	default:
		return;
	}
	pBar->setSliderPosition(pBar->m_nPlaced);
	OnToolkitScrollBarAction(hWnd, nCode, 0);
}

}

QWidget* CreateScrollBarWidget(HWND hWnd, const NativeWindowRequest& request, QWidget* pParent)
{
	CScrollBarWidget* pBar = new CScrollBarWidget((request.dwStyle & SBS_VERT) != 0 ? Qt::Vertical : Qt::Horizontal,
		pParent);
	// A right click on a bar is the program's (a grid opens its own menu there); the toolkit's
	// scrolling menu would come up on top of it, in its own words.
	pBar->setContextMenuPolicy(Qt::NoContextMenu);
	QObject::connect(pBar, &QAbstractSlider::actionTriggered, pBar, [hWnd](int nAction) { ActionTriggered(hWnd, nAction); });
	QObject::connect(pBar, &QAbstractSlider::sliderReleased, pBar, [hWnd] { OnToolkitScrollThumbReleased(hWnd); });
	return pBar;
}

void CQtDriver::SetScrollBarState(HWND hWnd, int nMin, int nMaxPos, int nPage, int nPos)
{
	CScrollBarWidget* pBar = ControlWidget<CScrollBarWidget>(hWnd);
	if (pBar == nullptr)
	{
		return;
	}
	const QSignalBlocker blocker(pBar);
	pBar->m_nPlaced = nPos;
	pBar->setRange(nMin, nMaxPos);
	// Qt takes no empty page.
	pBar->setPageStep(std::max(nPage, 1));
	pBar->setValue(nPos);
}

bool CQtDriver::IsScrollBarThumbHeld(HWND hWnd)
{
	CScrollBarWidget* pBar = ControlWidget<CScrollBarWidget>(hWnd);
	return pBar != nullptr && pBar->isSliderDown();
}
