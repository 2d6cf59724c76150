#include "app/prompts/scripted_prompts.h"

namespace lexorama::app {

void ScriptedPrompts::clear()
{
    messages_.clear();
    asked_.clear();
    unexpected_.clear();
    fileDialogs_.clear();
}

void ScriptedPrompts::message(const QString &text)
{
    messages_ << text;
}

bool ScriptedPrompts::question(const QString &caption, const QString &text)
{
    asked_ << caption + QStringLiteral(": ") + text;
    if (questions_.isEmpty()) {
        unexpected_ << QStringLiteral("question: ") + text;
        return false;
    }
    return questions_.dequeue();
}

std::optional<QString> ScriptedPrompts::input(const QString &caption, const QString &prompt, const QString &)
{
    asked_ << caption + QStringLiteral(": ") + prompt;
    if (inputs_.isEmpty()) {
        unexpected_ << QStringLiteral("input: ") + prompt;
        return std::nullopt;
    }
    return inputs_.dequeue();
}

QString ScriptedPrompts::nextFile(const FileDialogSpec &spec)
{
    fileDialogs_ << spec;
    if (files_.isEmpty()) {
        unexpected_ << QStringLiteral("file dialog: ") + spec.title;
        return {};
    }
    return files_.dequeue();
}

QString ScriptedPrompts::openFileName(const FileDialogSpec &spec)
{
    return nextFile(spec);
}

QString ScriptedPrompts::saveFileName(const FileDialogSpec &spec)
{
    return nextFile(spec);
}

QString ScriptedPrompts::existingDirectory(const QString &title, const QString &directory)
{
    return nextFile(FileDialogSpec{title, {}, directory, {}, false, false});
}

void ScriptedPrompts::setBusy(bool busy)
{
    busyDepth_ += busy ? 1 : (busyDepth_ > 0 ? -1 : 0);
}

} // namespace lexorama::app
