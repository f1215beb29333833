// Qt events on a window's widget handed to the model: painting from the surface, mouse, wheel,
// keyboard, focus, moves by the desktop, activation, the close box and drags of files.
#include "framework/ui/backend/qt/HostWidget.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/Driver.h"
#include "framework/ui/backend/qt/FileDrops.h"
#include "framework/ui/backend/qt/NativeWindows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

namespace
{

int VirtualKeyOf(int nQtKey, bool bKeypad)
{
	if (nQtKey == Qt::Key_Plus || nQtKey == Qt::Key_Equal)
	{
		return bKeypad ? VK_ADD : VK_OEM_PLUS;
	}
	if (nQtKey == Qt::Key_Minus)
	{
		return bKeypad ? VK_SUBTRACT : VK_OEM_MINUS;
	}
	if ((nQtKey >= Qt::Key_A && nQtKey <= Qt::Key_Z) || (nQtKey >= Qt::Key_0 && nQtKey <= Qt::Key_9))
	{
		return nQtKey;
	}
	if (nQtKey >= Qt::Key_F1 && nQtKey <= Qt::Key_F12)
	{
		return VK_F1 + (nQtKey - Qt::Key_F1);
	}
	switch (nQtKey)
	{
	case Qt::Key_Backspace: return VK_BACK;
	case Qt::Key_Tab: return VK_TAB;
	case Qt::Key_Backtab: return VK_TAB;
	case Qt::Key_Return: return VK_RETURN;
	case Qt::Key_Enter: return VK_RETURN;
	case Qt::Key_Shift: return VK_SHIFT;
	case Qt::Key_Control: return VK_CONTROL;
	case Qt::Key_Alt: return VK_MENU;
	case Qt::Key_Pause: return VK_PAUSE;
	case Qt::Key_CapsLock: return VK_CAPITAL;
	case Qt::Key_Escape: return VK_ESCAPE;
	case Qt::Key_Space: return VK_SPACE;
	case Qt::Key_PageUp: return VK_PRIOR;
	case Qt::Key_PageDown: return VK_NEXT;
	case Qt::Key_End: return VK_END;
	case Qt::Key_Home: return VK_HOME;
	case Qt::Key_Left: return VK_LEFT;
	case Qt::Key_Up: return VK_UP;
	case Qt::Key_Right: return VK_RIGHT;
	case Qt::Key_Down: return VK_DOWN;
	case Qt::Key_Insert: return VK_INSERT;
	case Qt::Key_Delete: return VK_DELETE;
	case Qt::Key_Help: return VK_HELP;
	case Qt::Key_NumLock: return VK_NUMLOCK;
	case Qt::Key_ScrollLock: return VK_SCROLL;
	default: return 0;
	}
}

UINT MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
	UINT nFlags = 0;
	if (buttons & Qt::LeftButton)
	{
		nFlags |= MK_LBUTTON;
	}
	if (buttons & Qt::RightButton)
	{
		nFlags |= MK_RBUTTON;
	}
	if (buttons & Qt::MiddleButton)
	{
		nFlags |= MK_MBUTTON;
	}
	if (modifiers & Qt::ShiftModifier)
	{
		nFlags |= MK_SHIFT;
	}
	if (modifiers & Qt::ControlModifier)
	{
		nFlags |= MK_CONTROL;
	}
	return nFlags;
}

int ButtonOf(Qt::MouseButton button)
{
	switch (button)
	{
	case Qt::LeftButton:
		return VK_LBUTTON;
	case Qt::RightButton:
		return VK_RBUTTON;
	case Qt::MiddleButton:
		return VK_MBUTTON;
	default:
		return 0;
	}
}

// The event being translated is kept for the window's own processing (a native control asks
// which key made a character), the outer one coming back afterwards.
class CTranslatedEvent
{
public:
	CTranslatedEvent(HWND hWnd, QEvent* pEvent)
		: m_hWnd(hWnd)
	{
		NativeWindow& native = NativeWindowOf(hWnd);
		m_pOuter = native.pTranslatedEvent;
		native.pTranslatedEvent = pEvent;
	}

	~CTranslatedEvent()
	{
		if (NativeWindow* pNative = FindNativeWindow(m_hWnd))
		{
			pNative->pTranslatedEvent = m_pOuter;
		}
	}

	CTranslatedEvent(const CTranslatedEvent&) = delete;
	CTranslatedEvent& operator=(const CTranslatedEvent&) = delete;

private:
	HWND m_hWnd;
	QEvent* m_pOuter;
};

bool TranslateMouse(HWND hWnd, QMouseEvent* pEvent)
{
	ToolkitMouse mouse = {};
	switch (pEvent->type())
	{
	case QEvent::MouseButtonPress:
		mouse.nAction = ToolkitMouseAction::Press;
		break;
	case QEvent::MouseButtonDblClick:
		mouse.nAction = ToolkitMouseAction::DoubleClick;
		break;
	case QEvent::MouseButtonRelease:
		mouse.nAction = ToolkitMouseAction::Release;
		break;
	default:
		mouse.nAction = ToolkitMouseAction::Move;
		break;
	}
	mouse.nButton = mouse.nAction == ToolkitMouseAction::Move ? 0 : ButtonOf(pEvent->button());
	mouse.ptScreen = CPoint(pEvent->globalPosition().toPoint().x(), pEvent->globalPosition().toPoint().y());
	mouse.nKeyFlags = MouseKeyFlags(pEvent->buttons(), pEvent->modifiers());
	CTranslatedEvent translated(hWnd, pEvent);
	return OnToolkitMouse(hWnd, mouse);
}

bool TranslateWheel(HWND hWnd, QWheelEvent* pEvent)
{
	const QPoint ptScreen = pEvent->globalPosition().toPoint();
	CTranslatedEvent translated(hWnd, pEvent);
	return OnToolkitWheel(hWnd, CPoint(ptScreen.x(), ptScreen.y()), pEvent->angleDelta().y(),
		MouseKeyFlags(pEvent->buttons(), pEvent->modifiers()));
}

bool TranslateKey(HWND hWnd, QKeyEvent* pEvent)
{
	ToolkitKey key = {};
	key.bPress = pEvent->type() == QEvent::KeyPress;
	key.nVirtKey = VirtualKeyOf(pEvent->key(), (pEvent->modifiers() & Qt::KeypadModifier) != 0);
	key.bAutoRepeat = pEvent->isAutoRepeat();
	const QString strText = pEvent->text();
	key.nChar = strText.isEmpty() ? 0 : strText.at(0).unicode();
	CTranslatedEvent translated(hWnd, pEvent);
	return OnToolkitKey(hWnd, key);
}

void DrawEdge(QPainter& painter, const QRect& rc, const FrameEdge& edge)
{
	const QColor topLeft(GetRValue(edge.crTopLeft), GetGValue(edge.crTopLeft), GetBValue(edge.crTopLeft));
	const QColor bottomRight(GetRValue(edge.crBottomRight), GetGValue(edge.crBottomRight), GetBValue(edge.crBottomRight));
	painter.fillRect(rc.left(), rc.top(), rc.width(), 1, topLeft);
	painter.fillRect(rc.left(), rc.top(), 1, rc.height(), topLeft);
	painter.fillRect(rc.left(), rc.bottom(), rc.width(), 1, bottomRight);
	painter.fillRect(rc.right(), rc.top(), 1, rc.height(), bottomRight);
}

bool PaintFromSurface(HWND hWnd, QWidget* pWidget)
{
	SurfacePaint paint = {};
	if (!OnToolkitPaint(hWnd, paint))
	{
		return false;
	}
	if (!paint.bFromSurface || FindNativeWindow(hWnd) == nullptr)
	{
		return true;
	}
	QPainter painter(pWidget);
	const QRect rcWidget = pWidget->rect();
	if (paint.nonClient.bFill)
	{
		const COLORREF cr = paint.nonClient.crFill;
		painter.fillRect(rcWidget, QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr)));
	}
	for (const FrameEdge& edge : paint.nonClient.edges)
	{
		DrawEdge(painter, rcWidget.adjusted(edge.nInset, edge.nInset, -edge.nInset, -edge.nInset), edge);
	}
	painter.drawImage(paint.ptClient.x, paint.ptClient.y, FittedSurface(hWnd, paint.sizeClient));
	return true;
}

void FollowDesktopGeometry(HWND hWnd, QWidget* pWidget)
{
	const QRect rcWidget = pWidget->geometry();
	OnToolkitMovedByDesktop(hWnd, CRect(rcWidget.left(), rcWidget.top(), rcWidget.left() + rcWidget.width(),
		rcWidget.top() + rcWidget.height()));
}

// Some window managers offer to minimise whatever the window's hints say; a window that cannot be
// minimised comes back at once.
void RefuseMinimizing(HWND hWnd, QWidget* pWidget)
{
	if (!pWidget->isMinimized() || OnToolkitMinimized(hWnd))
	{
		return;
	}
	QTimer::singleShot(0, pWidget, [pWidget] { pWidget->setWindowState(pWidget->windowState() & ~Qt::WindowMinimized); });
}

// Turns a Qt event on the window's widget into the model's toolkit events; true when the widget
// must not process the event itself.
bool TranslateWindowEvent(HWND hWnd, QWidget* pWidget, QEvent* pEvent)
{
	if (hWnd == nullptr || NativeWidget(hWnd) != pWidget)
	{
		return false;
	}
	switch (pEvent->type())
	{
	case QEvent::Paint:
		return PaintFromSurface(hWnd, pWidget);
	case QEvent::MouseButtonPress:
	case QEvent::MouseButtonRelease:
	case QEvent::MouseButtonDblClick:
	case QEvent::MouseMove:
		return TranslateMouse(hWnd, static_cast<QMouseEvent*>(pEvent));
	case QEvent::Wheel:
		return TranslateWheel(hWnd, static_cast<QWheelEvent*>(pEvent));
	case QEvent::KeyPress:
	case QEvent::KeyRelease:
		return TranslateKey(hWnd, static_cast<QKeyEvent*>(pEvent));
	case QEvent::FocusIn:
		OnToolkitFocusIn(hWnd);
		return false;
	case QEvent::FocusOut:
		// Focus that moves to another of our windows is followed when that window hears of it.
		if (WindowOfWidget(QApplication::focusWidget()) == nullptr)
		{
			OnToolkitFocusOut(hWnd);
		}
		return false;
	case QEvent::Move:
	case QEvent::Resize:
		FollowDesktopGeometry(hWnd, pWidget);
		return false;
	case QEvent::WindowActivate:
		OnToolkitActivated(hWnd);
		return false;
	case QEvent::WindowStateChange:
		RefuseMinimizing(hWnd, pWidget);
		return false;
	case QEvent::Close:
		pEvent->ignore();
		OnToolkitCloseRequest(hWnd);
		return true;
	case QEvent::DragEnter:
	case QEvent::DragMove:
	case QEvent::Drop:
		return TranslateFileDrag(hWnd, pWidget, pEvent);
	default:
		return false;
	}
}

}

CHostWidget::CHostWidget(HWND hWnd, QWidget* pParent)
	: QWidget(pParent)
	, m_hWnd(hWnd)
{
	setAttribute(Qt::WA_OpaquePaintEvent);
	setAttribute(Qt::WA_NoSystemBackground);
	setMouseTracking(true);
	setFocusPolicy(Qt::NoFocus);
}

bool CHostWidget::event(QEvent* pEvent)
{
	bool bHandled = false;
	{
		CWidgetEventScope scope;
		bHandled = TranslateWindowEvent(m_hWnd, this, pEvent);
	}
	if (pEvent->type() == QEvent::Paint)
	{
		return true;
	}
	return bHandled || QWidget::event(pEvent);
}

CHostEventFilter::CHostEventFilter(HWND hWnd, QObject* pParent)
	: QObject(pParent)
	, m_hWnd(hWnd)
{
}

bool CHostEventFilter::eventFilter(QObject* pWatched, QEvent* pEvent)
{
	if (!pWatched->isWidgetType())
	{
		return false;
	}
	CWidgetEventScope scope;
	return TranslateWindowEvent(m_hWnd, static_cast<QWidget*>(pWatched), pEvent);
}

void AttachWidgetToWindow(HWND hWnd, QWidget* pWidget)
{
	pWidget->setMouseTracking(true);
	pWidget->installEventFilter(new CHostEventFilter(hWnd, pWidget));
}

void DetachWidgetFromWindow(QWidget* pWidget)
{
	if (CHostWidget* pHostWidget = dynamic_cast<CHostWidget*>(pWidget))
	{
		pHostWidget->m_hWnd = nullptr;
	}
	for (QObject* pChild : pWidget->children())
	{
		if (CHostEventFilter* pFilter = dynamic_cast<CHostEventFilter*>(pChild))
		{
			pFilter->m_hWnd = nullptr;
		}
	}
}
