// Helpers of the dialog and control tests: a modal seam that records what was shown and plays
// a script in each dialog once its loop runs, and plain windows that record notifications.
#pragma once

#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/window/ModalSeam.h"

#include <functional>
#include <string>
#include <vector>

struct ShownRecord
{
	ModalKind nKind;
	std::string strCaption;
	std::string strText;
	UINT nType;
	CWnd* pOwner;
	CWnd* pDialog;
};

// Message boxes are answered IDOK. A dialog runs for real; the next script in line is played
// in it at idle time, and must end it.
class CRecordingSeam : public CModalSeam
{
public:
	CRecordingSeam()
		: m_pPrevious(AfxSetModalSeam(this))
	{
	}

	~CRecordingSeam() override
	{
		AfxSetModalSeam(m_pPrevious);
	}

	CRecordingSeam(const CRecordingSeam&) = delete;
	CRecordingSeam& operator=(const CRecordingSeam&) = delete;

	INT_PTR OnModal(ModalRequest& request) override
	{
		m_shown.push_back({ request.nKind, static_cast<LPCTSTR>(request.strCaption),
			static_cast<LPCTSTR>(request.strText), request.nType, request.pOwner, request.pDialog });
		if (request.nKind != ModalKind::Dialog)
		{
			return IDOK;
		}
		if (!m_scripts.empty())
		{
			std::function<void(CDialog&)> fnScript = m_scripts.front();
			m_scripts.erase(m_scripts.begin());
			CDialog* pDialog = static_cast<CDialog*>(request.pDialog);
			AfxRunWhenIdle([fnScript, pDialog] { fnScript(*pDialog); });
		}
		return request.pfnShow();
	}

	std::vector<ShownRecord> m_shown;
	std::vector<std::function<void(CDialog&)>> m_scripts;

private:
	CModalSeam* m_pPrevious;
};

// A top-level window that writes down the control notifications it receives.
class CNotifiedWindow : public CWnd
{
public:
	BOOL CreatePopup()
	{
		return CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(50, 50, 450, 350), nullptr, 0);
	}

	// "id:code" for each WM_COMMAND, in order.
	std::vector<std::string> m_notifications;

protected:
	BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
	{
		m_notifications.push_back(std::to_string(LOWORD(wParam)) + ":" + std::to_string(HIWORD(wParam)));
		return CWnd::OnCommand(wParam, lParam);
	}
};
