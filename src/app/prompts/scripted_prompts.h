#pragma once

#include "app/prompts/prompts.h"

#include <QQueue>
#include <QStringList>

namespace lexorama::app {

/// Prompts answered from a script, for tests: queue the answers before the action, then check
/// what was shown. A prompt with no queued answer is recorded in unexpected() and gets No/cancel.
class ScriptedPrompts : public Prompts {
public:
    void answerQuestion(bool yes) { questions_.enqueue(yes); }
    void answerInput(std::optional<QString> text) { inputs_.enqueue(std::move(text)); }
    /// The next open or save dialog returns this path ("" = cancel).
    void answerFile(const QString &path) { files_.enqueue(path); }

    const QStringList &messages() const { return messages_; }
    const QStringList &asked() const { return asked_; }
    const QStringList &unexpected() const { return unexpected_; }
    const QList<FileDialogSpec> &fileDialogs() const { return fileDialogs_; }
    bool busy() const { return busyDepth_ > 0; }
    void clear();

    void message(const QString &text) override;
    bool question(const QString &caption, const QString &text) override;
    std::optional<QString> input(const QString &caption, const QString &prompt, const QString &value) override;
    QString openFileName(const FileDialogSpec &spec) override;
    QString saveFileName(const FileDialogSpec &spec) override;
    QString existingDirectory(const QString &title, const QString &directory) override;
    void setBusy(bool busy) override;

private:
    QString nextFile(const FileDialogSpec &spec);

    QQueue<bool> questions_;
    QQueue<std::optional<QString>> inputs_;
    QQueue<QString> files_;
    QStringList messages_;
    QStringList asked_;
    QStringList unexpected_;
    QList<FileDialogSpec> fileDialogs_;
    int busyDepth_ = 0;
};

} // namespace lexorama::app
