// The table of the windows' Qt objects, and their disposal.
#include "framework/ui/backend/qt/NativeWindows.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace
{

std::unordered_map<HWND, std::unique_ptr<NativeWindow>>& Table()
{
	static std::unordered_map<HWND, std::unique_ptr<NativeWindow>> s_table;
	return s_table;
}

int s_nEventDepth = 0;

}

NativeWindow* FindNativeWindow(HWND hWnd)
{
	auto it = Table().find(hWnd);
	return it != Table().end() ? it->second.get() : nullptr;
}

NativeWindow& NativeWindowOf(HWND hWnd)
{
	std::unique_ptr<NativeWindow>& pNative = Table()[hWnd];
	if (pNative == nullptr)
	{
		pNative = std::make_unique<NativeWindow>();
	}
	return *pNative;
}

void ForgetNativeWindow(HWND hWnd)
{
	Table().erase(hWnd);
}

size_t NativeWindowCount()
{
	return Table().size();
}

QWidget* NativeWidget(HWND hWnd)
{
	NativeWindow* pNative = FindNativeWindow(hWnd);
	return pNative != nullptr ? pNative->pWidget : nullptr;
}

HWND WindowOfWidget(const QWidget* pWidget)
{
	if (pWidget == nullptr)
	{
		return nullptr;
	}
	for (const auto& entry : Table())
	{
		if (entry.second->pWidget == pWidget)
		{
			return entry.first;
		}
	}
	return nullptr;
}

QImage& FittedSurface(HWND hWnd, const CSize& sizeClient)
{
	NativeWindow& native = NativeWindowOf(hWnd);
	QImage& surface = native.surface;
	if (surface.width() != sizeClient.cx || surface.height() != sizeClient.cy)
	{
		// A DC still drawing on the old surface begins again on the new one.
		native.surfaceDevice.EndPainting();
		QImage resized(std::max<LONG>(sizeClient.cx, 1), std::max<LONG>(sizeClient.cy, 1), QImage::Format_RGB32);
		resized.fill(Qt::white);
		if (!surface.isNull())
		{
			QPainter painter(&resized);
			painter.drawImage(0, 0, surface);
		}
		surface = resized;
	}
	return surface;
}

void DisposeWidget(QWidget* pWidget)
{
	if (s_nEventDepth > 0)
	{
		pWidget->deleteLater();
	}
	else
	{
		delete pWidget;
	}
}

CWidgetEventScope::CWidgetEventScope()
{
	++s_nEventDepth;
}

CWidgetEventScope::~CWidgetEventScope()
{
	--s_nEventDepth;
}
