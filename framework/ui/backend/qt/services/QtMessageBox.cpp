// A QMessageBox dressed as a Windows message box.
#include "framework/core/WinConstants.h"
#include "framework/ui/backend/qt/NativeWindows.h"
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/services/MessageBoxLayout.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>

#include <vector>

namespace
{

QMessageBox::Icon QtIcon(UINT nType)
{
	switch (MessageBoxIconOf(nType))
	{
	case MessageBoxIcon::Stop:
		return QMessageBox::Critical;
	case MessageBoxIcon::Question:
		return QMessageBox::Question;
	case MessageBoxIcon::Exclamation:
		return QMessageBox::Warning;
	case MessageBoxIcon::Information:
		return QMessageBox::Information;
	default:
		return QMessageBox::NoIcon;
	}
}

QMessageBox::ButtonRole QtRole(int nResult)
{
	switch (nResult)
	{
	case IDYES:
		return QMessageBox::YesRole;
	case IDNO:
		return QMessageBox::NoRole;
	case IDCANCEL:
	case IDABORT:
		return QMessageBox::RejectRole;
	default:
		return QMessageBox::AcceptRole;
	}
}

// The box as Windows copies it with Ctrl+C: caption, text and buttons between rules of dashes.
QString BoxAsText(const QMessageBox& box)
{
	const QString strRule = QString(27, u'-') + u'\n';
	QStringList captions;
	for (QAbstractButton* pButton : box.buttons())
	{
		captions << pButton->text().remove(u'&');
	}
	return strRule + box.windowTitle() + u'\n' + strRule + box.text() + u'\n' + strRule + captions.join("   ") + u'\n'
		+ strRule;
}

// What Qt's box does differently from a Windows one: a box without Cancel (Yes/No) closes neither
// with Escape nor from the desktop's close button, no box can be minimised, and Ctrl+C copies it.
class CMessageBoxRules : public QObject
{
public:
	CMessageBoxRules(QMessageBox* pBox, bool bClosable)
		: QObject(pBox)
		, m_pBox(pBox)
		, m_bClosable(bClosable)
	{
		pBox->installEventFilter(this);
	}

protected:
	bool eventFilter(QObject*, QEvent* pEvent) override
	{
		switch (pEvent->type())
		{
		case QEvent::KeyPress:
		{
			const QKeyEvent* pKey = static_cast<QKeyEvent*>(pEvent);
			if (pKey->matches(QKeySequence::Copy))
			{
				QGuiApplication::clipboard()->setText(BoxAsText(*m_pBox));
				return true;
			}
			return !m_bClosable && pKey->key() == Qt::Key_Escape;
		}
		case QEvent::Close:
			if (!m_bClosable && pEvent->spontaneous())
			{
				pEvent->ignore();
				return true;
			}
			return false;
		case QEvent::WindowStateChange:
			if (m_pBox->isMinimized())
			{
				QMessageBox* pBox = m_pBox;
				QTimer::singleShot(0, pBox, [pBox] { pBox->setWindowState(pBox->windowState() & ~Qt::WindowMinimized); });
			}
			return false;
		default:
			return false;
		}
	}

private:
	QMessageBox* m_pBox;
	bool m_bClosable;
};

// Room in the title bar beside the caption: the window's icon and its close button.
constexpr int TITLE_BAR_EXTRA = 96;

// A short text under a long caption would leave the caption cut to a few letters, as the box
// takes the width of its text: the box is made at least as wide as its caption.
void MakeRoomForCaption(QMessageBox& box, const QString& strCaption)
{
	auto* pLayout = qobject_cast<QGridLayout*>(box.layout());
	if (pLayout == nullptr)
	{
		return;
	}
	const int nWidth = QFontMetrics(box.font()).horizontalAdvance(strCaption) + TITLE_BAR_EXTRA;
	pLayout->addItem(new QSpacerItem(nWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), pLayout->rowCount(), 0,
		1, pLayout->columnCount());
}

}

INT_PTR CQtDriver::ShowMessageBox(HWND hOwner, const CString& strCaption, const CString& strText, UINT nType)
{
	QMessageBox box(QtIcon(nType), ToQString(strCaption), ToQString(strText), QMessageBox::NoButton, NativeWidget(hOwner));
	std::vector<MessageBoxButton> choices = MessageBoxButtons(nType);
	std::vector<QPushButton*> buttons;
	int nEscape = MessageBoxEscapeResult(nType);
	for (const MessageBoxButton& choice : choices)
	{
		buttons.push_back(box.addButton(ToQString(choice.lpszCaption), QtRole(choice.nResult)));
		if (choice.nResult == nEscape)
		{
			box.setEscapeButton(buttons.back());
		}
	}
	box.setDefaultButton(buttons[MessageBoxDefaultButton(nType)]);
	const bool bClosable = nEscape != 0;
	box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
		| (bClosable ? Qt::WindowCloseButtonHint : Qt::WindowFlags()));
	new CMessageBoxRules(&box, bClosable);
	MakeRoomForCaption(box, box.windowTitle());
	box.exec();
	for (size_t i = 0; i < buttons.size(); ++i)
	{
		if (box.clickedButton() == buttons[i])
		{
			return choices[i].nResult;
		}
	}
	return nEscape != 0 ? nEscape : choices[0].nResult;
}
