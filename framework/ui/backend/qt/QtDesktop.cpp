// The Qt driver's application and desktop: starting and ending Qt, the screen, the pointer, the
// keys and the beep; and the driver the model uses.
#include "framework/ui/backend/qt/QtDriver.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/DesktopColors.h"
#include "framework/ui/backend/qt/LockKeys.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <memory>
#include <vector>

namespace
{

std::unique_ptr<QApplication> s_pQtApp;
int s_nArgc = 0;
std::vector<char*> s_argv;

}

CDriver& AfxGetDriver()
{
	static CQtDriver s_driver;
	return s_driver;
}

BOOL CQtDriver::StartToolkit(int argc, char* argv[])
{
	if (QApplication::instance() != nullptr)
	{
		return TRUE;
	}
	s_nArgc = argc;
	s_argv.assign(argv, argv + argc);
	s_argv.push_back(nullptr);
	s_pQtApp = std::make_unique<QApplication>(s_nArgc, s_argv.data());
	// Otherwise closing a dialog while no other window is visible would end every nested modal loop.
	QApplication::setQuitOnLastWindowClosed(false);
	WatchDesktopColours();
	LoadDialogTranslation();
	return TRUE;
}

void CQtDriver::StopToolkit()
{
	if (s_pQtApp != nullptr)
	{
		QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
		s_pQtApp.reset();
	}
}

bool CQtDriver::IsToolkitRunning() const
{
	return QCoreApplication::instance() != nullptr;
}

void CQtDriver::Beep()
{
	QApplication::beep();
}

CSize CQtDriver::ScreenSize()
{
	QScreen* pScreen = QGuiApplication::primaryScreen();
	const QSize size = pScreen != nullptr ? pScreen->geometry().size() : QSize(1024, 768);
	return CSize(size.width(), size.height());
}

CPoint CQtDriver::CursorPosition()
{
	const QPoint point = QCursor::pos();
	return CPoint(point.x(), point.y());
}

bool CQtDriver::IsKeyHeld(int nVirtKey)
{
	const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
	const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
	switch (nVirtKey)
	{
	case VK_SHIFT:
		return (modifiers & Qt::ShiftModifier) != 0;
	case VK_CONTROL:
		return (modifiers & Qt::ControlModifier) != 0;
	case VK_MENU:
		return (modifiers & Qt::AltModifier) != 0;
	case VK_LBUTTON:
		return (buttons & Qt::LeftButton) != 0;
	case VK_RBUTTON:
		return (buttons & Qt::RightButton) != 0;
	case VK_MBUTTON:
		return (buttons & Qt::MiddleButton) != 0;
	default:
		return false;
	}
}

bool CQtDriver::IsLockKeyOn(int nVirtKey)
{
	return IsLockKeyToggled(nVirtKey);
}
