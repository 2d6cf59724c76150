#pragma once

#include "common/feedback.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace lexorama::speech::test {

/// Feedback that records status texts and runs a pending "user action" at the next point where
/// window events may run, as a click arriving during a wait would.
class EventFeedback : public Feedback {
public:
    void message(const std::string &) override {}
    void status(const std::string &text) override { statuses.push_back(text); }
    void processEvents() override
    {
        ++events;
        if (auto action = std::exchange(pending, nullptr))
            action();
    }

    std::vector<std::string> statuses;
    int events = 0;
    std::function<void()> pending;
};

} // namespace lexorama::speech::test
