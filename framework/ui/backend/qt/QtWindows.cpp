// The Qt driver's native windows: making and disposing of widgets, placing, stacking and showing
// them, the desktop frame of top-level ones, and painting from the surface.
#include "framework/ui/backend/qt/QtDriver.h"

#include "framework/core/GdiConstants.h"
#include "framework/ui/backend/qt/GdiBackend.h"
#include "framework/ui/backend/qt/HostWidget.h"
#include "framework/ui/backend/qt/NativeControls.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/backend/qt/QtText.h"

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

// A window without a sizing border keeps the size the program gives it: the user cannot resize it.
void ApplySizeLimits(QWidget* pWidget, bool bFixedSize, const QSize& size)
{
	if (bFixedSize)
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

}

void CQtDriver::CreateNativeWindow(HWND hWnd, const NativeWindowRequest& request)
{
	QWidget* pParent = NativeWidget(request.hHolder);
	QWidget* pWidget = CreateControlWidget(hWnd, request, pParent);
	if (pWidget != nullptr)
	{
		AttachWidgetToWindow(hWnd, pWidget);
	}
	else
	{
		pWidget = new CHostWidget(hWnd, pParent);
	}
	NativeWindowOf(hWnd).pWidget = pWidget;
}

void CQtDriver::DestroyNativeWindow(HWND hWnd)
{
	NativeWindow* pNative = FindNativeWindow(hWnd);
	if (pNative == nullptr)
	{
		return;
	}
	pNative->timers.clear();
	if (pNative->pTimerTarget != nullptr)
	{
		// The window may be going away inside one of its own timer events.
		pNative->pTimerTarget->deleteLater();
		pNative->pTimerTarget = nullptr;
	}
	QWidget* pWidget = pNative->pWidget;
	pNative->pWidget = nullptr;
	if (pWidget != nullptr)
	{
		if (QWidget::mouseGrabber() == pWidget)
		{
			pWidget->releaseMouse();
		}
		pWidget->hide();
		DetachWidgetFromWindow(pWidget);
		DisposeWidget(pWidget);
	}
}

void CQtDriver::ForgetWindow(HWND hWnd)
{
	DestroyNativeWindow(hWnd);
	ForgetNativeWindow(hWnd);
}

void CQtDriver::ReparentNativeWindow(HWND hWnd, HWND hNewHolder)
{
	QWidget* pWidget = NativeWidget(hWnd);
	QWidget* pHolder = NativeWidget(hNewHolder);
	if (pWidget != nullptr && pHolder != nullptr)
	{
		pWidget->setParent(pHolder);
	}
}

void CQtDriver::SetNativeGeometry(HWND hWnd, const NativeGeometry& geometry)
{
	NativeWindow* pNative = FindNativeWindow(hWnd);
	if (pNative == nullptr || pNative->pWidget == nullptr)
	{
		return;
	}
	pNative->ptClient = geometry.ptClient;
	QWidget* pWidget = pNative->pWidget;
	const QRect rcWidget(geometry.rcNative.left, geometry.rcNative.top, geometry.rcNative.Width(), geometry.rcNative.Height());
	if (pWidget->isWindow() || geometry.bFixedSize)
	{
		ApplySizeLimits(pWidget, geometry.bFixedSize, rcWidget.size());
	}
	if (pWidget->geometry() != rcWidget)
	{
		pWidget->setGeometry(rcWidget);
	}
}

void CQtDriver::SetNativeMinimumSize(HWND hWnd, const CSize& size)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget != nullptr && pWidget->minimumSize() != QSize(size.cx, size.cy))
	{
		pWidget->setMinimumSize(size.cx, size.cy);
	}
}

CSize CQtDriver::NativeMinimumSize(HWND hWnd)
{
	QWidget* pWidget = NativeWidget(hWnd);
	return pWidget != nullptr ? CSize(pWidget->minimumSize().width(), pWidget->minimumSize().height()) : CSize(0, 0);
}

void CQtDriver::RaiseNativeWindow(HWND hWnd)
{
	if (QWidget* pWidget = NativeWidget(hWnd))
	{
		pWidget->raise();
	}
}

void CQtDriver::LowerNativeWindow(HWND hWnd)
{
	if (QWidget* pWidget = NativeWidget(hWnd))
	{
		pWidget->lower();
	}
}

void CQtDriver::StackNativeWindowUnder(HWND hWnd, HWND hSibling)
{
	QWidget* pWidget = NativeWidget(hWnd);
	QWidget* pSibling = NativeWidget(hSibling);
	if (pWidget != nullptr && pSibling != nullptr && pWidget->parentWidget() == pSibling->parentWidget())
	{
		pWidget->stackUnder(pSibling);
	}
}

CPoint CQtDriver::MapFromScreen(HWND hWnd, const CPoint& ptScreen)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget == nullptr)
	{
		return ptScreen;
	}
	const QPoint ptWidget = pWidget->mapFromGlobal(QPoint(ptScreen.x, ptScreen.y));
	return CPoint(ptWidget.x(), ptWidget.y());
}

void CQtDriver::ShowNativeWindow(HWND hWnd, NativeShow nShow)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget == nullptr)
	{
		return;
	}
	switch (nShow)
	{
	case NativeShow::Hide:
		pWidget->hide();
		break;
	case NativeShow::Show:
		pWidget->show();
		break;
	case NativeShow::Minimized:
		pWidget->showMinimized();
		break;
	case NativeShow::Maximized:
		pWidget->showMaximized();
		break;
	default:
		pWidget->showNormal();
		break;
	}
}

void CQtDriver::SetNativeFrame(HWND hWnd, const DesktopFrame& frame, bool bTopMost, bool bModal)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget == nullptr)
	{
		return;
	}
	const bool bOwned = pWidget->parentWidget() != nullptr;
	Qt::WindowFlags flags = FlagsOf(frame, bOwned);
	flags.setFlag(Qt::WindowStaysOnTopHint, bTopMost);
	const bool bVisible = pWidget->isVisible();
	if (pWidget->windowFlags() != flags)
	{
		// Qt hides a window whose flags change.
		pWidget->setWindowFlags(flags);
	}
	// Qt marks a window modal for the desktop only when it is shown.
	const Qt::WindowModality modality = bModal ? Qt::WindowModal : Qt::NonModal;
	if (pWidget->windowModality() != modality)
	{
		if (pWidget->isVisible())
		{
			pWidget->hide();
		}
		pWidget->setWindowModality(modality);
	}
	ApplySizeLimits(pWidget, !frame.bResizable, pWidget->size());
	if (bVisible && !pWidget->isVisible())
	{
		pWidget->show();
	}
}

void CQtDriver::SetNativeTitle(HWND hWnd, const CString& strTitle)
{
	if (QWidget* pWidget = NativeWidget(hWnd))
	{
		pWidget->setWindowTitle(ToQString(strTitle));
	}
}

void CQtDriver::SetNativeIcons(HWND hWnd, HICON hSmall, HICON hBig)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget == nullptr)
	{
		return;
	}
	QIcon icon;
	for (HICON hIcon : { hSmall, hBig })
	{
		if (hIcon == hBig && hIcon == hSmall && !icon.isNull())
		{
			break;
		}
		for (const QImage& image : GdiIconImages(hIcon))
		{
			icon.addPixmap(QPixmap::fromImage(image));
		}
	}
	pWidget->setWindowIcon(icon);
}

void CQtDriver::EnableNativeWindow(HWND hWnd, bool bEnable)
{
	if (QWidget* pWidget = NativeWidget(hWnd))
	{
		pWidget->setEnabled(bEnable);
	}
}

void CQtDriver::RequestNativePaint(HWND hWnd)
{
	if (QWidget* pWidget = NativeWidget(hWnd))
	{
		pWidget->update();
	}
}

CPaintDevice* CQtDriver::WindowSurface(HWND hWnd, const CSize& sizeClient)
{
	FittedSurface(hWnd, sizeClient);
	return &NativeWindowOf(hWnd).surfaceDevice;
}

COLORREF CQtDriver::ReadShownPixel(HWND hWnd, const CPoint& ptClient, const CSize& sizeClient)
{
	NativeWindow* pNative = FindNativeWindow(hWnd);
	if (pNative == nullptr || pNative->pWidget == nullptr || ptClient.x < 0 || ptClient.y < 0 || ptClient.x >= sizeClient.cx
		|| ptClient.y >= sizeClient.cy)
	{
		return CLR_INVALID;
	}
	// The widget's picture holds the children as they are stacked, drawn over the client area.
	const QImage image = pNative->pWidget->grab().toImage();
	const QPoint point(ptClient.x + pNative->ptClient.x, ptClient.y + pNative->ptClient.y);
	if (!image.valid(point))
	{
		return CLR_INVALID;
	}
	const QColor color = image.pixelColor(point);
	return RGB(static_cast<BYTE>(color.red()), static_cast<BYTE>(color.green()), static_cast<BYTE>(color.blue()));
}
