// The user of the tests behind the modal seam: answers message boxes, file and print dialogs,
// shell opens, dialogs and popup menus from a script, and writes down every request shown.
#pragma once

#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/window/ModalSeam.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct ShownRequest
{
	ModalKind nKind;
	CWnd* pOwner;
	CWnd* pDialog;
	std::string strCaption;
	std::string strText;	// a message box's text, a file dialog's initial name, the path opened
	UINT nType;
	void* pData;
};

// Installed over the seam there was for its lifetime. A request takes the first answer in line
// meant for its kind or for any kind; with none, the standing answer of its kind; with none of
// that either, it fails the test and is cancelled.
class CScriptedUser : public CModalSeam
{
public:
	typedef std::function<INT_PTR(ModalRequest&)> Answer;
	typedef std::function<void(CDialog&)> DialogScript;

	CScriptedUser();
	~CScriptedUser() override;

	CScriptedUser(const CScriptedUser&) = delete;
	CScriptedUser& operator=(const CScriptedUser&) = delete;

	void Then(Answer answer);
	void Then(INT_PTR nResult);
	void Then(ModalKind nKind, Answer answer);
	void Then(ModalKind nKind, INT_PTR nResult);
	// The next dialog runs for real with the script played in it once its loop runs.
	void ThenInDialog(DialogScript fnScript);
	void Otherwise(ModalKind nKind, Answer answer);
	void Otherwise(ModalKind nKind, INT_PTR nResult);
	// fnLook runs at every request before it is answered, to see the program as it is then.
	void Watch(std::function<void(const ModalRequest&)> fnLook);

	INT_PTR OnModal(ModalRequest& request) override;

	// The message boxes shown, in order, as their texts.
	std::vector<std::string> BoxTexts() const;

	std::vector<ShownRequest> m_shown;

private:
	struct Entry
	{
		bool bAnyKind;
		ModalKind nKind;
		Answer answer;
	};

	std::deque<Entry> m_line;
	std::map<ModalKind, Answer> m_standing;
	std::function<void(const ModalRequest&)> m_fnLook;
	CModalSeam* m_pPrevious;
};

// Lets the interaction show for real: a dialog runs its own loop, a popup opens.
CScriptedUser::Answer ShowForReal();
// The dialog runs for real; the script is played in it once its loop runs and must end it.
CScriptedUser::Answer PlayInDialog(CScriptedUser::DialogScript fnScript);
// A file dialog answered with the full path; an empty path cancels it.
CScriptedUser::Answer ChooseFile(const std::string& strPath);
// A print dialog answered with the PDF printer, in the orientation and copies given.
CScriptedUser::Answer ChoosePdfPrinter(short nOrientation, short nCopies);
// A print dialog answered with printing to the file at strPath, as the user types it in.
CScriptedUser::Answer ChooseOutputFile(const std::string& strPath);
