// Sharing a job with the worker: each half runs once and its writes are seen on return, also when
// two callers ask at once (one of them then runs both halves itself) and when the worker has
// slept between jobs.
#include "engine/TwoCores.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace
{
	// Writes a block of values on either side; the caller checks every one after the call.
	void ShareBlocks(std::vector<long>& values, long tag)
	{
		const size_t half = values.size() / 2;
		RunOnTwoCores(
			[&] {
				for (size_t i = half; i < values.size(); i++)
					values[i] += tag + static_cast<long>(i);
			},
			[&] {
				for (size_t i = 0; i < half; i++)
					values[i] += tag + static_cast<long>(i);
			});
	}
}

TEST(TwoCores, EachHalfRunsOnceAndIsSeenOnReturn)
{
	std::vector<long> values(4096, 0);
	for (long round = 1; round <= 200; round++)
	{
		ShareBlocks(values, 0);
		if (round % 50 == 0)
			std::this_thread::sleep_for(std::chrono::milliseconds(2));	// the worker asleep again
		for (size_t i = 0; i < values.size(); i++)
			ASSERT_EQ(values[i], round * static_cast<long>(i)) << "round " << round << ", value " << i;
	}
}

TEST(TwoCores, CallersAtOnceEachGetTheirOwnJobDone)
{
	constexpr int CALLERS = 3;
	constexpr long ROUNDS = 300;
	std::vector<std::vector<long>> values(CALLERS, std::vector<long>(1024, 0));
	std::vector<std::thread> callers;
	for (int c = 0; c < CALLERS; c++)
		callers.emplace_back([&values, c] {
			for (long round = 0; round < ROUNDS; round++)
				ShareBlocks(values[c], c * 1000000L);
		});
	for (std::thread& caller : callers)
		caller.join();
	for (int c = 0; c < CALLERS; c++)
		for (size_t i = 0; i < values[c].size(); i++)
			ASSERT_EQ(values[c][i], ROUNDS * (c * 1000000L + static_cast<long>(i))) << "caller " << c << ", value " << i;
}
