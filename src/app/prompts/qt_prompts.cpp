#include "app/prompts/qt_prompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace lexorama::app {

QtPrompts::QtPrompts(QWidget *parent)
    : parent_(parent)
{
}

void QtPrompts::message(const QString &text)
{
    QMessageBox::information(parent_, QApplication::applicationDisplayName(), text);
}

bool QtPrompts::question(const QString &caption, const QString &text)
{
    return QMessageBox::question(parent_, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtPrompts::input(const QString &caption, const QString &prompt, const QString &value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtPrompts::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &p : patterns)
            p = p.trimmed();
        entries << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

namespace {

QString startPath(const FileDialogSpec &spec)
{
    if (spec.fileName.isEmpty())
        return spec.directory;
    return QDir(spec.directory).filePath(spec.fileName);
}

} // namespace

QString QtPrompts::openFileName(const FileDialogSpec &spec)
{
    return QFileDialog::getOpenFileName(parent_, spec.title, startPath(spec), qtFilter(spec.filter));
}

QString QtPrompts::saveFileName(const FileDialogSpec &spec)
{
    QFileDialog::Options options;
    if (!spec.confirmOverwrite)
        options |= QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(parent_, spec.title, startPath(spec), qtFilter(spec.filter), nullptr, options);
}

QString QtPrompts::existingDirectory(const QString &title, const QString &directory)
{
    return QFileDialog::getExistingDirectory(parent_, title, directory);
}

void QtPrompts::setBusy(bool busy)
{
    if (busy) {
        if (busyDepth_++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace lexorama::app
