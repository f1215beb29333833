// The scripted user of a long benchmark session: a window runs its own modal loop and, each time
// it is idle again, the user takes the next step (a command, a window, a file) until the warm-up
// and then the measured steps are done, reading the process's memory after each part.
#pragma once

#include "bench/ProcessMemory.h"
#include "bench/SessionSeam.h"

class CDialog;

class CLongSessionUser : public CSessionSeam
{
public:
	long m_nDone = 0;
	ProcessMemory m_afterWarmUp {};
	ProcessMemory m_atEnd {};

	// The growth and resources of the session, and the growth per measured step as pszPerStep.
	void Report(benchmark::State& state, const char* pszPerStep) const;

protected:
	CLongSessionUser(CDialog& window, long nWarmUp, long nMeasured);

	// Starts the next step; the step counts itself done (++m_nDone) when it has run, which may be
	// later, behind a dialog's own loop. FALSE when it cannot be started: the session ends there.
	virtual bool StartStep() = 0;
	// Queues the next step for the window's idle time: the modal loop the session runs in.
	void NextWhenIdle();
	long m_nStarted = 0;

private:
	void Next();

	CDialog& m_window;
	long m_nWarmUp;
	long m_nMeasured;
};
