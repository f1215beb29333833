// The widget of a BUTTON window (a push button, check box, radio button or group box) and the
// driver's commands to it: check state, pushed look, default look, focus mark and click.
#include "framework/core/ControlConstants.h"
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/backend/qt/controls/ControlWidgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOption>

namespace
{

DWORD ButtonType(DWORD dwStyle)
{
	return dwStyle & BS_TYPEMASK;
}

// A check box or radio button whose click leaves its check state alone: the model decides what a
// click does to it.
template <class TButton>
class CModelCheckedButton : public CPaletteSharingWidget<TButton, QStyleOptionButton>
{
public:
	using CPaletteSharingWidget<TButton, QStyleOptionButton>::CPaletteSharingWidget;

protected:
	void nextCheckState() override
	{
	}
};

// Windows marks the push button that has the keyboard focus with a dotted frame inside its edge.
// Qt's styles show focus only after a Tab of Qt's own, and the dialog keys are the framework's.
class CFocusMarkPushButton : public CPaletteSharingWidget<QPushButton, QStyleOptionButton>
{
public:
	using CPaletteSharingWidget::CPaletteSharingWidget;

	bool m_bFocusMark = false;

protected:
	void paintEvent(QPaintEvent* pEvent) override
	{
		QPushButton::paintEvent(pEvent);
		if (!m_bFocusMark)
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

QAbstractButton* Button(HWND hWnd)
{
	return qobject_cast<QAbstractButton*>(NativeWidget(hWnd));
}

}

QWidget* CreateButtonWidget(HWND hWnd, const NativeWindowRequest& request, QWidget* pParent)
{
	const QString strText = ToQString(request.strText);
	const DWORD dwType = ButtonType(request.dwStyle);
	if (dwType == BS_GROUPBOX)
	{
		return new CPaletteSharingWidget<QGroupBox, QStyleOptionGroupBox>(strText, pParent);
	}
	QAbstractButton* pButton = nullptr;
	if (dwType == BS_RADIOBUTTON || dwType == BS_AUTORADIOBUTTON)
	{
		QRadioButton* pRadio = new CModelCheckedButton<QRadioButton>(strText, pParent);
		pRadio->setAutoExclusive(false);
		pButton = pRadio;
	}
	else if (dwType == BS_CHECKBOX || dwType == BS_AUTOCHECKBOX || dwType == BS_3STATE || dwType == BS_AUTO3STATE)
	{
		QCheckBox* pCheck = new CModelCheckedButton<QCheckBox>(strText, pParent);
		pCheck->setTristate(dwType == BS_3STATE || dwType == BS_AUTO3STATE);
		pButton = pCheck;
	}
	else
	{
		QPushButton* pPush = new CFocusMarkPushButton(strText, pParent);
		pPush->setAutoDefault(false);
		pButton = pPush;
	}
	QObject::connect(pButton, &QAbstractButton::clicked, pButton, [hWnd] { OnToolkitButtonClicked(hWnd); });
	return pButton;
}

UINT CQtDriver::ButtonCheck(HWND hWnd)
{
	QCheckBox* pCheck = ControlWidget<QCheckBox>(hWnd);
	if (pCheck != nullptr && pCheck->checkState() == Qt::PartiallyChecked)
	{
		return BST_INDETERMINATE;
	}
	QAbstractButton* pButton = Button(hWnd);
	return pButton != nullptr && pButton->isCheckable() && pButton->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CQtDriver::SetButtonCheck(HWND hWnd, UINT nCheck)
{
	QAbstractButton* pButton = Button(hWnd);
	if (pButton == nullptr || !pButton->isCheckable())
	{
		return;
	}
	const QSignalBlocker blocker(pButton);
	QCheckBox* pCheck = qobject_cast<QCheckBox*>(pButton);
	if (pCheck != nullptr && pCheck->isTristate() && nCheck == BST_INDETERMINATE)
	{
		pCheck->setCheckState(Qt::PartiallyChecked);
	}
	else
	{
		pButton->setChecked(nCheck == BST_CHECKED);
	}
}

bool CQtDriver::IsButtonPushed(HWND hWnd)
{
	QAbstractButton* pButton = Button(hWnd);
	return pButton != nullptr && pButton->isDown();
}

void CQtDriver::SetButtonPushed(HWND hWnd, bool bPushed)
{
	if (QAbstractButton* pButton = Button(hWnd))
	{
		pButton->setDown(bPushed);
	}
}

void CQtDriver::SetButtonDefault(HWND hWnd, bool bDefault)
{
	if (QPushButton* pPush = ControlWidget<QPushButton>(hWnd))
	{
		pPush->setDefault(bDefault);
	}
}

void CQtDriver::ShowButtonFocusMark(HWND hWnd, bool bShow)
{
	if (CFocusMarkPushButton* pPush = ControlWidget<CFocusMarkPushButton>(hWnd))
	{
		pPush->m_bFocusMark = bShow;
	}
	if (QWidget* pWidget = NativeWidget(hWnd))
	{
		pWidget->update();
	}
}

void CQtDriver::ClickButton(HWND hWnd)
{
	if (QAbstractButton* pButton = Button(hWnd))
	{
		pButton->click();
	}
}
