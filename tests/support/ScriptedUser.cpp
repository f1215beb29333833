// The scripted user of the tests and its ready-made answers.
#include "tests/support/ScriptedUser.h"

#include "framework/core/CommonDialogConstants.h"
#include "framework/ui/services/FileDialog.h"
#include "framework/ui/services/PrintDialog.h"
#include "framework/ui/services/PrinterRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

CScriptedUser::CScriptedUser()
	: m_pPrevious(AfxSetModalSeam(this))
{
}

CScriptedUser::~CScriptedUser()
{
	AfxSetModalSeam(m_pPrevious);
}

void CScriptedUser::Then(Answer answer)
{
	m_line.push_back({ true, ModalKind::MessageBox, std::move(answer) });
}

void CScriptedUser::Then(INT_PTR nResult)
{
	Then([nResult](ModalRequest&) { return nResult; });
}

void CScriptedUser::Then(ModalKind nKind, Answer answer)
{
	m_line.push_back({ false, nKind, std::move(answer) });
}

void CScriptedUser::Then(ModalKind nKind, INT_PTR nResult)
{
	Then(nKind, [nResult](ModalRequest&) { return nResult; });
}

void CScriptedUser::ThenInDialog(DialogScript fnScript)
{
	Then(ModalKind::Dialog, PlayInDialog(std::move(fnScript)));
}

void CScriptedUser::Otherwise(ModalKind nKind, Answer answer)
{
	m_standing[nKind] = std::move(answer);
}

void CScriptedUser::Otherwise(ModalKind nKind, INT_PTR nResult)
{
	Otherwise(nKind, [nResult](ModalRequest&) { return nResult; });
}

void CScriptedUser::Watch(std::function<void(const ModalRequest&)> fnLook)
{
	m_fnLook = std::move(fnLook);
}

INT_PTR CScriptedUser::OnModal(ModalRequest& request)
{
	m_shown.push_back({ request.nKind, request.pOwner, request.pDialog, static_cast<LPCTSTR>(request.strCaption),
		static_cast<LPCTSTR>(request.strText), request.nType, request.pData });
	if (m_fnLook)
	{
		m_fnLook(request);
	}
	auto itNext = std::find_if(m_line.begin(), m_line.end(),
		[&request](const Entry& entry) { return entry.bAnyKind || entry.nKind == request.nKind; });
	if (itNext != m_line.end())
	{
		// Taken out of the line before it runs: a dialog's script may put answers in line itself.
		Answer answer = std::move(itNext->answer);
		m_line.erase(itNext);
		return answer(request);
	}
	auto itStanding = m_standing.find(request.nKind);
	if (itStanding != m_standing.end())
	{
		// A copy runs: a dialog's script may change the standing answers meanwhile.
		Answer answer = itStanding->second;
		return answer(request);
	}
	ADD_FAILURE() << "unexpected request: " << request.strCaption << " / " << request.strText;
	return IDCANCEL;
}

std::vector<std::string> CScriptedUser::BoxTexts() const
{
	std::vector<std::string> texts;
	for (const ShownRequest& shown : m_shown)
	{
		if (shown.nKind == ModalKind::MessageBox)
		{
			texts.push_back(shown.strText);
		}
	}
	return texts;
}

CScriptedUser::Answer ShowForReal()
{
	return [](ModalRequest& request) { return request.pfnShow(); };
}

CScriptedUser::Answer PlayInDialog(CScriptedUser::DialogScript fnScript)
{
	return [fnScript](ModalRequest& request)
	{
		CDialog* pDialog = static_cast<CDialog*>(request.pDialog);
		AfxRunWhenIdle([fnScript, pDialog] { fnScript(*pDialog); });
		return request.pfnShow();
	};
}

CScriptedUser::Answer ChooseFile(const std::string& strPath)
{
	return [strPath](ModalRequest& request)
	{
		if (strPath.empty())
		{
			return static_cast<INT_PTR>(IDCANCEL);
		}
		OPENFILENAME* pOfn = static_cast<OPENFILENAME*>(request.pData);
		std::strncpy(pOfn->lpstrFile, strPath.c_str(), pOfn->nMaxFile - 1);
		pOfn->lpstrFile[pOfn->nMaxFile - 1] = '\0';
		return static_cast<INT_PTR>(IDOK);
	};
}

CScriptedUser::Answer ChoosePdfPrinter(short nOrientation, short nCopies)
{
	return [nOrientation, nCopies](ModalRequest& request)
	{
		PRINTDLG* pPd = static_cast<PRINTDLG*>(request.pData);
		pPd->hDevNames = CreateDevNames("pdf", PDF_PRINTER_NAME, "", FALSE);
		pPd->hDevMode = CreateDevMode(PDF_PRINTER_NAME, nOrientation, DMPAPER_A4, nCopies);
		return static_cast<INT_PTR>(IDOK);
	};
}

CScriptedUser::Answer ChooseOutputFile(const std::string& strPath)
{
	return [strPath](ModalRequest& request)
	{
		PRINTDLG* pPd = static_cast<PRINTDLG*>(request.pData);
		pPd->Flags |= PD_PRINTTOFILE;
		pPd->hDevNames = CreateDevNames("pdf", PDF_PRINTER_NAME, strPath.c_str(), FALSE);
		pPd->hDevMode = CreateDevMode(PDF_PRINTER_NAME, DMORIENT_PORTRAIT, DMPAPER_A4, 1);
		return static_cast<INT_PTR>(IDOK);
	};
}
