#pragma once

#include <functional>
#include <utility>

namespace output {

// Runs the given restore when the scope ends, on every return path and when a fault passes
// through, so a temporary look of the window never outlives the work that needed it.
// The restore itself must not throw: it runs while a fault may already be unwinding.
class RestoreOnExit {
public:
    explicit RestoreOnExit(std::function<void()> restore) : restore_(std::move(restore)) {}
    ~RestoreOnExit()
    {
        if (restore_)
            restore_();
    }
    RestoreOnExit(const RestoreOnExit&) = delete;
    RestoreOnExit& operator=(const RestoreOnExit&) = delete;

private:
    std::function<void()> restore_;
};

}  // namespace output
