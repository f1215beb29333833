// CDialog: construction, the modal run through the seam, ending, OK and Cancel, and the data
// exchange entry point.
#include "framework/ui/dialog/Dialog.h"

#include "framework/core/Resources.h"
#include "framework/ui/dialog/DataExchange.h"
#include "framework/ui/window/ModalSeam.h"
#include "framework/ui/window/WinApp.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
	ON_COMMAND(IDOK, OnOK)
	ON_COMMAND(IDCANCEL, OnCancel)
	ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog()
	: m_lpszTemplateName(nullptr)
	, m_nIDHelp(0)
	, m_lpDialogTemplate(nullptr)
	, m_pParentWnd(nullptr)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
	: CDialog()
{
	m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
	m_nIDHelp = nIDTemplate;
	m_pParentWnd = pParentWnd;
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
	: CDialog()
{
	m_lpszTemplateName = lpszTemplateName;
	m_pParentWnd = pParentWnd;
}

CDialog::~CDialog()
{
	if (m_hWnd != nullptr)
	{
		DestroyWindow();
	}
}

const DialogTemplate* CDialog::FindTemplate() const
{
	if (m_lpDialogTemplate != nullptr)
	{
		return m_lpDialogTemplate;
	}
	if (m_lpszTemplateName == nullptr)
	{
		return nullptr;
	}
	if (IS_INTRESOURCE(m_lpszTemplateName))
	{
		return AfxFindDialogTemplate(static_cast<UINT>(reinterpret_cast<UINT_PTR>(m_lpszTemplateName)));
	}
	if (m_lpszTemplateName[0] == '#')
	{
		return AfxFindDialogTemplate(static_cast<UINT>(std::strtoul(m_lpszTemplateName + 1, nullptr, 10)));
	}
	return nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
	return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
	m_lpszTemplateName = lpszTemplateName;
	if (IS_INTRESOURCE(lpszTemplateName))
	{
		m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
	}
	return CreateFromTemplate(FindTemplate(), pParentWnd, FALSE);
}

BOOL CDialog::CreateIndirect(const DialogTemplate* pTemplate, CWnd* pParentWnd)
{
	return CreateFromTemplate(pTemplate, pParentWnd, FALSE);
}

BOOL CDialog::InitModalIndirect(const DialogTemplate* pTemplate, CWnd* pParentWnd)
{
	m_lpDialogTemplate = pTemplate;
	m_pParentWnd = pParentWnd;
	return pTemplate != nullptr;
}

// A modal dialog is owned by the window that is active when it opens: the last active pop-up of
// its parent's top-level window, or of the main window without a parent, as on Windows. A
// modeless one is owned by its parent, or by the main window.
CWnd* CDialog::FindOwner(CWnd* pParentWnd, BOOL bModal) const
{
	CWnd* pOwner = pParentWnd;
	if (pOwner == nullptr && AfxGetApp() != nullptr)
	{
		pOwner = AfxGetApp()->GetMainWnd();
	}
	if (pOwner == nullptr || pOwner == this || pOwner->m_hWnd == nullptr)
	{
		return nullptr;
	}
	if (bModal)
	{
		pOwner = GetSafeOwner(pOwner);
	}
	return pOwner == this ? nullptr : pOwner;
}

INT_PTR CDialog::DoModal()
{
	const DialogTemplate* pTemplate = FindTemplate();
	ModalRequest request = {};
	request.nKind = ModalKind::Dialog;
	request.pOwner = FindOwner(m_pParentWnd, TRUE);
	request.pDialog = this;
	request.strCaption = pTemplate != nullptr && pTemplate->lpszCaption != nullptr ? pTemplate->lpszCaption : "";
	request.pfnShow = [this] { return RunModal(); };
	return AfxDoModalRequest(request);
}

INT_PTR CDialog::RunModal()
{
	if (!CreateFromTemplate(FindTemplate(), m_pParentWnd, TRUE))
	{
		return -1;
	}
	const DialogTemplate* pTemplate = FindTemplate();
	const DWORD dwFlags = (pTemplate->dwStyle & DS_NOIDLEMSG) != 0 ? MLF_NOIDLEMSG : 0;
	const int nResult = RunModalLoop(dwFlags);
	// The owner is enabled again by the loop before the dialog goes, so it can take the focus back.
	if (m_hWnd != nullptr)
	{
		ShowWindow(SW_HIDE);
		DestroyWindow();
	}
	return nResult;
}

void CDialog::EndDialog(int nResult)
{
	if ((m_nFlags & WF_MODALLOOP) != 0)
	{
		EndModalLoop(nResult);
	}
	else if (m_hWnd != nullptr)
	{
		// A modeless dialog is only hidden, as on Windows; its owner destroys it.
		ShowWindow(SW_HIDE);
	}
}

BOOL CDialog::OnInitDialog()
{
	UpdateData(FALSE);
	return TRUE;
}

void CDialog::OnOK()
{
	if (!UpdateData(TRUE))
	{
		return;
	}
	EndDialog(IDOK);
}

void CDialog::OnCancel()
{
	EndDialog(IDCANCEL);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
	Default();
	return OnInitDialog();
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
	CDataExchange dx(this, bSaveAndValidate);
	try
	{
		DoDataExchange(&dx);
	}
	catch (const CUserException&)
	{
		return FALSE;
	}
	return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}
