// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Runs job(0) ... job(count - 1) on the calling thread and on the pool's idle
// threads together, and returns once every job has run. Jobs must not touch
// anything another job or the calling thread writes meanwhile. With no idle
// thread in the pool, everything runs on the calling thread.
namespace ParallelFor {

void run(int count, const std::function<void(int)>& job);

} // namespace ParallelFor
