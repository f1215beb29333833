// The BUTTON class: push buttons, check boxes, radio buttons and group boxes on the matching Qt
// widgets, with the automatic styles' own checking and BN_CLICKED to the parent.
#include "framework/core/ControlConstants.h"
#include "framework/ui/backend/qt/ControlSupport.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/window/WindowInput.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>

#include <algorithm>
#include <vector>

namespace
{

DWORD ButtonType(DWORD dwStyle)
{
	return dwStyle & BS_TYPEMASK;
}

bool IsRadio(DWORD dwStyle)
{
	return ButtonType(dwStyle) == BS_RADIOBUTTON || ButtonType(dwStyle) == BS_AUTORADIOBUTTON;
}

bool IsCheckBox(DWORD dwStyle)
{
	const DWORD dwType = ButtonType(dwStyle);
	return dwType == BS_CHECKBOX || dwType == BS_AUTOCHECKBOX || dwType == BS_3STATE || dwType == BS_AUTO3STATE;
}

bool IsAutomatic(DWORD dwStyle)
{
	const DWORD dwType = ButtonType(dwStyle);
	return dwType == BS_AUTOCHECKBOX || dwType == BS_AUTO3STATE || dwType == BS_AUTORADIOBUTTON;
}

// The other automatic radio buttons of pHost's group: the siblings from the last WS_GROUP at or
// before it up to the next WS_GROUP after it.
void UncheckGroupSiblings(CWindowRecord* pHost)
{
	if (pHost->m_pParent == nullptr)
	{
		return;
	}
	const std::vector<CWindowRecord*> siblings = pHost->m_pParent->m_children;
	auto itSelf = std::find(siblings.begin(), siblings.end(), pHost);
	if (itSelf == siblings.end())
	{
		return;
	}
	auto itFirst = itSelf;
	while (itFirst != siblings.begin() && ((*itFirst)->m_dwStyle & WS_GROUP) == 0)
	{
		--itFirst;
	}
	for (auto it = itFirst; it != siblings.end(); ++it)
	{
		if (it != itFirst && ((*it)->m_dwStyle & WS_GROUP) != 0)
		{
			break;
		}
		if (*it != pHost && (*it)->m_pClass == pHost->m_pClass && ButtonType((*it)->m_dwStyle) == BS_AUTORADIOBUTTON)
		{
			(*it)->Send(BM_SETCHECK, BST_UNCHECKED, 0);
		}
	}
}

// Windows marks the push button that has the keyboard focus with a dotted frame inside its edge.
// Qt's styles show focus only after a Tab of Qt's own, and the dialog keys are the framework's.
class CFocusMarkPushButton : public CPaletteSharingWidget<QPushButton, QStyleOptionButton>
{
public:
	using CPaletteSharingWidget::CPaletteSharingWidget;

protected:
	void paintEvent(QPaintEvent* pEvent) override
	{
		QPushButton::paintEvent(pEvent);
		CWindowRecord* pFocus = FocusWindow();
		if (pFocus == nullptr || NativeWidget(pFocus->Handle()) != this)
		{
			return;
		}
		const int nInset = 3;
		const QRect frame = rect().adjusted(nInset, nInset, -nInset, -nInset);
		if (frame.width() < 2 || frame.height() < 2)
		{
			return;
		}
		// Every other pixel, inverted, so the mark shows on any face colour.
		QPolygon dots;
		for (int x = frame.left(); x <= frame.right(); ++x)
		{
			for (int y : { frame.top(), frame.bottom() })
			{
				if (((x + y) & 1) == 0)
				{
					dots << QPoint(x, y);
				}
			}
		}
		for (int y = frame.top() + 1; y < frame.bottom(); ++y)
		{
			for (int x : { frame.left(), frame.right() })
			{
				if (((x + y) & 1) == 0)
				{
					dots << QPoint(x, y);
				}
			}
		}
		QPainter painter(this);
		painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
		painter.setPen(QPen(Qt::white, 1));
		painter.drawPoints(dots);
	}
};

// Qt has already toggled the widget; the automatic styles keep the new state (a radio button
// only ever turns on), the others go back and leave the checking to the parent.
void Clicked(HWND hWnd, bool bChecked)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	QAbstractButton* pButton = ControlWidget<QAbstractButton>(hWnd);
	if (pHost == nullptr || pButton == nullptr)
	{
		return;
	}
	const DWORD dwStyle = pHost->m_dwStyle;
	if (pButton->isCheckable())
	{
		const bool bKeep = IsAutomatic(dwStyle) ? (IsRadio(dwStyle) ? true : bChecked) : !bChecked;
		pButton->blockSignals(true);
		pButton->setChecked(bKeep);
		pButton->blockSignals(false);
		if (ButtonType(dwStyle) == BS_AUTORADIOBUTTON)
		{
			UncheckGroupSiblings(pHost);
		}
	}
	ControlNotifyParent(hWnd, BN_CLICKED);
}

}

QWidget* CreateButtonWidget(HWND hWnd, const NativeWindowSpec& spec, QWidget* pParent)
{
	const QString strText = ToQString(spec.strText);
	const DWORD dwStyle = spec.dwStyle;
	QWidget* pWidget = nullptr;
	if (ButtonType(dwStyle) == BS_GROUPBOX)
	{
		pWidget = new CPaletteSharingWidget<QGroupBox, QStyleOptionGroupBox>(strText, pParent);
	}
	else
	{
		QAbstractButton* pButton = nullptr;
		if (IsRadio(dwStyle))
		{
			QRadioButton* pRadio = new CPaletteSharingWidget<QRadioButton, QStyleOptionButton>(strText, pParent);
			pRadio->setAutoExclusive(false);
			pButton = pRadio;
		}
		else if (IsCheckBox(dwStyle))
		{
			QCheckBox* pCheck = new CPaletteSharingWidget<QCheckBox, QStyleOptionButton>(strText, pParent);
			pCheck->setTristate(ButtonType(dwStyle) == BS_3STATE || ButtonType(dwStyle) == BS_AUTO3STATE);
			pButton = pCheck;
		}
		else
		{
			QPushButton* pPush = new CFocusMarkPushButton(strText, pParent);
			pPush->setAutoDefault(false);
			pPush->setDefault(ButtonType(dwStyle) == BS_DEFPUSHBUTTON);
			pButton = pPush;
		}
		QObject::connect(pButton, &QAbstractButton::clicked, pButton, [hWnd](bool bChecked) { Clicked(hWnd, bChecked); });
		pWidget = pButton;
	}
	ControlApplyPalette(pWidget, false);
	return pWidget;
}

namespace
{

LRESULT GetCheck(QWidget* pWidget)
{
	QCheckBox* pCheck = qobject_cast<QCheckBox*>(pWidget);
	if (pCheck != nullptr && pCheck->checkState() == Qt::PartiallyChecked)
	{
		return BST_INDETERMINATE;
	}
	QAbstractButton* pButton = qobject_cast<QAbstractButton*>(pWidget);
	return pButton != nullptr && pButton->isCheckable() && pButton->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void SetCheck(QWidget* pWidget, WPARAM nCheck)
{
	QAbstractButton* pButton = qobject_cast<QAbstractButton*>(pWidget);
	if (pButton == nullptr || !pButton->isCheckable())
	{
		return;
	}
	pButton->blockSignals(true);
	QCheckBox* pCheck = qobject_cast<QCheckBox*>(pWidget);
	if (pCheck != nullptr && pCheck->isTristate() && nCheck == BST_INDETERMINATE)
	{
		pCheck->setCheckState(Qt::PartiallyChecked);
	}
	else
	{
		pButton->setChecked(nCheck == BST_CHECKED);
	}
	pButton->blockSignals(false);
}

LRESULT DialogCode(DWORD dwStyle)
{
	switch (ButtonType(dwStyle))
	{
	case BS_GROUPBOX:
		return DLGC_STATIC;
	case BS_DEFPUSHBUTTON:
		return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
	case BS_PUSHBUTTON:
		return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
	case BS_RADIOBUTTON:
	case BS_AUTORADIOBUTTON:
		return DLGC_BUTTON | DLGC_RADIOBUTTON;
	default:
		return DLGC_BUTTON;
	}
}

LRESULT ButtonWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	QWidget* pWidget = pHost != nullptr ? NativeWidget(pHost->Handle()) : nullptr;
	if (pWidget == nullptr)
	{
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	}
	QAbstractButton* pButton = qobject_cast<QAbstractButton*>(pWidget);
	switch (message)
	{
	case WM_SETTEXT:
		if (QGroupBox* pGroup = qobject_cast<QGroupBox*>(pWidget))
		{
			pGroup->setTitle(QString::fromUtf8(reinterpret_cast<LPCTSTR>(lParam)));
		}
		else
		{
			pButton->setText(QString::fromUtf8(reinterpret_cast<LPCTSTR>(lParam)));
		}
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	case BM_GETCHECK:
		return GetCheck(pWidget);
	case BM_SETCHECK:
		SetCheck(pWidget, wParam);
		return 0;
	case BM_GETSTATE:
		return GetCheck(pWidget) | (pButton != nullptr && pButton->isDown() ? BST_PUSHED : 0)
			| (pWidget->hasFocus() ? BST_FOCUS : 0);
	case BM_SETSTATE:
		if (pButton != nullptr)
		{
			pButton->setDown(wParam != 0);
		}
		return 0;
	case BM_SETSTYLE:
		// Only the push button's default look can change: the widget's kind is fixed at creation.
		pHost->m_dwStyle = (pHost->m_dwStyle & 0xFFFF0000) | LOWORD(wParam);
		if (QPushButton* pPush = qobject_cast<QPushButton*>(pWidget))
		{
			pPush->setDefault(ButtonType(pHost->m_dwStyle) == BS_DEFPUSHBUTTON);
		}
		return 0;
	case BM_CLICK:
		if (pButton != nullptr && pHost->IsEnabledForInput())
		{
			pButton->click();
		}
		return 0;
	case WM_GETDLGCODE:
		return DialogCode(pHost->m_dwStyle);
	case WM_SETFOCUS:
	case WM_KILLFOCUS:
		// The focus mark follows the framework's focus, which Qt's may not see in a window
		// that is not active.
		pWidget->update();
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	default:
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	}
}

}

void RegisterButtonClass()
{
	WNDCLASS wc = {};
	wc.style = CS_DBLCLKS | CS_PARENTDC;
	wc.lpfnWndProc = ButtonWindowProc;
	wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
	wc.lpszClassName = "BUTTON";
	RegisterWindowClass(wc, NativeKind::Button, TRUE);
}
