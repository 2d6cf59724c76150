#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace lexorama::app {

/// The main window's menu bar, built from one table of items. Every item is a QAction named
/// after its component (OpenFileMenuItem, VerifyMenuItem, ...); items whose command is not part
/// of the program yet stand disabled; hidden items are invisible and disabled.
class MainMenu {
public:
    explicit MainMenu(QMainWindow *window);

    /// The item with this component name; throws if there is none.
    QAction *action(const QString &name) const;
    /// Enables an item whose command has been wired.
    QAction *enable(const QString &name) const;

private:
    QHash<QString, QAction *> actions_;
};

} // namespace lexorama::app
