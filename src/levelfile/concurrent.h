#pragma once
// Independent pieces of work (the compressed chunks of a level file) spread over the cores.

#include <exception>
#include <functional>
#include <span>
#include <vector>

namespace rw {

// Runs every task, on as many threads as there are cores, and waits for all of them. Returns
// each task's failure (null when it succeeded), in task order, so the caller can report them
// in the order a serial run would have met them.
std::vector<std::exception_ptr> run_concurrently(std::span<const std::function<void()>> tasks);

// Caps the threads run_concurrently uses; 0 means one per core. For measuring the gain.
void set_max_threads(unsigned n);

}  // namespace rw
