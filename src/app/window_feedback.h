#pragma once

#include "common/feedback.h"

#include <QString>
#include <functional>

namespace lexorama::app {

class Prompts;

/// Core jobs speak to the user through the window's prompts and status bar.
class WindowFeedback : public Feedback {
public:
    WindowFeedback(Prompts &prompts, std::function<void(const QString &)> showStatus);

    void message(const std::string &text) override;
    void status(const std::string &text) override;
    void busy(bool on) override;
    void processEvents() override;

private:
    Prompts &prompts_;
    std::function<void(const QString &)> showStatus_;
};

} // namespace lexorama::app
