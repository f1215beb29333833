// The widget of an EDIT window, a QLineEdit or for ES_MULTILINE a QPlainTextEdit, and the driver's
// commands to it: text, selection, typing, read-only state, alignment, limit, lines and scrolling.
#include "framework/core/ControlConstants.h"
#include "framework/ui/backend/qt/QtDriver.h"
#include "framework/ui/backend/qt/QtText.h"
#include "framework/ui/backend/qt/controls/ControlWidgets.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOption>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

namespace
{

// Windows separates the lines of a multi-line edit with "\r\n"; the widget keeps "\n".
QString WidgetText(const CString& strText)
{
	QString strWidget = ToQString(strText);
	strWidget.replace(QLatin1String("\r\n"), QLatin1String("\n"));
	return strWidget;
}

QLineEdit* LineEdit(HWND hWnd)
{
	return qobject_cast<QLineEdit*>(NativeWidget(hWnd));
}

QPlainTextEdit* TextEdit(HWND hWnd)
{
	return qobject_cast<QPlainTextEdit*>(NativeWidget(hWnd));
}

}

QWidget* CreateEditWidget(HWND hWnd, const NativeWindowRequest& request, QWidget* pParent)
{
	const DWORD dwStyle = request.dwStyle;
	const bool bFrame = (dwStyle & WS_BORDER) != 0 || (request.dwExStyle & WS_EX_CLIENTEDGE) != 0;
	if ((dwStyle & ES_MULTILINE) == 0)
	{
		QLineEdit* pLine = new CPaletteSharingWidget<QLineEdit, QStyleOptionFrame>(pParent);
		pLine->setText(WidgetText(request.strText));
		pLine->setFrame(bFrame);
		pLine->setEchoMode((dwStyle & ES_PASSWORD) != 0 ? QLineEdit::Password : QLineEdit::Normal);
		QObject::connect(pLine, &QLineEdit::textChanged, pLine, [hWnd] { OnToolkitEditChanged(hWnd); });
		return pLine;
	}
	QPlainTextEdit* pText = new CPaletteSharingWidget<QPlainTextEdit, QStyleOptionFrame>(pParent);
	pText->setPlainText(WidgetText(request.strText));
	pText->setFrameShape(bFrame ? QFrame::StyledPanel : QFrame::NoFrame);
	// Without ES_AUTOHSCROLL a multi-line edit wraps its lines at the right edge.
	pText->setLineWrapMode((dwStyle & ES_AUTOHSCROLL) != 0 ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
	pText->setVerticalScrollBarPolicy((dwStyle & WS_VSCROLL) != 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
	pText->setHorizontalScrollBarPolicy((dwStyle & WS_HSCROLL) != 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
	QObject::connect(pText, &QPlainTextEdit::textChanged, pText, [hWnd] { OnToolkitEditChanged(hWnd); });
	return pText;
}

void SetEditWidgetText(QWidget* pWidget, const CString& strText)
{
	if (QLineEdit* pLine = qobject_cast<QLineEdit*>(pWidget))
	{
		pLine->setText(WidgetText(strText));
	}
	else if (QPlainTextEdit* pText = qobject_cast<QPlainTextEdit*>(pWidget))
	{
		pText->setPlainText(WidgetText(strText));
	}
}

CString EditWidgetText(QWidget* pWidget)
{
	if (QLineEdit* pLine = qobject_cast<QLineEdit*>(pWidget))
	{
		return FromQString(pLine->text());
	}
	QPlainTextEdit* pText = qobject_cast<QPlainTextEdit*>(pWidget);
	if (pText == nullptr)
	{
		return CString();
	}
	QString strText = pText->toPlainText();
	strText.replace(QLatin1String("\n"), QLatin1String("\r\n"));
	return FromQString(strText);
}

int CQtDriver::EditTextLength(HWND hWnd)
{
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		return static_cast<int>(pLine->text().size());
	}
	QPlainTextEdit* pText = TextEdit(hWnd);
	return pText != nullptr ? pText->document()->characterCount() - 1 : 0;
}

void CQtDriver::SetEditSelection(HWND hWnd, int nAnchor, int nCaret)
{
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		pLine->setSelection(nAnchor, nCaret - nAnchor);
	}
	else if (QPlainTextEdit* pText = TextEdit(hWnd))
	{
		QTextCursor cursor = pText->textCursor();
		cursor.setPosition(nAnchor);
		cursor.setPosition(nCaret, QTextCursor::KeepAnchor);
		pText->setTextCursor(cursor);
	}
}

void CQtDriver::ClearEditSelection(HWND hWnd)
{
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		pLine->deselect();
	}
	else if (QPlainTextEdit* pText = TextEdit(hWnd))
	{
		QTextCursor cursor = pText->textCursor();
		cursor.clearSelection();
		pText->setTextCursor(cursor);
	}
}

void CQtDriver::GetEditSelection(HWND hWnd, int& nStart, int& nEnd)
{
	nStart = 0;
	nEnd = 0;
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		nStart = pLine->hasSelectedText() ? pLine->selectionStart() : pLine->cursorPosition();
		nEnd = pLine->hasSelectedText() ? pLine->selectionEnd() : nStart;
	}
	else if (QPlainTextEdit* pText = TextEdit(hWnd))
	{
		const QTextCursor cursor = pText->textCursor();
		nStart = cursor.selectionStart();
		nEnd = cursor.selectionEnd();
	}
}

void CQtDriver::ReplaceEditSelection(HWND hWnd, const CString& strText)
{
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		pLine->insert(WidgetText(strText));
	}
	else if (QPlainTextEdit* pText = TextEdit(hWnd))
	{
		pText->insertPlainText(WidgetText(strText));
	}
}

void CQtDriver::DeleteEditBackward(HWND hWnd)
{
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		pLine->backspace();
	}
	else if (QPlainTextEdit* pText = TextEdit(hWnd))
	{
		pText->textCursor().deletePreviousChar();
	}
}

void CQtDriver::SetEditReadOnly(HWND hWnd, bool bReadOnly)
{
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		pLine->setReadOnly(bReadOnly);
	}
	else if (QPlainTextEdit* pText = TextEdit(hWnd))
	{
		pText->setReadOnly(bReadOnly);
	}
}

void CQtDriver::SetEditAlignment(HWND hWnd, TextAlignment nAlignment)
{
	Qt::Alignment horizontal = Qt::AlignLeft;
	if (nAlignment == TextAlignment::Right)
	{
		horizontal = Qt::AlignRight;
	}
	else if (nAlignment == TextAlignment::Center)
	{
		horizontal = Qt::AlignHCenter;
	}
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		pLine->setAlignment(horizontal | Qt::AlignVCenter);
	}
	else if (QPlainTextEdit* pText = TextEdit(hWnd))
	{
		QTextOption option = pText->document()->defaultTextOption();
		option.setAlignment(horizontal);
		pText->document()->setDefaultTextOption(option);
	}
}

void CQtDriver::SetEditLimit(HWND hWnd, int nLimit)
{
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		pLine->setMaxLength(nLimit);
	}
}

int CQtDriver::EditLimit(HWND hWnd)
{
	QLineEdit* pLine = LineEdit(hWnd);
	return pLine != nullptr ? pLine->maxLength() : 0;
}

bool CQtDriver::IsEditModified(HWND hWnd)
{
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		return pLine->isModified();
	}
	QPlainTextEdit* pText = TextEdit(hWnd);
	return pText != nullptr && pText->document()->isModified();
}

void CQtDriver::SetEditModified(HWND hWnd, bool bModified)
{
	if (QLineEdit* pLine = LineEdit(hWnd))
	{
		pLine->setModified(bModified);
	}
	else if (QPlainTextEdit* pText = TextEdit(hWnd))
	{
		pText->document()->setModified(bModified);
	}
}

int CQtDriver::EditLineCount(HWND hWnd)
{
	QPlainTextEdit* pText = TextEdit(hWnd);
	return pText != nullptr ? pText->document()->blockCount() : 1;
}

int CQtDriver::EditFirstVisibleLine(HWND hWnd)
{
	QPlainTextEdit* pText = TextEdit(hWnd);
	return pText != nullptr ? pText->verticalScrollBar()->value() : 0;
}

void CQtDriver::ScrollEdit(HWND hWnd, int nChars, int nLines)
{
	QPlainTextEdit* pText = TextEdit(hWnd);
	if (pText == nullptr)
	{
		return;
	}
	QScrollBar* pVertical = pText->verticalScrollBar();
	pVertical->setValue(pVertical->value() + nLines);
	QScrollBar* pHorizontal = pText->horizontalScrollBar();
	pHorizontal->setValue(pHorizontal->value() + nChars * pText->fontMetrics().averageCharWidth());
}

void CQtDriver::ScrollEditToCaret(HWND hWnd)
{
	if (QPlainTextEdit* pText = TextEdit(hWnd))
	{
		pText->ensureCursorVisible();
	}
}

bool CQtDriver::KeyBeingHandledTypes(HWND hWnd, UINT nChar)
{
	const NativeWindow* pNative = FindNativeWindow(hWnd);
	const QEvent* pEvent = pNative != nullptr ? pNative->pTranslatedEvent : nullptr;
	if (pEvent == nullptr || pEvent->type() != QEvent::KeyPress)
	{
		return false;
	}
	const QString strText = static_cast<const QKeyEvent*>(pEvent)->text();
	return !strText.isEmpty() && strText.at(0).unicode() == nChar;
}
