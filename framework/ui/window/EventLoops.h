// The program's event loops: the application's own and the nested modal loops, with the idle
// processing each runs when no message is waiting, and the calls tests queue for idle time.
#pragma once

#include "framework/core/Types.h"

#include <functional>

class CNativeLoop;

class CAppLoopFrame
{
public:
	// fnIdle is called with the idle count (0 after every non-idle message) while it returns TRUE;
	// fnContinue ends the loop when it returns FALSE.
	CAppLoopFrame(bool bModal, std::function<BOOL(LONG)> fnIdle, std::function<BOOL()> fnContinue);
	~CAppLoopFrame();

	CAppLoopFrame(const CAppLoopFrame&) = delete;
	CAppLoopFrame& operator=(const CAppLoopFrame&) = delete;

	int Exec();
	void Exit(int nCode);

	bool m_bModal;
	std::function<BOOL(LONG)> m_fnIdle;
	std::function<BOOL()> m_fnContinue;
	bool m_bIdle;
	LONG m_nIdleCount;
	unsigned long m_nSeenActivity;
	CNativeLoop* m_pLoop;
};

// A message from outside (input, a timer, a posted message) makes the loop non-idle again.
void AfxNoteActivity();
// Ends every loop whose continue test has become false.
void AfxCheckLoops();
CAppLoopFrame* AfxInnermostLoop();
// WM_QUIT: ends the innermost modal loop and passes the quit on, or ends the application's loop.
void AfxQuitLoop(int nExitCode);
