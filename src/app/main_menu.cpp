#include "app/main_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <stdexcept>
#include <vector>

namespace lexorama::app {

namespace {

enum Kind { Plain, Hidden, Check, Separator };

struct Item {
    const char *caption;
    const char *name;
    const char *shortcut;
    Kind kind;
};

struct Menu {
    const char *caption;
    const char *name;
    std::vector<Item> items;
};

const std::vector<Menu> &menus()
{
    static const std::vector<Menu> list = {
        {"Файл", "FileMenuItem", {
            {"Новый словарь на диске", "NewFileOnDiskMenuItem", "", Plain},
            {"Новый словарь", "NewFileMenuItem", "", Plain},
            {"Открыть", "OpenFileMenuItem", "", Plain},
            {"Сохранить (UTF8 без BOM)", "SaveFileMenuItem", "", Hidden},
            {"Сохранить", "SaveFileWithBOMMenuItem", "", Plain},
            {"", "", "", Separator},
            {"Выход", "ExitMenuItem", "Alt+X", Plain},
        }},
        {"Импорт/Экспорт", "ImportExportMenuItem", {
            {"Импорт из файла PLS", "ImportPLSMenuItem", "", Plain},
            {"Импорт из файла TXT", "ImportTXTCSVMenuItem", "", Plain},
            {"", "", "", Separator},
            {"Экспорт в файл LIST", "ListMenuItem", "", Plain},
            {"Экспорт в файл DIC", "ExportDicMenuItem", "", Plain},
            {"Экспорт в файл TXT", "ExportCSVMenuItem", "", Plain},
            {"", "", "", Separator},
            {"Копировать в файл PLS", "CopyToPLSMenuItem", "", Plain},
            {"Переместить в файл PLS", "MoveToPLSMenuItem", "", Plain},
        }},
        {"Список слов", "WordListMenuItem", {
            {"Проверка дубликатов в словарях", "VerifyMenuItem", "F9", Plain},
            {"Синхронизировать фонемы из дубликатов", "ReplacePhonemesMenuItem", "", Plain},
            {"Новые слова", "NewWordsMenuItem", "", Hidden},
            {"Повторные слова", "RepeatedWordsMenuItem", "", Hidden},
            {"Слова с различиями в фонемах", "DifferentPhonemesMenuItem", "", Hidden},
            {"Полные дубликаты", "FullDuplicatesMenuItem", "", Hidden},
            {"Удалить полные дубликаты", "DeleteFullDuplicatesMenuItem", "", Hidden},
            {"Пакетный режим", "BatchModeMenuItem", "", Hidden},
            {"", "", "", Separator},
            {"Склонение/спряжение", "SclonenieMenuItem", "F4", Plain},
        }},
        {"Инструменты", "ToolsMenuItem", {
            {"Очистить столбец в таблице", "EraseTableMenuItem", "", Plain},
            {"Очистка комментариев", "EraseCommentsMenuItem", "", Hidden},
            {"Очистка grapheme2", "EraseGrapheme2MenuItem", "", Hidden},
            {"Очистка grapheme3", "EraseGrapheme3MenuItem", "", Hidden},
            {"Все буквы строчные grapheme", "GraphemeLowerCaseMenuItem", "Alt+Space", Plain},
            {"Заполнить вариант написания grapheme2", "Variant2MenuItem", "", Plain},
            {"Заполнить вариант написания grapheme3", "Variant3MenuItem", "", Plain},
            {"Коррекция ч-щ", "CorrectCharsMenuItem", "", Hidden},
            {"Заполнить lexname", "SetLexnameMenuItem", "", Plain},
            {"", "", "", Separator},
            {"Индексация словарей", "IndexDicMenuItem", "F5", Plain},
            {"Загрузить индекс словарей", "LoadIndexMenuItem", "", Plain},
            {"Сохранить индекс словарей", "SaveIndexMenuItem", "F6", Plain},
        }},
        {"Настройки", "OptionsMenuItem", {
            {"Каталог словарей IVONA TTS", "IvonaOptionMenuItem", "", Plain},
            {"Автозагрузка словарей", "AutoloadDicMenuItem", "", Check},
            {"Автозаполнение фонемы", "AutoPhonemeMenuItem", "", Check},
            {"Настройки пользователя", "UserOptionsMenuItem", "", Plain},
            {"Загрузить  из файла список словарей PLS", "LoadListPLSMenuItem", "F8", Plain},
        }},
        {"Справка", "HelpMenuItem", {
            {"О программе...", "AboutMenuItem", "", Plain},
        }},
    };
    return list;
}

} // namespace

MainMenu::MainMenu(QMainWindow *window)
{
    for (const Menu &m : menus()) {
        QMenu *menu = window->menuBar()->addMenu(QString::fromUtf8(m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        for (const Item &item : m.items) {
            if (item.kind == Separator) {
                menu->addSeparator();
                continue;
            }
            QAction *a = menu->addAction(QString::fromUtf8(item.caption));
            a->setObjectName(QString::fromLatin1(item.name));
            a->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            a->setShortcutContext(Qt::WindowShortcut);
            a->setCheckable(item.kind == Check);
            a->setEnabled(false);
            a->setVisible(item.kind != Hidden);
            actions_.insert(a->objectName(), a);
        }
    }
}

QAction *MainMenu::action(const QString &name) const
{
    QAction *a = actions_.value(name);
    if (!a)
        throw std::invalid_argument("no menu item " + name.toStdString());
    return a;
}

QAction *MainMenu::enable(const QString &name) const
{
    QAction *a = action(name);
    if (a->isVisible())
        a->setEnabled(true);
    return a;
}

} // namespace lexorama::app
