// Qt window flags, modality and size limits of a top-level window, from its styles.
#include "framework/ui/backend/qt/WindowFrame.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/GdiBackend.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/window/DesktopFrame.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace
{

Qt::WindowFlags FlagsOf(const DesktopFrame& frame, bool bOwned)
{
	switch (frame.kind)
	{
	case DesktopWindowKind::Bare:
		return (bOwned ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint;
	case DesktopWindowKind::Tool:
		return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
			| (frame.bCloseBox ? Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint : Qt::WindowFlags());
	default:
		break;
	}
	Qt::WindowFlags flags = (frame.kind == DesktopWindowKind::Dialog ? Qt::Dialog : Qt::Window)
		| Qt::CustomizeWindowHint | Qt::WindowTitleHint;
	if (frame.bSystemMenu)
	{
		flags |= Qt::WindowSystemMenuHint;
	}
	if (frame.bCloseBox)
	{
		flags |= Qt::WindowCloseButtonHint;
	}
	if (frame.bMinimizeBox)
	{
		flags |= Qt::WindowMinimizeButtonHint;
	}
	if (frame.bMaximizeBox)
	{
		flags |= Qt::WindowMaximizeButtonHint;
	}
	return flags;
}

}

void ApplyDesktopFrame(CWindowHost& host)
{
	QWidget* pWidget = host.m_pWidget;
	if (host.IsChildWindow() || pWidget == nullptr)
	{
		return;
	}
	const bool bOwned = pWidget->parentWidget() != nullptr;
	const DesktopFrame frame = AfxDesktopFrameOf(host.m_dwStyle, host.m_dwExStyle, bOwned);
	Qt::WindowFlags flags = FlagsOf(frame, bOwned);
	flags.setFlag(Qt::WindowStaysOnTopHint, (host.m_dwExStyle & WS_EX_TOPMOST) != 0);
	const bool bVisible = pWidget->isVisible();
	if (pWidget->windowFlags() != flags)
	{
		// Qt hides a window whose flags change.
		pWidget->setWindowFlags(flags);
	}
	// Qt marks a window modal for the desktop only when it is shown.
	const Qt::WindowModality modality = host.m_bModalFrame && bOwned ? Qt::WindowModal : Qt::NonModal;
	if (pWidget->windowModality() != modality)
	{
		if (pWidget->isVisible())
		{
			pWidget->hide();
		}
		pWidget->setWindowModality(modality);
	}
	ApplyFrameSizeLimits(host, pWidget->size());
	if (bVisible && !pWidget->isVisible())
	{
		pWidget->show();
	}
}

void ApplyFrameSizeLimits(CWindowHost& host, const QSize& size)
{
	QWidget* pWidget = host.m_pWidget;
	if (host.IsChildWindow() || pWidget == nullptr)
	{
		return;
	}
	if ((host.m_dwStyle & WS_THICKFRAME) == 0)
	{
		if (pWidget->minimumSize() != size || pWidget->maximumSize() != size)
		{
			pWidget->setFixedSize(size);
		}
	}
	else if (pWidget->maximumSize() != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))
	{
		pWidget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
	}
}

void ApplyWindowIcon(CWindowHost& host)
{
	if (host.IsChildWindow() || host.m_pWidget == nullptr)
	{
		return;
	}
	QIcon icon;
	for (HICON hIcon : { host.m_hIconSmall, host.m_hIconBig })
	{
		if (hIcon == host.m_hIconBig && hIcon == host.m_hIconSmall && !icon.isNull())
		{
			break;
		}
		for (const QImage& image : GdiIconImages(hIcon))
		{
			icon.addPixmap(QPixmap::fromImage(image));
		}
	}
	host.m_pWidget->setWindowIcon(icon);
}
