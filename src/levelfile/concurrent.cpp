#include "levelfile/concurrent.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

namespace rw {

namespace {

std::atomic<unsigned> max_threads{0};

}  // namespace

void set_max_threads(unsigned n) {
    max_threads = n;
}

std::vector<std::exception_ptr> run_concurrently(std::span<const std::function<void()>> tasks) {
    std::vector<std::exception_ptr> failures(tasks.size());
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < tasks.size(); i = next++) {
            try {
                tasks[i]();
            } catch (...) {
                failures[i] = std::current_exception();
            }
        }
    };
    const unsigned cap = max_threads;
    const size_t cores = cap != 0 ? cap : std::max(1u, std::thread::hardware_concurrency());
    const size_t helpers = std::min(cores, tasks.size()) - (tasks.empty() ? 0 : 1);
    std::vector<std::thread> threads;
    threads.reserve(helpers);
    for (size_t i = 0; i < helpers; ++i) {
        try {
            threads.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // no more threads to be had: the ones running take the rest
        }
    }
    work();
    for (auto& t : threads)
        t.join();
    return failures;
}

}  // namespace rw
