#include "app/window_feedback.h"

#include "app/prompts/prompts.h"

#include <QCoreApplication>

namespace lexorama::app {

WindowFeedback::WindowFeedback(Prompts &prompts, std::function<void(const QString &)> showStatus)
    : prompts_(prompts), showStatus_(std::move(showStatus))
{
}

void WindowFeedback::message(const std::string &text)
{
    prompts_.message(QString::fromStdString(text));
}

void WindowFeedback::status(const std::string &text)
{
    showStatus_(QString::fromStdString(text));
}

void WindowFeedback::busy(bool on)
{
    prompts_.setBusy(on);
}

void WindowFeedback::processEvents()
{
    QCoreApplication::processEvents();
}

} // namespace lexorama::app
