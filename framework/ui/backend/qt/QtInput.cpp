// The Qt driver's input: keyboard focus, the mouse grab, activation, timers, cursors and the
// program's one tooltip window.
#include "framework/ui/backend/qt/QtDriver.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/system/SystemServices.h"
#include "framework/ui/window/UserServices.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QTimerEvent>
#include <QWidget>

#include <map>

namespace
{

// Receives the Qt timers of one window, or of the framework itself, and hands them to the model.
class CTimerTarget : public QObject
{
public:
	explicit CTimerTarget(HWND hWnd)
		: m_hWnd(hWnd)
	{
	}

	std::map<UINT_PTR, int> m_timers;

protected:
	void timerEvent(QTimerEvent* pEvent) override
	{
		NativeWindow* pNative = m_hWnd != nullptr ? FindNativeWindow(m_hWnd) : nullptr;
		if (m_hWnd != nullptr && pNative == nullptr)
		{
			return;
		}
		for (const auto& timer : pNative != nullptr ? pNative->timers : m_timers)
		{
			if (timer.second == pEvent->timerId())
			{
				OnToolkitTimer(m_hWnd, timer.first);
				return;
			}
		}
	}

private:
	HWND m_hWnd;
};

CTimerTarget* FrameworkTimers()
{
	static QPointer<CTimerTarget> s_pTarget;
	if (s_pTarget == nullptr)
	{
		s_pTarget = new CTimerTarget(nullptr);
	}
	return s_pTarget;
}

Qt::CursorShape ShapeOf(UINT nResourceID)
{
	switch (nResourceID)
	{
	case 32513: return Qt::IBeamCursor;
	case 32514: return Qt::WaitCursor;
	case 32515: return Qt::CrossCursor;
	case 32516: return Qt::UpArrowCursor;
	case 32642: return Qt::SizeFDiagCursor;
	case 32643: return Qt::SizeBDiagCursor;
	case 32644: return Qt::SizeHorCursor;
	case 32645: return Qt::SizeVerCursor;
	case 32646: return Qt::SizeAllCursor;
	case 32648: return Qt::ForbiddenCursor;
	case 32650: return Qt::BusyCursor;
	case 32651: return Qt::WhatsThisCursor;
	default: return Qt::ArrowCursor;
	}
}

// The one tooltip window. It belongs to the widget of the window that showed it last, and goes
// with that widget.
QPointer<QLabel>& TipLabel()
{
	static QPointer<QLabel> s_pTip;
	return s_pTip;
}

QLabel* CreateTipLabel(QWidget* pOwner)
{
	QLabel* pTip = new QLabel(pOwner, Qt::ToolTip);
	pTip->setTextFormat(Qt::PlainText);
	pTip->setMargin(2);
	const COLORREF crBack = GetSysColor(COLOR_INFOBK);
	const COLORREF crText = GetSysColor(COLOR_INFOTEXT);
	pTip->setStyleSheet(QString("QLabel { background-color: rgb(%1, %2, %3); color: rgb(%4, %5, %6); "
		"border: 1px solid black; }")
			.arg(GetRValue(crBack)).arg(GetGValue(crBack)).arg(GetBValue(crBack))
			.arg(GetRValue(crText)).arg(GetGValue(crText)).arg(GetBValue(crText)));
	return pTip;
}

}

void CQtDriver::SetNativeCursor(HWND hWnd, HCURSOR hCursor)
{
	if (QWidget* pWidget = NativeWidget(hWnd))
	{
		pWidget->setCursor(hCursor != nullptr ? QCursor(ShapeOf(hCursor->nResourceID)) : QCursor(Qt::BlankCursor));
	}
}

void CQtDriver::SetWaitCursor(bool bWait)
{
	if (bWait)
	{
		QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
	}
	else if (QGuiApplication::overrideCursor() != nullptr)
	{
		QGuiApplication::restoreOverrideCursor();
	}
}

void CQtDriver::ShowToolTip(HWND hWnd, const CString& strText, const CPoint& ptClient)
{
	NativeWindow* pNative = FindNativeWindow(hWnd);
	if (pNative == nullptr || pNative->pWidget == nullptr)
	{
		return;
	}
	QPointer<QLabel>& pTip = TipLabel();
	if (pTip != nullptr && pTip->parentWidget() != pNative->pWidget)
	{
		delete pTip;
	}
	if (pTip == nullptr)
	{
		pTip = CreateTipLabel(pNative->pWidget);
	}
	pTip->setText(ToQString(strText));
	pTip->adjustSize();
	pTip->move(pNative->pWidget->mapToGlobal(QPoint(ptClient.x + pNative->ptClient.x, ptClient.y + pNative->ptClient.y)));
	pTip->show();
}

void CQtDriver::HideToolTip()
{
	if (QLabel* pTip = TipLabel())
	{
		pTip->hide();
	}
}

CString CQtDriver::ToolTipText()
{
	QLabel* pTip = TipLabel();
	return pTip != nullptr && pTip->isVisible() ? FromQString(pTip->text()) : CString();
}

void CQtDriver::SetNativeFocus(HWND hWnd)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget != nullptr && !pWidget->hasFocus())
	{
		pWidget->setFocus(Qt::OtherFocusReason);
	}
}

void CQtDriver::GrabNativeMouse(HWND hWnd)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget != nullptr && pWidget->isVisible())
	{
		pWidget->grabMouse();
	}
}

void CQtDriver::ReleaseNativeMouse(HWND hWnd)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget != nullptr && QWidget::mouseGrabber() == pWidget)
	{
		pWidget->releaseMouse();
	}
}

HWND CQtDriver::ActiveNativeWindow()
{
	return WindowOfWidget(QApplication::activeWindow());
}

void CQtDriver::ActivateNativeWindow(HWND hWnd)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget != nullptr && pWidget->isVisible())
	{
		// Window managers raise the window they activate.
		pWidget->activateWindow();
	}
}

BOOL CQtDriver::StartTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse)
{
	CTimerTarget* pTarget = FrameworkTimers();
	std::map<UINT_PTR, int>* pTimers = &pTarget->m_timers;
	if (hWnd != nullptr)
	{
		NativeWindow* pNative = &NativeWindowOf(hWnd);
		if (pNative->pTimerTarget == nullptr)
		{
			pNative->pTimerTarget = new CTimerTarget(hWnd);
		}
		pTarget = static_cast<CTimerTarget*>(pNative->pTimerTarget);
		pTimers = &pNative->timers;
	}
	auto it = pTimers->find(nIDEvent);
	if (it != pTimers->end())
	{
		pTarget->killTimer(it->second);
		pTimers->erase(it);
	}
	const int nTimerId = pTarget->startTimer(static_cast<int>(nElapse));
	if (nTimerId == 0)
	{
		return FALSE;
	}
	(*pTimers)[nIDEvent] = nTimerId;
	return TRUE;
}

void CQtDriver::StopTimer(HWND hWnd, UINT_PTR nIDEvent)
{
	CTimerTarget* pTarget = FrameworkTimers();
	std::map<UINT_PTR, int>* pTimers = &pTarget->m_timers;
	if (hWnd != nullptr)
	{
		NativeWindow* pNative = FindNativeWindow(hWnd);
		if (pNative == nullptr || pNative->pTimerTarget == nullptr)
		{
			return;
		}
		pTarget = static_cast<CTimerTarget*>(pNative->pTimerTarget);
		pTimers = &pNative->timers;
	}
	auto it = pTimers->find(nIDEvent);
	if (it != pTimers->end())
	{
		pTarget->killTimer(it->second);
		pTimers->erase(it);
	}
}
