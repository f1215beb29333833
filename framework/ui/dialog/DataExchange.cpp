// The data exchange of doubles, integers, strings, radio groups, check boxes and controls.
#include "framework/ui/dialog/DataExchange.h"

#include "framework/core/ControlConstants.h"
#include "framework/ui/dialog/NumberText.h"
#include "framework/ui/window/ModalSeam.h"

IMPLEMENT_DYNAMIC(CUserException, CException)

namespace
{

const char* const PROMPT_NUMBER = "Immettere un numero.";
const char* const PROMPT_INTEGER = "Immettere un numero intero.";

CString ControlText(HWND hWnd)
{
	CString strText;
	CWnd::FromHandle(hWnd)->GetWindowText(strText);
	return strText;
}

}

void AfxThrowUserException()
{
	throw CUserException();
}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
	: m_bSaveAndValidate(bSaveAndValidate)
	, m_pDlgWnd(pDlgWnd)
	, m_hWndLastControl(nullptr)
	, m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
	CWnd* pControl = m_pDlgWnd->GetDlgItem(nIDC);
	m_hWndLastControl = pControl != nullptr ? pControl->m_hWnd : nullptr;
	m_bEditLastControl = FALSE;
	return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
	HWND hWnd = PrepareCtrl(nIDC);
	m_bEditLastControl = hWnd != nullptr;
	return hWnd;
}

void CDataExchange::Fail()
{
	if (m_bSaveAndValidate && m_hWndLastControl != nullptr && ::IsWindow(m_hWndLastControl))
	{
		CWnd* pControl = CWnd::FromHandle(m_hWndLastControl);
		pControl->SetFocus();
		if (m_bEditLastControl)
		{
			pControl->SendMessage(EM_SETSEL, 0, -1);
		}
	}
	AfxThrowUserException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
	HWND hWnd = pDX->PrepareEditCtrl(nIDC);
	if (hWnd == nullptr)
	{
		return;
	}
	if (!pDX->m_bSaveAndValidate)
	{
		CWnd::FromHandle(hWnd)->SetWindowText(AfxFormatDouble(value));
		return;
	}
	double parsed = 0.0;
	if (!AfxParseDouble(ControlText(hWnd), &parsed))
	{
		AfxMessageBox(PROMPT_NUMBER, MB_OK | MB_ICONSTOP);
		pDX->Fail();
	}
	value = parsed;
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
	HWND hWnd = pDX->PrepareEditCtrl(nIDC);
	if (hWnd == nullptr)
	{
		return;
	}
	if (!pDX->m_bSaveAndValidate)
	{
		CWnd::FromHandle(hWnd)->SetWindowText(AfxFormatInt(value));
		return;
	}
	int parsed = 0;
	if (!AfxParseInt(ControlText(hWnd), &parsed))
	{
		AfxMessageBox(PROMPT_INTEGER, MB_OK | MB_ICONSTOP);
		pDX->Fail();
	}
	value = parsed;
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
	HWND hWnd = pDX->PrepareEditCtrl(nIDC);
	if (hWnd == nullptr)
	{
		return;
	}
	if (pDX->m_bSaveAndValidate)
	{
		value = ControlText(hWnd);
	}
	else
	{
		CWnd::FromHandle(hWnd)->SetWindowText(value);
	}
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
	HWND hWnd = pDX->PrepareCtrl(nIDC);
	if (hWnd == nullptr)
	{
		return;
	}
	if (pDX->m_bSaveAndValidate)
	{
		value = -1;
	}
	int nIndex = 0;
	for (CWnd* pButton = CWnd::FromHandle(hWnd); pButton != nullptr; pButton = pButton->GetNextWindow())
	{
		if (pButton->m_hWnd != hWnd && (pButton->GetStyle() & WS_GROUP) != 0)
		{
			break;
		}
		if ((pButton->SendMessage(WM_GETDLGCODE) & DLGC_RADIOBUTTON) == 0)
		{
			continue;
		}
		if (pDX->m_bSaveAndValidate)
		{
			if (pButton->SendMessage(BM_GETCHECK) == BST_CHECKED)
			{
				value = nIndex;
			}
		}
		else
		{
			pButton->SendMessage(BM_SETCHECK, nIndex == value ? BST_CHECKED : BST_UNCHECKED);
		}
		++nIndex;
	}
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
	HWND hWnd = pDX->PrepareCtrl(nIDC);
	if (hWnd == nullptr)
	{
		return;
	}
	if (pDX->m_bSaveAndValidate)
	{
		value = static_cast<int>(::SendMessage(hWnd, BM_GETCHECK, 0, 0));
	}
	else
	{
		::SendMessage(hWnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
	}
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
	if (rControl.m_hWnd != nullptr)
	{
		return;
	}
	HWND hWnd = pDX->PrepareCtrl(nIDC);
	if (hWnd != nullptr)
	{
		rControl.SubclassWindow(hWnd);
	}
}
