#pragma once

#include <string>

namespace lexorama {

/// How a long core job speaks to whoever runs it: the window shows message boxes, a status
/// text and a busy cursor; the command line prints to stderr. Core never shows anything itself.
class Feedback {
public:
    virtual ~Feedback() = default;

    /// A message the user must see (a message box in the window).
    virtual void message(const std::string &text) = 0;
    /// Progress or result text (the status bar in the window).
    virtual void status(const std::string &) {}
    /// The hourglass cursor on (true) or off (false).
    virtual void busy(bool) {}
    /// Lets pending window events run between steps of a long job.
    virtual void processEvents() {}
};

/// Feedback that drops everything; for jobs run where nobody listens.
class SilentFeedback : public Feedback {
public:
    void message(const std::string &) override {}
};

} // namespace lexorama
