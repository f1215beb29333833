// A QMessageBox dressed as a Windows message box.
#include "framework/ui/qt/SeamMessageBox.h"

#include "framework/core/WinConstants.h"
#include "framework/ui/qt/WindowHost.h"
#include "framework/ui/window/Wnd.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace
{

struct ButtonSpec
{
	const char* pszCaption;
	int nResult;
	QMessageBox::ButtonRole role;
};

std::vector<ButtonSpec> ButtonsOf(UINT nType)
{
	switch (nType & MB_TYPEMASK)
	{
	case MB_OKCANCEL:
		return { { "OK", IDOK, QMessageBox::AcceptRole }, { "Annulla", IDCANCEL, QMessageBox::RejectRole } };
	case MB_ABORTRETRYIGNORE:
		return { { "Interrompi", IDABORT, QMessageBox::RejectRole }, { "Riprova", IDRETRY, QMessageBox::AcceptRole },
			{ "Ignora", IDIGNORE, QMessageBox::AcceptRole } };
	case MB_YESNOCANCEL:
		return { { "Sì", IDYES, QMessageBox::YesRole }, { "No", IDNO, QMessageBox::NoRole },
			{ "Annulla", IDCANCEL, QMessageBox::RejectRole } };
	case MB_YESNO:
		return { { "Sì", IDYES, QMessageBox::YesRole }, { "No", IDNO, QMessageBox::NoRole } };
	case MB_RETRYCANCEL:
		return { { "Riprova", IDRETRY, QMessageBox::AcceptRole }, { "Annulla", IDCANCEL, QMessageBox::RejectRole } };
	default:
		return { { "OK", IDOK, QMessageBox::AcceptRole } };
	}
}

QMessageBox::Icon IconOf(UINT nType)
{
	switch (nType & MB_ICONMASK)
	{
	case MB_ICONHAND:
		return QMessageBox::Critical;
	case MB_ICONQUESTION:
		return QMessageBox::Question;
	case MB_ICONEXCLAMATION:
		return QMessageBox::Warning;
	case MB_ICONASTERISK:
		return QMessageBox::Information;
	default:
		return QMessageBox::NoIcon;
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
	QMessageBox box(IconOf(nType), QString::fromUtf8(static_cast<LPCTSTR>(strCaption)), QString::fromUtf8(static_cast<LPCTSTR>(strText)), QMessageBox::NoButton,
		pOwnerHost != nullptr ? pOwnerHost->m_pWidget : nullptr);
	std::vector<ButtonSpec> specs = ButtonsOf(nType);
	std::vector<QPushButton*> buttons;
	for (const ButtonSpec& spec : specs)
	{
		buttons.push_back(box.addButton(QString::fromUtf8(spec.pszCaption), spec.role));
	}
	size_t nDefault = (nType & MB_DEFMASK) >> 8;
	if (nDefault < buttons.size())
	{
		box.setDefaultButton(buttons[nDefault]);
	}
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
			return specs[i].nResult;
		}
	}
	// Closing the box without a button is Cancel where there is one, else the only answer.
	for (const ButtonSpec& spec : specs)
	{
		if (spec.nResult == IDCANCEL)
		{
			return IDCANCEL;
		}
	}
	return specs.size() == 1 ? specs[0].nResult : IDCANCEL;
}
