// The EDIT class: a QLineEdit, or a QPlainTextEdit for ES_MULTILINE, driven by the edit messages
// and notifying its parent of focus and text changes.
#include "framework/core/ControlConstants.h"
#include "framework/ui/backend/qt/ControlSupport.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace
{

// The most a single-line edit takes when no limit was set, as on Windows.
constexpr int DEFAULT_TEXT_LIMIT = 30000;

// Windows separates the lines of a multi-line edit with "\r\n"; the widget keeps "\n".
QString WidgetText(LPCTSTR lpszText)
{
	QString strText = QString::fromUtf8(lpszText != nullptr ? lpszText : "");
	strText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
	return strText;
}

CString WindowText(QWidget* pWidget)
{
	if (QLineEdit* pLine = qobject_cast<QLineEdit*>(pWidget))
	{
		return CString(pLine->text().toUtf8().constData());
	}
	QString strText = static_cast<QPlainTextEdit*>(pWidget)->toPlainText();
	strText.replace(QLatin1String("\n"), QLatin1String("\r\n"));
	return CString(strText.toUtf8().constData());
}

void TextChanged(HWND hWnd)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	if (pHost == nullptr)
	{
		return;
	}
	pHost->m_strText = WindowText(NativeWidget(pHost->Handle()));
	ControlNotifyParent(hWnd, EN_UPDATE);
	ControlNotifyParent(hWnd, EN_CHANGE);
}

void ApplyEditStyle(QWidget* pWidget, DWORD dwStyle, DWORD dwExStyle)
{
	const bool bFrame = (dwStyle & WS_BORDER) != 0 || (dwExStyle & WS_EX_CLIENTEDGE) != 0;
	const bool bReadOnly = (dwStyle & ES_READONLY) != 0;
	Qt::Alignment horizontal = Qt::AlignLeft;
	if ((dwStyle & ES_RIGHT) != 0)
	{
		horizontal = Qt::AlignRight;
	}
	else if ((dwStyle & ES_CENTER) != 0)
	{
		horizontal = Qt::AlignHCenter;
	}
	// A read-only edit shows the button face, as Windows draws it through WM_CTLCOLORSTATIC.
	ControlApplyPalette(pWidget, !bReadOnly);
	if (QLineEdit* pLine = qobject_cast<QLineEdit*>(pWidget))
	{
		pLine->setFrame(bFrame);
		pLine->setReadOnly(bReadOnly);
		pLine->setAlignment(horizontal | Qt::AlignVCenter);
		pLine->setEchoMode((dwStyle & ES_PASSWORD) != 0 ? QLineEdit::Password : QLineEdit::Normal);
		return;
	}
	QPlainTextEdit* pText = static_cast<QPlainTextEdit*>(pWidget);
	pText->setFrameShape(bFrame ? QFrame::StyledPanel : QFrame::NoFrame);
	pText->setReadOnly(bReadOnly);
	// Without ES_AUTOHSCROLL a multi-line edit wraps its lines at the right edge.
	pText->setLineWrapMode((dwStyle & ES_AUTOHSCROLL) != 0 ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
	pText->setVerticalScrollBarPolicy((dwStyle & WS_VSCROLL) != 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
	pText->setHorizontalScrollBarPolicy((dwStyle & WS_HSCROLL) != 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
	QTextOption option = pText->document()->defaultTextOption();
	option.setAlignment(horizontal);
	pText->document()->setDefaultTextOption(option);
}

}

QWidget* CreateEditWidget(HWND hWnd, const NativeWindowSpec& spec, QWidget* pParent)
{
	QWidget* pWidget = nullptr;
	if ((spec.dwStyle & ES_MULTILINE) != 0)
	{
		QPlainTextEdit* pText = new CPaletteSharingWidget<QPlainTextEdit, QStyleOptionFrame>(pParent);
		pText->setPlainText(WidgetText(spec.strText));
		QObject::connect(pText, &QPlainTextEdit::textChanged, pText, [hWnd] { TextChanged(hWnd); });
		pWidget = pText;
	}
	else
	{
		QLineEdit* pLine = new CPaletteSharingWidget<QLineEdit, QStyleOptionFrame>(pParent);
		pLine->setMaxLength(DEFAULT_TEXT_LIMIT);
		pLine->setText(WidgetText(spec.strText));
		QObject::connect(pLine, &QLineEdit::textChanged, pLine, [hWnd] { TextChanged(hWnd); });
		pWidget = pLine;
	}
	ApplyEditStyle(pWidget, spec.dwStyle, spec.dwExStyle);
	return pWidget;
}

namespace
{

int TextLength(QWidget* pWidget)
{
	if (QLineEdit* pLine = qobject_cast<QLineEdit*>(pWidget))
	{
		return static_cast<int>(pLine->text().size());
	}
	return static_cast<QPlainTextEdit*>(pWidget)->document()->characterCount() - 1;
}

// wParam -1 removes the selection; lParam -1 (or past the end) reaches the end of the text.
void SetSelection(QWidget* pWidget, WPARAM wParam, LPARAM lParam)
{
	const int nLength = TextLength(pWidget);
	const int nStart = static_cast<int>(wParam);
	const int nEnd = static_cast<int>(lParam);
	QLineEdit* pLine = qobject_cast<QLineEdit*>(pWidget);
	if (nStart == -1)
	{
		if (pLine != nullptr)
		{
			pLine->deselect();
		}
		else
		{
			QPlainTextEdit* pText = static_cast<QPlainTextEdit*>(pWidget);
			QTextCursor cursor = pText->textCursor();
			cursor.clearSelection();
			pText->setTextCursor(cursor);
		}
		return;
	}
	const int nFirst = std::clamp(nStart, 0, nLength);
	const int nLast = nEnd < 0 ? nLength : std::min(nEnd, nLength);
	// The caret goes to the end given last, even when it comes before the start.
	if (pLine != nullptr)
	{
		pLine->setSelection(nFirst, nLast - nFirst);
		return;
	}
	QPlainTextEdit* pText = static_cast<QPlainTextEdit*>(pWidget);
	QTextCursor cursor = pText->textCursor();
	cursor.setPosition(nFirst);
	cursor.setPosition(nLast, QTextCursor::KeepAnchor);
	pText->setTextCursor(cursor);
}

LRESULT GetSelection(QWidget* pWidget, WPARAM wParam, LPARAM lParam)
{
	int nStart = 0;
	int nEnd = 0;
	if (QLineEdit* pLine = qobject_cast<QLineEdit*>(pWidget))
	{
		nStart = pLine->hasSelectedText() ? pLine->selectionStart() : pLine->cursorPosition();
		nEnd = pLine->hasSelectedText() ? pLine->selectionEnd() : nStart;
	}
	else
	{
		QTextCursor cursor = static_cast<QPlainTextEdit*>(pWidget)->textCursor();
		nStart = cursor.selectionStart();
		nEnd = cursor.selectionEnd();
	}
	if (wParam != 0)
	{
		*reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(nStart);
	}
	if (lParam != 0)
	{
		*reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(nEnd);
	}
	return MAKELONG(static_cast<WORD>(nStart), static_cast<WORD>(nEnd));
}

LRESULT LineScroll(QWidget* pWidget, int nChars, int nLines)
{
	QPlainTextEdit* pText = qobject_cast<QPlainTextEdit*>(pWidget);
	if (pText == nullptr)
	{
		return FALSE;
	}
	QScrollBar* pVertical = pText->verticalScrollBar();
	pVertical->setValue(pVertical->value() + nLines);
	QScrollBar* pHorizontal = pText->horizontalScrollBar();
	pHorizontal->setValue(pHorizontal->value() + nChars * pText->fontMetrics().averageCharWidth());
	return TRUE;
}

void SetStyleBit(CWindowRecord* pHost, DWORD dwBit, bool bSet)
{
	pHost->m_dwStyle = bSet ? (pHost->m_dwStyle | dwBit) : (pHost->m_dwStyle & ~dwBit);
}

// The character a key being handled types reaches the widget with its key event; a character
// the program sends has no event and is typed here.
bool IsCharOfHandledKey(CWindowRecord* pHost, WPARAM nChar)
{
	const NativeWindow* pNative = FindNativeWindow(pHost->Handle());
	const QEvent* pEvent = pNative != nullptr && pHost->m_bSendingInput ? pNative->pTranslatedEvent : nullptr;
	if (pEvent == nullptr || pEvent->type() != QEvent::KeyPress)
	{
		return false;
	}
	const QString strText = static_cast<const QKeyEvent*>(pEvent)->text();
	return !strText.isEmpty() && strText.at(0).unicode() == nChar;
}

// As a Windows edit does: Backspace deletes the selection or the character before the caret,
// Enter and Tab break the line or tab only in a multi-line edit, other control characters and
// anything in a read-only edit are ignored, and the rest replaces the selection.
void TypeCharacter(CWindowRecord* pHost, QLineEdit* pLine, QPlainTextEdit* pText, WPARAM nChar)
{
	if ((pHost->m_dwStyle & ES_READONLY) != 0)
	{
		return;
	}
	if (nChar == VK_BACK)
	{
		if (pLine != nullptr)
		{
			pLine->backspace();
		}
		else
		{
			pText->textCursor().deletePreviousChar();
		}
		return;
	}
	QString strChar(QChar(static_cast<char16_t>(nChar)));
	if (nChar == '\r' || nChar == '\t')
	{
		if (pText == nullptr)
		{
			return;
		}
		strChar = nChar == '\r' ? QStringLiteral("\n") : QStringLiteral("\t");
	}
	else if (nChar < 0x20 || nChar == 0x7F)
	{
		return;
	}
	if (pLine != nullptr)
	{
		pLine->insert(strChar);
	}
	else
	{
		pText->insertPlainText(strChar);
	}
}

LRESULT EditWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	CWindowRecord* pHost = CWindowRecord::FromHandle(hWnd);
	QWidget* pWidget = pHost != nullptr ? NativeWidget(pHost->Handle()) : nullptr;
	if (pWidget == nullptr)
	{
		return ::DefWindowProc(hWnd, message, wParam, lParam);
	}
	QLineEdit* pLine = qobject_cast<QLineEdit*>(pWidget);
	QPlainTextEdit* pText = qobject_cast<QPlainTextEdit*>(pWidget);
	switch (message)
	{
	case WM_SETTEXT:
	{
		const QString strText = WidgetText(reinterpret_cast<LPCTSTR>(lParam));
		if (pLine != nullptr)
		{
			pLine->setText(strText);
		}
		else
		{
			pText->setPlainText(strText);
		}
		pHost->m_strText = WindowText(pWidget);
		return TRUE;
	}
	case EM_SETSEL:
		SetSelection(pWidget, wParam, lParam);
		return 0;
	case EM_GETSEL:
		return GetSelection(pWidget, wParam, lParam);
	case EM_REPLACESEL:
		if (pLine != nullptr)
		{
			pLine->insert(WidgetText(reinterpret_cast<LPCTSTR>(lParam)));
		}
		else
		{
			pText->insertPlainText(WidgetText(reinterpret_cast<LPCTSTR>(lParam)));
		}
		return 0;
	case WM_STYLECHANGED:
		ApplyEditStyle(pWidget, pHost->m_dwStyle, pHost->m_dwExStyle);
		return 0;
	case EM_SETREADONLY:
		SetStyleBit(pHost, ES_READONLY, wParam != 0);
		ApplyEditStyle(pWidget, pHost->m_dwStyle, pHost->m_dwExStyle);
		return TRUE;
	case EM_LIMITTEXT:
		// 0 lifts the limit; a multi-line edit has none here.
		if (pLine != nullptr)
		{
			pLine->setMaxLength(wParam == 0 ? 0x7FFFFFFE : static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE)));
		}
		return 0;
	case EM_GETLIMITTEXT:
		return pLine != nullptr ? pLine->maxLength() : 0x7FFFFFFE;
	case EM_GETMODIFY:
		return pLine != nullptr ? pLine->isModified() : pText->document()->isModified();
	case EM_SETMODIFY:
		if (pLine != nullptr)
		{
			pLine->setModified(wParam != 0);
		}
		else
		{
			pText->document()->setModified(wParam != 0);
		}
		return 0;
	case EM_GETLINECOUNT:
		return pLine != nullptr ? 1 : pText->document()->blockCount();
	case EM_GETFIRSTVISIBLELINE:
		return pLine != nullptr ? 0 : pText->verticalScrollBar()->value();
	case EM_LINESCROLL:
		return LineScroll(pWidget, static_cast<int>(wParam), static_cast<int>(lParam));
	case EM_SCROLLCARET:
		if (pText != nullptr)
		{
			pText->ensureCursorVisible();
		}
		return TRUE;
	case WM_CHAR:
		if (IsCharOfHandledKey(pHost, wParam))
		{
			return ControlDefaultProc(hWnd, message, wParam, lParam);
		}
		TypeCharacter(pHost, pLine, pText, wParam);
		return 0;
	case WM_SETFOCUS:
		ControlNotifyParent(hWnd, EN_SETFOCUS);
		return 0;
	case WM_KILLFOCUS:
		ControlNotifyParent(hWnd, EN_KILLFOCUS);
		return 0;
	case WM_GETDLGCODE:
	{
		LRESULT nCode = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
		if (pText != nullptr && (pHost->m_dwStyle & ES_WANTRETURN) != 0)
		{
			nCode |= DLGC_WANTALLKEYS;
		}
		return nCode;
	}
	default:
		return ControlDefaultProc(hWnd, message, wParam, lParam);
	}
}

}

void RegisterEditClass()
{
	WNDCLASS wc = {};
	wc.style = CS_DBLCLKS | CS_PARENTDC;
	wc.lpfnWndProc = EditWindowProc;
	wc.hCursor = ::LoadCursor(nullptr, IDC_IBEAM);
	wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
	wc.lpszClassName = "EDIT";
	RegisterWindowClass(wc, NativeKind::Edit, TRUE);
}
