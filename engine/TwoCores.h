// Runs two independent halves of a job at once, one on a worker thread kept for the purpose and
// one on the calling thread: a run's synthesis is a few hundred microseconds of library calls,
// too short to start a thread for but long enough to share with the machine's second core.
#pragma once

#include <functional>

// Returns when both have run. On a single core, or while another caller has the worker, both run
// here one after the other; either way each half sees the other's writes once this returns. The
// half run elsewhere must not throw.
void RunOnTwoCores(const std::function<void()>& elsewhere, const std::function<void()>& here);
