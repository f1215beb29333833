// The user of the program's tests: answers every modal interaction from a script and writes
// down what the program showed, in order. Nothing reaches the desktop.
#pragma once

#include "framework/ui/dialog/Dialog.h"
#include "framework/ui/window/ModalSeam.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct ShownItem
{
	ModalKind nKind;
	std::string strCaption;
	std::string strText;	// a message box's text, a file dialog's initial name, the path opened
	UINT nType;
};

class CUserSeam : public CModalSeam
{
public:
	CUserSeam();
	~CUserSeam() override;

	CUserSeam(const CUserSeam&) = delete;
	CUserSeam& operator=(const CUserSeam&) = delete;

	INT_PTR OnModal(ModalRequest& request) override;

	// Message boxes take the next answer in line, IDOK when none is left.
	std::deque<INT_PTR> m_boxAnswers;
	// File dialogs take the next full path in line; an empty path or none cancels.
	std::deque<std::string> m_fileAnswers;
	// The print dialogs' answer: IDOK takes the printer the dialog opened with.
	INT_PTR m_printAnswer = IDCANCEL;
	// The shell's answer to "open": above 32 is success.
	INT_PTR m_shellAnswer = 42;
	// Dialogs run for real; the next script in line is played in the dialog once its loop
	// runs and must end it. Without a script the dialog is answered IDCANCEL without showing.
	std::deque<std::function<void(CDialog&)>> m_dialogScripts;

	std::vector<ShownItem> m_shown;

	// The message boxes shown, in order, as their texts.
	std::vector<std::string> BoxTexts() const;

private:
	CModalSeam* m_pPrevious;
};
