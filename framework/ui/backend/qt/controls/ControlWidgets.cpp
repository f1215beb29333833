// The widgets of the native controls made by kind, and what the driver does the same way for every
// control: its colours, its font and its text.
#include "framework/ui/backend/qt/controls/ControlWidgets.h"

#include "framework/ui/backend/qt/GdiBackend.h"
#include "framework/ui/backend/qt/NativeControls.h"
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"

#include <QAbstractButton>
#include <QGroupBox>

#include <algorithm>
#include <vector>

namespace
{

QColor ToQColor(COLORREF cr)
{
	return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

}

QWidget* CreateControlWidget(HWND hWnd, const NativeWindowRequest& request, QWidget* pParent)
{
	switch (request.nKind)
	{
	case NativeKind::Edit:
		return CreateEditWidget(hWnd, request, pParent);
	case NativeKind::Button:
		return CreateButtonWidget(hWnd, request, pParent);
	case NativeKind::ListBox:
		return CreateListBoxWidget(hWnd, request, pParent);
	case NativeKind::ScrollBar:
		return CreateScrollBarWidget(hWnd, request, pParent);
	default:
		return nullptr;
	}
}

QPalette ControlSharedPalette(const QPalette& palette)
{
	// A handful of colour sets at most: the controls' colours are the system's, which never change.
	static std::vector<QPalette> s_palettes;
	auto it = std::find(s_palettes.begin(), s_palettes.end(), palette);
	if (it == s_palettes.end())
	{
		s_palettes.push_back(palette);
		it = s_palettes.end() - 1;
	}
	QPalette shared = *it;
	// The group is the widget's state (disabled, inactive), kept outside the shared data.
	shared.setCurrentColorGroup(palette.currentColorGroup());
	return shared;
}

void CQtDriver::SetControlColors(HWND hWnd, const ControlColors& colors)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (pWidget == nullptr)
	{
		return;
	}
	QPalette palette = pWidget->palette();
	palette.setColor(QPalette::Window, ToQColor(colors.crFace));
	palette.setColor(QPalette::Button, ToQColor(colors.crFace));
	palette.setColor(QPalette::Base, ToQColor(colors.crBackground));
	palette.setColor(QPalette::Text, ToQColor(colors.crText));
	palette.setColor(QPalette::WindowText, ToQColor(colors.crText));
	palette.setColor(QPalette::ButtonText, ToQColor(colors.crButtonText));
	palette.setColor(QPalette::Highlight, ToQColor(colors.crHighlight));
	palette.setColor(QPalette::HighlightedText, ToQColor(colors.crHighlightText));
	palette.setColor(QPalette::Disabled, QPalette::Base, ToQColor(colors.crFace));
	palette.setColor(QPalette::Disabled, QPalette::Text, ToQColor(colors.crGrayText));
	palette.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(colors.crGrayText));
	palette.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(colors.crGrayText));
	pWidget->setPalette(palette);
}

void CQtDriver::SetControlFont(HWND hWnd, HFONT hFont)
{
	if (QWidget* pWidget = NativeWidget(hWnd))
	{
		pWidget->setFont(GdiQFont(hFont));
	}
}

void CQtDriver::SetControlText(HWND hWnd, const CString& strText)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (QGroupBox* pGroup = qobject_cast<QGroupBox*>(pWidget))
	{
		pGroup->setTitle(ToQString(strText));
	}
	else if (QAbstractButton* pButton = qobject_cast<QAbstractButton*>(pWidget))
	{
		pButton->setText(ToQString(strText));
	}
	else
	{
		SetEditWidgetText(pWidget, strText);
	}
}

CString CQtDriver::ControlText(HWND hWnd)
{
	QWidget* pWidget = NativeWidget(hWnd);
	if (QGroupBox* pGroup = qobject_cast<QGroupBox*>(pWidget))
	{
		return FromQString(pGroup->title());
	}
	if (QAbstractButton* pButton = qobject_cast<QAbstractButton*>(pWidget))
	{
		return FromQString(pButton->text());
	}
	return EditWidgetText(pWidget);
}
