// The scripted user of the program's tests.
#include "tests/app/UserSeam.h"

#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/services/FileDialog.h"

#include <cstring>

CUserSeam::CUserSeam()
	: m_pPrevious(AfxSetModalSeam(this))
{
}

CUserSeam::~CUserSeam()
{
	AfxSetModalSeam(m_pPrevious);
}

INT_PTR CUserSeam::OnModal(ModalRequest& request)
{
	m_shown.push_back({request.nKind, static_cast<LPCTSTR>(request.strCaption), static_cast<LPCTSTR>(request.strText),
		request.nType});
	switch (request.nKind)
	{
	case ModalKind::MessageBox:
	{
		if (m_boxAnswers.empty())
			return IDOK;
		const INT_PTR nAnswer = m_boxAnswers.front();
		m_boxAnswers.pop_front();
		return nAnswer;
	}
	case ModalKind::FileDialog:
	{
		if (m_fileAnswers.empty())
			return IDCANCEL;
		const std::string strPath = m_fileAnswers.front();
		m_fileAnswers.pop_front();
		if (strPath.empty())
			return IDCANCEL;
		auto* pOfn = static_cast<OPENFILENAME*>(request.pData);
		std::strncpy(pOfn->lpstrFile, strPath.c_str(), pOfn->nMaxFile - 1);
		pOfn->lpstrFile[pOfn->nMaxFile - 1] = '\0';
		return IDOK;
	}
	case ModalKind::PrintDialog:
		return m_printAnswer;
	case ModalKind::ShellOpen:
		return m_shellAnswer;
	case ModalKind::Dialog:
	{
		if (m_dialogScripts.empty())
			return IDCANCEL;
		std::function<void(CDialog&)> fnScript = m_dialogScripts.front();
		m_dialogScripts.pop_front();
		auto* pDialog = static_cast<CDialog*>(request.pDialog);
		AfxRunWhenIdle([fnScript, pDialog] { fnScript(*pDialog); });
		return request.pfnShow();
	}
	default:
		return IDCANCEL;
	}
}

std::vector<std::string> CUserSeam::BoxTexts() const
{
	std::vector<std::string> texts;
	for (const ShownItem& item : m_shown)
	{
		if (item.nKind == ModalKind::MessageBox)
			texts.push_back(item.strText);
	}
	return texts;
}
