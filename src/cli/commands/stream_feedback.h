#pragma once

#include "common/feedback.h"

#include <ostream>

namespace lexorama::cli {

/// Feedback for the command line: messages go to the error stream, one a line.
class StreamFeedback : public Feedback {
public:
    explicit StreamFeedback(std::ostream &err) : err_(err) {}
    void message(const std::string &text) override { err_ << text << '\n'; }

private:
    std::ostream &err_;
};

} // namespace lexorama::cli
