#include "app/main_window.h"

#include "app/edit_panel.h"
#include "app/edit_panel_reader.h"
#include "app/lexicon_grid.h"
#include "app/lexicon_table_model.h"
#include "app/main_menu.h"
#include "app/prompts/prompts.h"
#include "app/record_navigator.h"
#include "lexicon/edit_panel_sync.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/pls_file.h"
#include "phonetics/alphabet_table.h"
#include "tools/record_marks.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lexorama::app {

namespace {

const QString kNewFileName = QStringLiteral("Newfile.pls");
const QString kPlsFilter = QStringLiteral("Файлы PLS|*.pls|Все файлы|*.*");
const char *const kWindow = "TForm1";

lexicon::FieldLayout duplicatesLayout()
{
    using lexicon::FieldType;
    return lexicon::FieldLayout({{"grapheme", FieldType::String, 70},
                                 {"phoneme", FieldType::String, 30},
                                 {"lexname", FieldType::String, 30}});
}

std::vector<LexiconTableModel::Column> allColumns(const lexicon::FieldLayout &layout)
{
    std::vector<LexiconTableModel::Column> columns;
    for (std::size_t i = 0; i < layout.size(); ++i)
        columns.push_back({i, QString::fromStdString(layout[i].name)});
    return columns;
}

QString fromStd(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A band of the window with a fixed height and a row layout.
QWidget *fixedBar(QWidget *parent, const char *name, int height)
{
    auto *bar = new QWidget(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setFixedHeight(height);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    return bar;
}

} // namespace

MainWindow::MainWindow(Prompts &prompts, wordforms::WordFormsModule &wordForms,
                       speech::SpeechEngineFactory speechEngine, std::string settingsPath, QWidget *parent)
    : QMainWindow(parent),
      Table1(lexicon::lexiconLayout()),
      CurrentRecordTable(lexicon::lexiconLayout()),
      TempTable(lexicon::scratchLayout()),
      DoubleTable(duplicatesLayout()),
      Table2(phonetics::alphabetLayout()),
      prompts_(prompts),
      wordForms_(wordForms),
      feedback_(prompts, [this](const QString &text) { showStatus(text); }),
      tts_(std::move(speechEngine), feedback_),
      settingsPath_(std::move(settingsPath))
{
    setObjectName(QStringLiteral("Form1"));
    FormCreate();
    RestoreProperties();
    XMLPropStorage1RestoreProperties();
}

MainWindow::~MainWindow()
{
    tts_.TTSDone();
}

QString MainWindow::applicationTitle()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

std::string MainWindow::defaultSettingsPath()
{
    const QString name = applicationTitle() + QStringLiteral(".xml");
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable())
        return QDir(programFolder).filePath(name).toStdString();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/lexorama");
    QDir().mkpath(config);
    return QDir(config).filePath(QStringLiteral("lexorama.xml")).toStdString();
}

void MainWindow::FormCreate()
{
    buildLayout();
    buildActions();
    buildPopupMenus();
    wireCommands();
    wirePhonetics();
    panelReader_ = std::make_unique<EditPanelReader>(*Panel4, [this] { Table1AfterScroll(); });
    readingCommands_ = std::make_unique<speech::ReadingCommands>(tts_, Table1, *panelReader_, feedback_);
    wireSpeech();

    Table1.setAfterScroll([this] { Table1AfterScroll(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, &MainWindow::PageControl1Change);
    PageControl1->setCurrentWidget(TabSheet1);

    const QString programFolder = QCoreApplication::applicationDirPath();
    IvonaDicOpenDialog = {programFolder, QString()};
    SaveDialog1 = {programFolder, kNewFileName};

    DBGrid1->setFocus();
    startingUp_ = true;
    menu_->action(QStringLiteral("ReplacePhonemesMenuItem"))->setEnabled(false);
    PageControl1->setTabText(0, kNewFileName);
    setWindowTitle(QStringLiteral("Lexorama"));
}

void MainWindow::buildLayout()
{
    resize(940, 588);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 0);
    column->setSpacing(2);
    Panel4 = new EditPanel(CurrentRecordTable, central);
    column->addWidget(Panel4);
    column->addWidget(buildSearchBar());
    column->addWidget(buildPages(), 1);
    column->addWidget(buildBottomBar());
    setCentralWidget(central);

    StatusBar1 = new QLabel(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusBar1, 1);
    menu_ = std::make_unique<MainMenu>(this);
}

QWidget *MainWindow::buildSearchBar()
{
    auto *bar = fixedBar(this, "Panel1", 50);
    auto *row = static_cast<QHBoxLayout *>(bar->layout());
    auto *findLabel = new QLabel(QStringLiteral("Поиск "), bar);
    FindLabeledEdit = new QLineEdit(bar);
    FindLabeledEdit->setObjectName(QStringLiteral("FindLabeledEdit"));
    FindLabeledEdit->setMinimumWidth(220);
    findLabel->setBuddy(FindLabeledEdit);
    auto *caseBox = new QCheckBox(QStringLiteral("регистр"), bar);
    caseBox->setObjectName(QStringLiteral("SearchOptionCheckBox"));
    SortToggleBox1 = new QPushButton(QStringLiteral("Сортировка"), bar);
    SortToggleBox1->setObjectName(QStringLiteral("SortToggleBox1"));
    SortToggleBox1->setCheckable(true);
    SortToggleBox1->setToolTip(QStringLiteral("Щелкните левой кнопкой мыши\nна заголовке столбца"));
    auto *columnsButton = new QPushButton(QStringLiteral("<->"), bar);
    columnsButton->setObjectName(QStringLiteral("ColumnsButton"));
    columnsButton->setToolTip(QStringLiteral("Подбор ширины столбцов"));
    connect(columnsButton, &QPushButton::clicked, this, &MainWindow::ColumnsButtonClick);
    auto *filterLabel = new QLabel(QStringLiteral("Фильтр"), bar);
    filterLabel->setObjectName(QStringLiteral("Label5"));
    WordsComboBoxEx1 = new QComboBox(bar);
    WordsComboBoxEx1->setObjectName(QStringLiteral("WordsComboBoxEx1"));
    WordsComboBoxEx1->addItems({QStringLiteral("Все слова"), QStringLiteral("Новые слова"),
                                QStringLiteral("Повторные слова"), QStringLiteral("Фонемы различаются"),
                                QStringLiteral("Полные дубликаты")});
    WordsComboBoxEx1->setCurrentIndex(0);
    for (QWidget *w : std::initializer_list<QWidget *>{findLabel, FindLabeledEdit, caseBox, SortToggleBox1,
                                                        columnsButton, filterLabel, WordsComboBoxEx1})
        row->addWidget(w);
    row->addStretch();
    // Search, sort and filter join with the table tools; until then they stand disabled.
    for (QWidget *w : std::initializer_list<QWidget *>{FindLabeledEdit, caseBox, SortToggleBox1, WordsComboBoxEx1})
        w->setEnabled(false);
    return bar;
}

QWidget *MainWindow::buildPages()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    TabSheet1 = new QWidget(PageControl1);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto *lexiconRow = new QHBoxLayout(TabSheet1);
    lexiconRow->setContentsMargins(0, 0, 0, 0);
    DBGrid1 = new LexiconGrid(TabSheet1);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DataSource1 = new LexiconTableModel(Table1, allColumns(Table1.layout()), this);
    DBGrid1->setTableModel(DataSource1);
    lexiconRow->addWidget(DBGrid1, 1);

    DBGrid2 = new LexiconGrid(TabSheet1);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DataSource2 = new LexiconTableModel(Table2, {{0, QStringLiteral("Символ")}, {1, QStringLiteral("Примеры")}}, this);
    DBGrid2->setTableModel(DataSource2);
    QFont alphabetFont(QStringLiteral("Lucida Sans Unicode"));
    DBGrid2->setFont(alphabetFont);
    DBGrid2->setFixedWidth(276);
    DBGrid2->setColumnWidth(0, 72);
    DBGrid2->setColumnWidth(1, 300);
    lexiconRow->addWidget(DBGrid2);
    PageControl1->addTab(TabSheet1, kNewFileName);

    TabSheet2 = new QWidget(PageControl1);
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    auto *duplicatesRow = new QHBoxLayout(TabSheet2);
    duplicatesRow->setContentsMargins(0, 0, 0, 0);
    auto *splitter = new QSplitter(Qt::Horizontal, TabSheet2);
    DBGrid3 = new LexiconGrid(splitter);
    DBGrid3->setObjectName(QStringLiteral("DBGrid3"));
    DataSource3 = new LexiconTableModel(Table1, {{lexicon::Grapheme, QStringLiteral("Слово")},
                                                 {lexicon::PhonemeField, QStringLiteral("Фонема")},
                                                 {lexicon::Lexname, QStringLiteral("Словарь")},
                                                 {lexicon::Comment, QStringLiteral("Комментарий")}}, this);
    DBGrid3->setTableModel(DataSource3);
    auto *right = new QWidget(splitter);
    auto *rightRow = new QHBoxLayout(right);
    rightRow->setContentsMargins(0, 0, 0, 0);
    DoubleDBGrid = new LexiconGrid(right);
    DoubleDBGrid->setObjectName(QStringLiteral("DoubleDBGrid"));
    DataSourceDouble = new LexiconTableModel(DoubleTable, allColumns(DoubleTable.layout()), this);
    DoubleDBGrid->setTableModel(DataSourceDouble);
    rightRow->addWidget(DoubleDBGrid, 1);
    auto *doublePanel = new QWidget(right);
    doublePanel->setFixedWidth(153);
    auto *doublePanelColumn = new QVBoxLayout(doublePanel);
    DoublePhonemeEdit = new QLineEdit(doublePanel);
    DoublePhonemeEdit->setObjectName(QStringLiteral("DoublePhonemeEdit"));
    DoublePhonemeEdit->setVisible(false);
    doublePanelColumn->addWidget(DoublePhonemeEdit);
    doublePanelColumn->addStretch();
    rightRow->addWidget(doublePanel);
    splitter->addWidget(DBGrid3);
    splitter->addWidget(right);
    splitter->setSizes({512, 420});
    duplicatesRow->addWidget(splitter);
    PageControl1->addTab(TabSheet2, QStringLiteral("Дубликаты"));
    return PageControl1;
}

QWidget *MainWindow::buildBottomBar()
{
    auto *bar = fixedBar(this, "Panel5", 33);
    auto *row = static_cast<QHBoxLayout *>(bar->layout());

    ToolBar1 = new QToolBar(bar);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(24, 24));
    const std::pair<const char *, QStyle::StandardPixmap> readButtons[] = {
        {"Слово со словарем", QStyle::SP_MediaPlay},
        {"Список слов без словарей", QStyle::SP_MediaSeekForward},
        {"Фонема", QStyle::SP_MediaPlay},
        {"Список фонем", QStyle::SP_MediaSeekForward},
        {"Остановить", QStyle::SP_MediaStop},
    };
    for (const auto &[hint, icon] : readButtons)
        ToolBar1->addAction(style()->standardIcon(icon), QString::fromUtf8(hint))->setToolTip(QString::fromUtf8(hint));
    row->addWidget(ToolBar1);

    const std::array<QString, RecordNavigator::ButtonCount> hints = {
        QStringLiteral("Первая"), QStringLiteral("Предыдущая"), QStringLiteral("Следующая"),
        QStringLiteral("Последняя"), QStringLiteral("Вставить"), QStringLiteral("Удалить"),
        QStringLiteral("Редактировать"), QStringLiteral("Отправить"), QStringLiteral("Отмена"),
        QStringLiteral("Обновить ")};
    DBNavigator1 = new RecordNavigator(hints, bar);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setTable(&Table1);
    DBNavigator1->setConfirmDelete([this] { return prompts_.question(applicationTitle(), QStringLiteral("Удалить запись?")); });
    connect(DBNavigator1, &RecordNavigator::clicked, this, [this](RecordNavigator::Button b) {
        if (b == RecordNavigator::Insert)
            Panel4->GraphemeEdit1->setFocus();
    });
    row->addWidget(DBNavigator1);

    ToolBar2 = new QToolBar(bar);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setVisible(false);
    ToolBar2->setEnabled(false);
    row->addWidget(ToolBar2);
    row->addStretch();

    std::array<QString, RecordNavigator::ButtonCount> alphabetHints = hints;
    for (auto b : {RecordNavigator::Insert, RecordNavigator::Edit, RecordNavigator::Post, RecordNavigator::Cancel})
        alphabetHints[b].clear();
    DBNavigator2 = new RecordNavigator(alphabetHints, bar);
    DBNavigator2->setObjectName(QStringLiteral("DBNavigator2"));
    DBNavigator2->setTable(&Table2);
    row->addWidget(DBNavigator2);
    return bar;
}

void MainWindow::buildActions()
{
    DataSetDelete = new QAction(QStringLiteral("&Удалить"), this);
    DataSetDelete->setObjectName(QStringLiteral("DataSetDelete"));
    DataSetDelete->setToolTip(QStringLiteral("Удалить"));
    DataSetDelete->setShortcuts({QKeySequence(QStringLiteral("Shift+Del")), QKeySequence(Qt::Key_F12)});
    connect(DataSetDelete, &QAction::triggered, this, &MainWindow::DataSetDeleteExecute);
    addAction(DataSetDelete);
}

QAction *MainWindow::popupItem(QWidget *owner, const char *caption, const char *name,
                               const std::function<void()> &handler)
{
    auto *a = new QAction(QString::fromUtf8(caption), owner);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(static_cast<bool>(handler)); // commands not in the program yet stand disabled
    if (handler)
        connect(a, &QAction::triggered, this, handler);
    owner->addAction(a);
    return a;
}

void MainWindow::buildPopupMenus()
{
    // PopupMenu1: the lexicon grid, the duplicates page's left grid and the edit panel.
    for (QWidget *owner : std::initializer_list<QWidget *>{DBGrid1, DBGrid3, Panel4}) {
        owner->setContextMenuPolicy(Qt::ActionsContextMenu);
        popupItem(owner, "Фонема", "PhonemePopupMenuItem", [this] { PhonemePopupMenuItemClick(); });
        popupItem(owner, "Обновить фонемы в помеченных записях", "UpdateMarkedPhonemesMenuItem",
                  [this] { UpdateMarkedPhonemesMenuItemClick(); });
        popupItem(owner, "Создать новые фонемы", "CreateNewPhonemesMenuItem", [this] { CreateNewPhonemesMenuItemClick(); });
        popupItem(owner, "Обновить все фонемы ниже курсора", "UpdateAllPhonemesMenuItem",
                  [this] { UpdateAllPhonemesMenuItemClick(); });
        popupItem(owner, "Удалить помеченные записи", "DeleteSelectedRecordsGrid1MenuItem",
                  [this] { DeleteSelectedRecordsGrid1MenuItemClick(); });
        popupItem(owner, "Удалить непомеченные записи", "DeleteUnSelectedRecordsGrid1MenuItem",
                  [this] { DeleteUnSelectedRecordsGrid1MenuItemClick(); });
        popupItem(owner, "Отметить все", "SelectAllFromDBGrid1MenuItem", [this] { SelectAllFromDBGrid1MenuItemClick(); });
        popupItem(owner, "Отменить отметку", "ClearSelectionGrid1MenuItem", [this] { ClearSelectionGrid1MenuItemClick(); });
    }
    // PopupMenu2: the duplicates grid.
    DoubleDBGrid->setContextMenuPolicy(Qt::ActionsContextMenu);
    popupItem(DoubleDBGrid, "Экспорт данных", "ExportDoubleMenuItem");
    popupItem(DoubleDBGrid, "Удалить помеченные записи", "DeleteSelectedRecordsDoubleGridMenuItem",
              [this] { deleteMarks(DoubleTable, DataSourceDouble, true); });
    popupItem(DoubleDBGrid, "Удалить непомеченные записи", "DeleteUnSelectedRecordsDoubleGridMenuItem",
              [this] { deleteMarks(DoubleTable, DataSourceDouble, false); });
    popupItem(DoubleDBGrid, "Отменить отметку", "ClearSelectionDoubleGridMenuItem",
              [this] { clearMarks(DoubleTable, DataSourceDouble); });
}

void MainWindow::deleteMarks(lexicon::RecordTable &table, LexiconTableModel *model, bool marked)
{
    if (marked)
        tools::RecordMarks::deleteSelected(table);
    else
        tools::RecordMarks::deleteUnselected(table);
    model->marksChanged();
}

void MainWindow::clearMarks(lexicon::RecordTable &table, LexiconTableModel *model)
{
    table.clearMarks();
    model->marksChanged();
}

void MainWindow::DeleteSelectedRecordsGrid1MenuItemClick()
{
    deleteMarks(Table1, DataSource1, true);
}

void MainWindow::DeleteUnSelectedRecordsGrid1MenuItemClick()
{
    deleteMarks(Table1, DataSource1, false);
}

void MainWindow::SelectAllFromDBGrid1MenuItemClick()
{
    tools::RecordMarks::selectAll(Table1);
    DataSource1->marksChanged();
}

void MainWindow::ClearSelectionGrid1MenuItemClick()
{
    clearMarks(Table1, DataSource1);
}

void MainWindow::PageControl1Change()
{
    const bool duplicates = PageControl1->currentWidget() == TabSheet2;
    DBNavigator2->setTable(duplicates ? &DoubleTable : &Table2);
    ToolBar2->setVisible(duplicates);
    ToolBar2->setEnabled(duplicates);
}

void MainWindow::wireCommands()
{
    const std::pair<const char *, void (MainWindow::*)()> commands[] = {
        {"NewFileOnDiskMenuItem", &MainWindow::NewFileOnDiskMenuItemClick},
        {"NewFileMenuItem", &MainWindow::NewFileMenuItemClick},
        {"OpenFileMenuItem", &MainWindow::OpenFileMenuItemClick},
        {"SaveFileWithBOMMenuItem", &MainWindow::SaveFileWithBOMMenuItemClick},
        {"SaveFileMenuItem", &MainWindow::SaveFileMenuItemClick},
        {"ExitMenuItem", &MainWindow::ExitMenuItemClick},
        {"SclonenieMenuItem", &MainWindow::SclonenieMenuItemClick},
    };
    for (const auto &[name, handler] : commands)
        connect(menu_->enable(QString::fromLatin1(name)), &QAction::triggered, this, handler);

    QAction *autoPhoneme = menu_->enable(QStringLiteral("AutoPhonemeMenuItem"));
    autoPhoneme->setChecked(true);
    menu_->enable(QStringLiteral("AutoloadDicMenuItem"));

    connect(Panel4->AddSpeedButton, &QToolButton::clicked, this, &MainWindow::AddSpeedButtonClick);
    connect(Panel4->SaveSpeedButton, &QToolButton::clicked, this, &MainWindow::SaveSpeedButtonClick);
    connect(Panel4->GraphemeEdit1, &QLineEdit::editingFinished, this, &MainWindow::GraphemeEdit1EditingDone);
    connect(Panel4->EditingCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        DataSource1->setEditable(on);
        DataSource3->setEditable(on);
    });
}

QAction *MainWindow::menuAction(const QString &name) const
{
    return menu_->action(name);
}

QString MainWindow::statusText() const
{
    return StatusBar1->text();
}

void MainWindow::showStatus(const QString &text)
{
    StatusBar1->setText(text);
}

void MainWindow::showFileCaption(const QString &path)
{
    setWindowTitle(applicationTitle() + QStringLiteral(" (") + path + QLatin1Char(')'));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!activated_)
        QTimer::singleShot(0, this, &MainWindow::FormActivate);
}

void MainWindow::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    if (menuAction(QStringLiteral("AutoloadDicMenuItem"))->isChecked())
        tts_.warmUp();
    startingUp_ = false;
    showStatus(QStringLiteral("Словари загружены."));
    LoadUserOptions();
}

void MainWindow::Table1AfterScroll()
{
    lexicon::EditPanelSync::showCurrent(Table1, CurrentRecordTable);
}

void MainWindow::GraphemeEdit1EditingDone()
{
    if (CurrentRecordTable.isEditing())
        CurrentRecordTable.post();
}

void MainWindow::AddSpeedButtonClick()
{
    lexicon::EditPanelSync::add(CurrentRecordTable, Table1);
    DBGrid1->setFocus();
}

void MainWindow::SaveSpeedButtonClick()
{
    DBGrid1->setFocus();
    lexicon::EditPanelSync::save(CurrentRecordTable, Table1);
    DBGrid1->viewport()->update();
}

void MainWindow::DataSetDeleteExecute()
{
    Table1.deleteCurrent();
}

void MainWindow::ColumnsButtonClick()
{
    DoubleDBGrid->autoSizeColumns();
    DBGrid1->autoSizeColumns();
    DBGrid3->autoSizeColumns();
}

void MainWindow::emptyLexiconTables()
{
    Table1.emptyTable();
    CurrentRecordTable.emptyTable();
    TempTable.emptyTable();
    DoubleTable.emptyTable();
    DoublePhonemeEdit->clear();
}

void MainWindow::showLexiconPage()
{
    PageControl1->setCurrentWidget(TabSheet1);
    PageControl1Change();
}

void MainWindow::OpenFileMenuItemClick()
{
    const QString path = prompts_.openFileName({QStringLiteral("Открыть словарь PLS"), QStringLiteral("Файлы PLS|*.pls"),
                                                IvonaDicOpenDialog.directory, IvonaDicOpenDialog.fileName, false, true});
    if (!path.isEmpty())
        openLexicon(path);
}

void MainWindow::openLexicon(const QString &path)
{
    const QFileInfo file(path);
    IvonaDicOpenDialog = {file.absolutePath(), file.fileName()};
    SaveDialog1 = {file.absolutePath(), file.fileName()};
    PageControl1->setCurrentWidget(TabSheet1);
    PageControl1->setTabText(0, file.fileName());
    showFileCaption(path);
    emptyLexiconTables();

    prompts_.setBusy(true);
    showLexiconPage();
    {
        lexicon::AfterScrollPause pause(Table1);
        Table1.clearFilter();
        WordsComboBoxEx1->setCurrentIndex(0);
        lexicon::OpenFilePLS(Table1, path.toStdString(), feedback_);
    }
    Table1.first();
    prompts_.setBusy(false);
    showStatus(QStringLiteral("Всего - ") + QString::number(Table1.recordCount()));
    DBGrid1->autoSizeColumns();
}

void MainWindow::SaveFileWithBOMMenuItemClick()
{
    const QString path = prompts_.saveFileName({QString(), kPlsFilter, SaveDialog1.directory, SaveDialog1.fileName, true, false});
    if (path.isEmpty())
        return;
    SaveDialog1 = {QFileInfo(path).absolutePath(), QFileInfo(path).fileName()};
    bool saved = false;
    {
        lexicon::AfterScrollPause pause(Table1);
        saved = lexicon::SaveFilePLS(Table1, path.toStdString(), false, feedback_);
    }
    if (!saved)
        return;
    showFileCaption(path);
    prompts_.message(QStringLiteral("Файл ") + path + QStringLiteral(" сохранен."));
}

void MainWindow::SaveFileMenuItemClick()
{
    const QString path = prompts_.saveFileName({QString(), kPlsFilter, SaveDialog1.directory, SaveDialog1.fileName, true, false});
    if (path.isEmpty())
        return;
    if (lexicon::SaveFilePLS(Table1, path.toStdString(), true, feedback_))
        prompts_.message(QStringLiteral("Файл ") + path + QStringLiteral(" сохранен."));
}

void MainWindow::NewFileMenuItemClick()
{
    PageControl1->setCurrentWidget(TabSheet1);
    PageControl1->setTabText(0, kNewFileName);
    IvonaDicOpenDialog.fileName = kNewFileName;
    SaveDialog1.fileName = kNewFileName;
    showFileCaption(kNewFileName);
    emptyLexiconTables();
    showStatus(QString());
    Table1.clearFilter();
    WordsComboBoxEx1->setCurrentIndex(0);
    showLexiconPage();
    FindLabeledEdit->clear();
}

void MainWindow::NewFileOnDiskMenuItemClick()
{
    const QString path = prompts_.saveFileName({QStringLiteral("Создать новый файл"), kPlsFilter,
                                                QCoreApplication::applicationDirPath(), QString(), false, false});
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path)) {
        prompts_.message(QStringLiteral("Файл с таким именем уже существует"));
        return;
    }
    lexicon::CreateNewPLS(path.toStdString(), feedback_);
}

void MainWindow::ExitMenuItemClick()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    StoreProperties();
    event->accept();
}

bool MainWindow::FormCloseQuery()
{
    closing_ = true; // the word box loses the focus to the question: no transcription then
    const bool yes = prompts_.question(applicationTitle(), QStringLiteral("Завершить работу?"));
    closing_ = false;
    if (!yes)
        return false;
    emptyLexiconTables();
    return true;
}

void MainWindow::RestoreProperties()
{
    if (const std::string problem = settings_.load(settingsPath_); !problem.empty())
        showStatus(QString::fromStdString(problem));
    const auto flag = [this](const char *property) {
        return settings_.value(kWindow, property).value_or("False") == "True";
    };
    menu_->action(QStringLiteral("AutoloadDicMenuItem"))->setChecked(flag("AutoloadDicMenuItem.Checked"));
    Panel4->EditingCheckBox->setChecked(flag("EditingCheckBox.Checked"));
    List2 = settings_.list(kWindow, "List2.Strings").value_or(std::vector<std::string>{});
    UserFiles = settings_.list(kWindow, "UserFiles.Strings").value_or(std::vector<std::string>{});
    SelectDicDirectoryDialogFileName = fromStd(settings_.value(kWindow, "SelectDicDirectoryDialog.FileName").value_or(""));
    ComboBox1ItemIndex = QString::fromStdString(settings_.value(kWindow, "ComboBox1.ItemIndex").value_or("0")).toInt();
}

void MainWindow::StoreProperties()
{
    const auto flag = [](bool on) { return std::string(on ? "True" : "False"); };
    settings_.setValue(kWindow, "AutoloadDicMenuItem.Checked",
                       flag(menu_->action(QStringLiteral("AutoloadDicMenuItem"))->isChecked()));
    settings_.setValue(kWindow, "EditingCheckBox.Checked", flag(Panel4->EditingCheckBox->isChecked()));
    settings_.setValue(kWindow, "ComboBox1.ItemIndex", std::to_string(Panel4->ComboBox1->currentIndex()));
    settings_.setList(kWindow, "List2.Strings", List2);
    settings_.setList(kWindow, "UserFiles.Strings", UserFiles);
    settings_.setValue(kWindow, "SelectDicDirectoryDialog.FileName", SelectDicDirectoryDialogFileName.toStdString());
    if (const std::string problem = settings_.save(settingsPath_); !problem.empty())
        prompts_.message(QString::fromStdString(problem));
}

} // namespace lexorama::app
