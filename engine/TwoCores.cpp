// The worker behind RunOnTwoCores: started with the first job, asleep between runs, stopped and
// joined when the program ends. Both sides spin a little before sleeping: the three fills of a
// run come one after the other, and waking a sleeping thread costs more than a fill's half.
#include "engine/TwoCores.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace
{
	// How long a side looks for the other before it sleeps.
	constexpr auto SPIN_TIME = std::chrono::microseconds(200);

	template <typename Ready>
	bool SpinFor(Ready ready)
	{
		const auto until = std::chrono::steady_clock::now() + SPIN_TIME;
		do
		{
			for (int k = 0; k < 64; k++)
				if (ready())
					return true;
		} while (std::chrono::steady_clock::now() < until);
		return ready();
	}

	class CWorker
	{
	public:
		CWorker()
			: m_thread([this] { Serve(); })
		{
		}
		~CWorker()
		{
			{
				std::lock_guard<std::mutex> lock(m_mutex);
				m_bStopping = true;
			}
			m_wake.notify_one();
			m_thread.join();
		}
		CWorker(const CWorker&) = delete;
		CWorker& operator=(const CWorker&) = delete;

		// Hands over a job and waits for it, also when here throws; the caller holds m_caller.
		void Run(const std::function<void()>& job, const std::function<void()>& here)
		{
			{
				std::lock_guard<std::mutex> lock(m_mutex);
				m_pJob.store(&job);
			}
			m_wake.notify_one();
			struct CWaitForJob
			{
				CWorker& worker;
				~CWaitForJob()
				{
					worker.WaitForJob();
				}
			} wait {*this};
			here();
		}

		std::mutex m_caller;

	private:
		void WaitForJob()
		{
			if (SpinFor([this] { return m_pJob.load() == nullptr; }))
				return;
			std::unique_lock<std::mutex> lock(m_mutex);
			m_done.wait(lock, [this] { return m_pJob.load() == nullptr; });
		}

		void Serve()
		{
			for (;;)
			{
				SpinFor([this] { return m_pJob.load() != nullptr; });
				std::unique_lock<std::mutex> lock(m_mutex);
				m_wake.wait(lock, [this] { return m_pJob.load() != nullptr || m_bStopping; });
				if (m_bStopping)
					return;
				lock.unlock();
				(*m_pJob.load())();
				lock.lock();
				m_pJob.store(nullptr);
				m_done.notify_one();
			}
		}

		std::mutex m_mutex;
		std::condition_variable m_wake;
		std::condition_variable m_done;
		std::atomic<const std::function<void()>*> m_pJob {nullptr};
		bool m_bStopping = false;
		std::thread m_thread;
	};

	// Null when the machine has one core or no thread could be started.
	CWorker* Worker()
	{
		static CWorker* pWorker = []() -> CWorker*
		{
			if (std::thread::hardware_concurrency() < 2)
				return nullptr;
			try
			{
				static CWorker worker;
				return &worker;
			}
			catch (const std::system_error&)
			{
				return nullptr;
			}
		}();
		return pWorker;
	}
}

void RunOnTwoCores(const std::function<void()>& elsewhere, const std::function<void()>& here)
{
	CWorker* pWorker = Worker();
	if (pWorker != nullptr)
	{
		std::unique_lock<std::mutex> caller(pWorker->m_caller, std::try_to_lock);
		if (caller.owns_lock())
		{
			pWorker->Run(elsewhere, here);
			return;
		}
	}
	elsewhere();
	here();
}
