// A QMessageBox dressed as a Windows message box.
#include "framework/ui/qt/SeamMessageBox.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/qt/WindowHost.h"
#include "framework/ui/services/MessageBoxLayout.h"
#include "framework/ui/window/Wnd.h"

#include <QMessageBox>
#include <QPushButton>

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

}

INT_PTR ShowQtMessageBox(CWnd* pOwner, const CString& strCaption, const CString& strText, UINT nType)
{
	CWindowHost* pOwnerHost = pOwner != nullptr ? CWindowHost::FromHandle(pOwner->m_hWnd) : nullptr;
	if (pOwnerHost != nullptr)
	{
		pOwnerHost = pOwnerHost->TopLevel();
	}
	QMessageBox box(QtIcon(nType), QString::fromUtf8(static_cast<LPCTSTR>(strCaption)), QString::fromUtf8(static_cast<LPCTSTR>(strText)), QMessageBox::NoButton,
		pOwnerHost != nullptr ? pOwnerHost->m_pWidget : nullptr);
	std::vector<MessageBoxButton> choices = MessageBoxButtons(nType);
	std::vector<QPushButton*> buttons;
	int nEscape = MessageBoxEscapeResult(nType);
	for (const MessageBoxButton& choice : choices)
	{
		buttons.push_back(box.addButton(QString::fromUtf8(choice.lpszCaption), QtRole(choice.nResult)));
		if (choice.nResult == nEscape)
		{
			box.setEscapeButton(buttons.back());
		}
	}
	box.setDefaultButton(buttons[MessageBoxDefaultButton(nType)]);
	// The owner is disabled while the box shows, as on Windows.
	CWnd* pOwnerWnd = pOwnerHost != nullptr ? CWnd::FromHandle(pOwnerHost->Handle()) : nullptr;
	BOOL bReenable = pOwnerWnd != nullptr && pOwnerWnd->IsWindowEnabled();
	if (bReenable)
	{
		pOwnerWnd->EnableWindow(FALSE);
	}
	box.exec();
	if (bReenable && pOwnerHost != nullptr && CWindowHost::FromHandle(pOwnerHost->Handle()) != nullptr)
	{
		CWnd::FromHandle(pOwnerHost->Handle())->EnableWindow(TRUE);
	}
	for (size_t i = 0; i < buttons.size(); ++i)
	{
		if (box.clickedButton() == buttons[i])
		{
			return choices[i].nResult;
		}
	}
	return nEscape != 0 ? nEscape : choices[0].nResult;
}
