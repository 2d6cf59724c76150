#pragma once

#include <QString>
#include <optional>

namespace lexorama::app {

/// A file dialog as the program describes it; the filter is written "Описание|*.ext|Все файлы|*.*".
struct FileDialogSpec {
    QString title;
    QString filter;
    QString directory;
    QString fileName;
    bool confirmOverwrite = false;
    bool mustExist = false;
};

/// Everything a window asks of or tells the user goes through this interface, so that tests can
/// answer by script.
class Prompts {
public:
    virtual ~Prompts() = default;

    /// A message box with an OK button.
    virtual void message(const QString &text) = 0;
    /// A Yes/No question; true for Yes.
    virtual bool question(const QString &caption, const QString &text) = 0;
    /// An input box; empty when cancelled.
    virtual std::optional<QString> input(const QString &caption, const QString &prompt, const QString &value) = 0;
    /// Full path chosen, or empty when cancelled.
    virtual QString openFileName(const FileDialogSpec &spec) = 0;
    virtual QString saveFileName(const FileDialogSpec &spec) = 0;
    virtual QString existingDirectory(const QString &title, const QString &directory) = 0;
    /// The hourglass cursor on or off.
    virtual void setBusy(bool busy) = 0;
};

} // namespace lexorama::app
