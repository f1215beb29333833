// Event loops with idle processing. The toolkit says when its loop is about to wait; the idle
// work then runs from the loop, so that it may itself run nested loops.
#include "framework/ui/window/EventLoops.h"

#include "framework/ui/backend/Driver.h"
#include "framework/ui/window/ModalSeam.h"

#include <algorithm>
#include <vector>

namespace
{

std::vector<CAppLoopFrame*> s_frames;
std::vector<std::function<void()>> s_idleCalls;
unsigned long s_nActivity = 0;
bool s_bIdleScheduled = false;

}

bool OnToolkitWantsIdle()
{
	CAppLoopFrame* pFrame = AfxInnermostLoop();
	if (pFrame == nullptr || s_bIdleScheduled)
	{
		return false;
	}
	bool bActivity = pFrame->m_nSeenActivity != s_nActivity;
	s_bIdleScheduled = bActivity || pFrame->m_bIdle || !s_idleCalls.empty();
	return s_bIdleScheduled;
}

void OnToolkitIdle()
{
	s_bIdleScheduled = false;
	CAppLoopFrame* pFrame = AfxInnermostLoop();
	if (pFrame == nullptr)
	{
		return;
	}
	if (pFrame->m_nSeenActivity != s_nActivity)
	{
		pFrame->m_nSeenActivity = s_nActivity;
		pFrame->m_bIdle = true;
		pFrame->m_nIdleCount = 0;
	}
	if (pFrame->m_bIdle && !pFrame->m_fnIdle(pFrame->m_nIdleCount++))
	{
		pFrame->m_bIdle = false;
	}
	if (!s_idleCalls.empty() && AfxInnermostLoop() == pFrame)
	{
		std::vector<std::function<void()>> calls;
		calls.swap(s_idleCalls);
		for (auto& fn : calls)
		{
			fn();
		}
		AfxNoteActivity();
	}
	AfxCheckLoops();
}

CAppLoopFrame::CAppLoopFrame(bool bModal, std::function<BOOL(LONG)> fnIdle, std::function<BOOL()> fnContinue)
	: m_bModal(bModal)
	, m_fnIdle(std::move(fnIdle))
	, m_fnContinue(std::move(fnContinue))
	, m_bIdle(true)
	, m_nIdleCount(0)
	, m_nSeenActivity(s_nActivity)
	, m_pLoop(AfxGetDriver().CreateLoop())
{
	s_frames.push_back(this);
}

CAppLoopFrame::~CAppLoopFrame()
{
	s_frames.erase(std::remove(s_frames.begin(), s_frames.end(), this), s_frames.end());
	delete m_pLoop;
	// The loop below picks up its idle processing again.
	AfxNoteActivity();
}

int CAppLoopFrame::Exec()
{
	if (!m_fnContinue())
	{
		return 0;
	}
	return AfxGetDriver().RunLoop(m_pLoop);
}

void CAppLoopFrame::Exit(int nCode)
{
	AfxGetDriver().ExitLoop(m_pLoop, nCode);
}

void AfxNoteActivity()
{
	++s_nActivity;
}

void AfxCheckLoops()
{
	for (CAppLoopFrame* pFrame : s_frames)
	{
		if (!pFrame->m_fnContinue())
		{
			pFrame->Exit(0);
		}
	}
}

CAppLoopFrame* AfxInnermostLoop()
{
	return s_frames.empty() ? nullptr : s_frames.back();
}

void AfxRunWhenIdle(std::function<void()> fn)
{
	s_idleCalls.push_back(std::move(fn));
	if (AfxGetDriver().IsToolkitRunning())
	{
		AfxGetDriver().WakeLoop();
	}
}

void AfxQuitLoop(int nExitCode)
{
	CAppLoopFrame* pFrame = AfxInnermostLoop();
	if (pFrame == nullptr)
	{
		return;
	}
	if (pFrame->m_bModal)
	{
		// A modal loop ends with -1 and the quit goes on to the loop below it, as on Windows.
		pFrame->Exit(-1);
		AfxGetDriver().CallSoon([nExitCode] { AfxQuitLoop(nExitCode); });
		return;
	}
	pFrame->Exit(nExitCode);
}
