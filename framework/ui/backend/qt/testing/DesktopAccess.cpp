// Reading back the Qt window flags, modality, transient parent, size limits and icon of a window.
#include "framework/ui/testing/DesktopAccess.h"

#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/window/WindowRecord.h"
#include "framework/ui/window/Wnd.h"

#include <QIcon>
#include <QWidget>

#include <algorithm>

namespace
{

DesktopWindowKind KindOf(Qt::WindowFlags flags)
{
	if (flags.testFlag(Qt::FramelessWindowHint))
	{
		return DesktopWindowKind::Bare;
	}
	switch (flags & Qt::WindowType_Mask)
	{
	case Qt::Tool:
		return DesktopWindowKind::Tool;
	case Qt::Dialog:
		return DesktopWindowKind::Dialog;
	default:
		return DesktopWindowKind::Normal;
	}
}

}

DesktopWindowState AfxReadDesktopWindow(CWnd* pWnd)
{
	DesktopWindowState state = {};
	CWindowRecord* pHost = pWnd != nullptr ? CWindowRecord::FromHandle(pWnd->m_hWnd) : nullptr;
	if (pHost == nullptr || NativeWidget(pHost->Handle()) == nullptr || pHost->IsChildWindow())
	{
		return state;
	}
	QWidget* pWidget = NativeWidget(pHost->Handle());
	const Qt::WindowFlags flags = pWidget->windowFlags();
	state.bExists = true;
	state.frame.kind = KindOf(flags);
	state.frame.bSystemMenu = flags.testFlag(Qt::WindowSystemMenuHint);
	state.frame.bCloseBox = flags.testFlag(Qt::WindowCloseButtonHint);
	state.frame.bMinimizeBox = flags.testFlag(Qt::WindowMinimizeButtonHint);
	state.frame.bMaximizeBox = flags.testFlag(Qt::WindowMaximizeButtonHint);
	state.frame.bResizable = pWidget->minimumSize() != pWidget->maximumSize();
	// Qt keeps a top-level window with a parent widget above that parent's window.
	state.frame.bTransient = pWidget->parentWidget() != nullptr;
	state.bModal = pWidget->windowModality() != Qt::NonModal;
	state.bAboveAll = flags.testFlag(Qt::WindowStaysOnTopHint);
	if (state.frame.bTransient)
	{
		CWindowRecord* pAbove = CWindowRecord::FromHandle(WindowOfWidget(pWidget->parentWidget()->window()));
		state.pKeptAbove = pAbove != nullptr ? CWnd::FromHandle(pAbove->Handle()) : nullptr;
	}
	for (const QSize& size : pWidget->windowIcon().availableSizes())
	{
		state.iconSizes.emplace_back(size.width(), size.height());
	}
	std::sort(state.iconSizes.begin(), state.iconSizes.end(),
		[](const CSize& a, const CSize& b) { return a.cx * a.cy < b.cx * b.cy; });
	state.iconSizes.erase(std::unique(state.iconSizes.begin(), state.iconSizes.end()), state.iconSizes.end());
	return state;
}
