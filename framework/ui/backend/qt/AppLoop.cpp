// Event loops with idle processing. Qt says when its dispatcher is about to wait; the idle work
// then runs from a zero-time timer, so that it may itself run nested loops.
#include "framework/ui/backend/qt/AppLoop.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace
{

std::vector<CAppLoopFrame*> s_frames;
std::vector<std::function<void()>> s_idleCalls;
unsigned long s_nActivity = 0;
bool s_bIdleScheduled = false;
QObject* s_pIdleContext = nullptr;
QMetaObject::Connection s_blockConnection;

void RunIdle()
{
	s_bIdleScheduled = false;
	CAppLoopFrame* pFrame = AppInnermostLoop();
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
	if (!s_idleCalls.empty() && AppInnermostLoop() == pFrame)
	{
		std::vector<std::function<void()>> calls;
		calls.swap(s_idleCalls);
		for (auto& fn : calls)
		{
			fn();
		}
		AppNoteActivity();
	}
	AppCheckLoops();
}

void OnAboutToBlock()
{
	CAppLoopFrame* pFrame = AppInnermostLoop();
	if (pFrame == nullptr || s_bIdleScheduled)
	{
		return;
	}
	bool bActivity = pFrame->m_nSeenActivity != s_nActivity;
	if (bActivity || pFrame->m_bIdle || !s_idleCalls.empty())
	{
		s_bIdleScheduled = true;
		QTimer::singleShot(0, s_pIdleContext, &RunIdle);
	}
}

void EnsureIdleHook()
{
	if (s_pIdleContext == nullptr)
	{
		s_pIdleContext = new QObject(QCoreApplication::instance());
		QObject::connect(QCoreApplication::instance(), &QObject::destroyed, [] { s_pIdleContext = nullptr; });
	}
	QAbstractEventDispatcher* pDispatcher = QAbstractEventDispatcher::instance();
	if (!s_blockConnection && pDispatcher != nullptr)
	{
		s_blockConnection =
			QObject::connect(pDispatcher, &QAbstractEventDispatcher::aboutToBlock, s_pIdleContext, &OnAboutToBlock);
	}
}

}

CAppLoopFrame::CAppLoopFrame(bool bModal, std::function<BOOL(LONG)> fnIdle, std::function<BOOL()> fnContinue)
	: m_bModal(bModal)
	, m_fnIdle(std::move(fnIdle))
	, m_fnContinue(std::move(fnContinue))
	, m_bIdle(true)
	, m_nIdleCount(0)
	, m_nSeenActivity(s_nActivity)
	, m_pLoop(new QEventLoop)
{
	s_frames.push_back(this);
}

CAppLoopFrame::~CAppLoopFrame()
{
	s_frames.erase(std::remove(s_frames.begin(), s_frames.end(), this), s_frames.end());
	delete m_pLoop;
	// The loop below picks up its idle processing again.
	AppNoteActivity();
}

int CAppLoopFrame::Exec()
{
	if (!m_fnContinue())
	{
		return 0;
	}
	EnsureIdleHook();
	return m_pLoop->exec();
}

void CAppLoopFrame::Exit(int nCode)
{
	m_pLoop->exit(nCode);
}

void AppNoteActivity()
{
	++s_nActivity;
}

void AppCheckLoops()
{
	for (CAppLoopFrame* pFrame : s_frames)
	{
		if (!pFrame->m_fnContinue())
		{
			pFrame->Exit(0);
		}
	}
}

CAppLoopFrame* AppInnermostLoop()
{
	return s_frames.empty() ? nullptr : s_frames.back();
}

void AppRunWhenIdle(std::function<void()> fn)
{
	s_idleCalls.push_back(std::move(fn));
	if (QAbstractEventDispatcher::instance() != nullptr)
	{
		QAbstractEventDispatcher::instance()->wakeUp();
	}
}

void AppQuit(int nExitCode)
{
	CAppLoopFrame* pFrame = AppInnermostLoop();
	if (pFrame == nullptr)
	{
		return;
	}
	if (pFrame->m_bModal)
	{
		// A modal loop ends with -1 and the quit goes on to the loop below it, as on Windows.
		pFrame->Exit(-1);
		QTimer::singleShot(0, s_pIdleContext, [nExitCode] { AppQuit(nExitCode); });
		return;
	}
	pFrame->Exit(nExitCode);
}
