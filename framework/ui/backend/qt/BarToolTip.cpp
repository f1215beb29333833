// Tooltip text requests in their 8-bit and wide forms, and the tooltip window showing the answer.
#include "framework/ui/bars/ToolTip.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/bars/BarTypes.h"
#include "framework/ui/backend/qt/WindowHost.h"
#include "framework/ui/window/UserServices.h"
#include "framework/ui/window/Wnd.h"

#include <QLabel>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace
{

// The owner may answer in the buffer, with a string of its own, or with a string resource id.
template <class TOOLTIPTEXT>
QString AnswerText(TOOLTIPTEXT& request)
{
	request.szText[sizeof(request.szText) / sizeof(request.szText[0]) - 1] = 0;
	const UINT_PTR nText = reinterpret_cast<UINT_PTR>(request.lpszText);
	if (request.lpszText == nullptr)
	{
		return QString();
	}
	if ((nText >> 16) == 0)
	{
		CString strText;
		strText.LoadString(static_cast<UINT>(nText));
		return QString::fromUtf8(static_cast<LPCTSTR>(strText));
	}
	if constexpr (sizeof(request.szText[0]) == sizeof(char))
	{
		return QString::fromUtf8(request.lpszText);
	}
	else
	{
		return QString::fromWCharArray(request.lpszText);
	}
}

// The one tooltip window. It belongs to the widget of the bar that showed it last, and goes
// with that widget.
QPointer<QLabel>& TipLabel()
{
	static QPointer<QLabel> s_pTip;
	return s_pTip;
}

QLabel* CreateTipLabel(QWidget* pOwner)
{
	QLabel* pTip = new QLabel(pOwner, Qt::ToolTip);
	pTip->setTextFormat(Qt::PlainText);
	pTip->setMargin(2);
	const COLORREF crBack = GetSysColor(COLOR_INFOBK);
	const COLORREF crText = GetSysColor(COLOR_INFOTEXT);
	pTip->setStyleSheet(QString("QLabel { background-color: rgb(%1, %2, %3); color: rgb(%4, %5, %6); "
		"border: 1px solid black; }")
			.arg(GetRValue(crBack)).arg(GetGValue(crBack)).arg(GetBValue(crBack))
			.arg(GetRValue(crText)).arg(GetGValue(crText)).arg(GetBValue(crText)));
	return pTip;
}

template <class TOOLTIPTEXT>
QString Request(CWnd* pOwner, CWnd* pFrom, UINT nID, UINT nCode)
{
	TOOLTIPTEXT request = {};
	request.hdr.hwndFrom = pFrom->GetSafeHwnd();
	request.hdr.idFrom = nID;
	request.hdr.code = nCode;
	request.lpszText = request.szText;
	pOwner->SendMessage(WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&request));
	return AnswerText(request);
}

}

CString AfxRequestToolTipText(CWnd* pOwner, CWnd* pFrom, UINT nID)
{
	if (pOwner == nullptr || pFrom == nullptr)
	{
		return CString();
	}
	QString strText = Request<TOOLTIPTEXTA>(pOwner, pFrom, nID, TTN_NEEDTEXTA);
	if (strText.isEmpty())
	{
		strText = Request<TOOLTIPTEXTW>(pOwner, pFrom, nID, TTN_NEEDTEXTW);
	}
	return CString(strText.toUtf8().constData());
}

void AfxShowToolTip(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool)
{
	CWindowHost* pHost = pWnd != nullptr ? CWindowHost::FromHandle(pWnd->GetSafeHwnd()) : nullptr;
	if (pHost == nullptr || pHost->m_pWidget == nullptr || lpRectTool == nullptr)
	{
		return;
	}
	QPointer<QLabel>& pTip = TipLabel();
	if (pTip != nullptr && pTip->parentWidget() != pHost->m_pWidget)
	{
		delete pTip;
	}
	if (pTip == nullptr)
	{
		pTip = CreateTipLabel(pHost->m_pWidget);
	}
	pTip->setText(QString::fromUtf8(lpszText));
	pTip->adjustSize();
	const CPoint offset = pHost->ClientOffsetInWidget();
	const CRect rcTool(lpRectTool);
	// Below the tool, a little right of its left edge, as Windows places a tip under the pointer.
	pTip->move(pHost->m_pWidget->mapToGlobal(QPoint(rcTool.left + offset.x + 8, rcTool.bottom + offset.y + 2)));
	pTip->show();
}

void AfxHideToolTip()
{
	if (QLabel* pTip = TipLabel())
	{
		pTip->hide();
	}
}

CString AfxGetToolTipText()
{
	QLabel* pTip = TipLabel();
	return CString(pTip != nullptr && pTip->isVisible() ? pTip->text().toUtf8().constData() : "");
}
