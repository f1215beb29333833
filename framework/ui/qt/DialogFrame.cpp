// Dialog styles mapped onto Qt window flags.
#include "framework/ui/qt/DialogFrame.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/qt/WindowHost.h"

#include <QWidget>

void DialogApplyFrame(HWND hWnd)
{
	CWindowHost* pHost = CWindowHost::FromHandle(hWnd);
	if (pHost == nullptr || pHost->IsChildWindow() || pHost->m_pWidget == nullptr)
	{
		return;
	}
	const DWORD dwStyle = pHost->m_dwStyle;
	Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
	// A pop-up without WS_CAPTION has no title bar at all, like the splash picture.
	if ((dwStyle & WS_CAPTION) == WS_CAPTION)
	{
		flags |= Qt::WindowTitleHint;
		if ((dwStyle & WS_SYSMENU) != 0)
		{
			flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
		}
		if ((dwStyle & WS_MINIMIZEBOX) != 0 && (dwStyle & WS_SYSMENU) != 0)
		{
			flags |= Qt::WindowMinimizeButtonHint;
		}
		if ((dwStyle & WS_MAXIMIZEBOX) != 0 && (dwStyle & WS_SYSMENU) != 0)
		{
			flags |= Qt::WindowMaximizeButtonHint;
		}
	}
	else
	{
		flags |= Qt::FramelessWindowHint;
	}
	if ((pHost->m_dwExStyle & WS_EX_TOOLWINDOW) != 0)
	{
		flags |= Qt::Tool;
	}
	pHost->m_pWidget->setWindowFlags(flags);
	pHost->m_pWidget->setWindowTitle(QString::fromUtf8(static_cast<LPCTSTR>(pHost->m_strText)));
	pHost->ApplyGeometryToWidget();
}
