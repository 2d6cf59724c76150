#pragma once

#include "app/prompts/prompts.h"

class QWidget;

namespace lexorama::app {

/// Prompts shown with Qt's message boxes, input dialog and file dialogs.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget *parent);

    void message(const QString &text) override;
    bool question(const QString &caption, const QString &text) override;
    std::optional<QString> input(const QString &caption, const QString &prompt, const QString &value) override;
    QString openFileName(const FileDialogSpec &spec) override;
    QString saveFileName(const FileDialogSpec &spec) override;
    QString existingDirectory(const QString &title, const QString &directory) override;
    void setBusy(bool busy) override;

    /// "Файлы PLS|*.pls|Все файлы|*.*" as Qt writes it: "Файлы PLS (*.pls);;Все файлы (*.*)".
    static QString qtFilter(const QString &filter);

private:
    QWidget *parent_;
    int busyDepth_ = 0;
};

} // namespace lexorama::app
