// The main window's speech: the voice selector, the rate, and the reading commands.
#include "app/edit_panel.h"
#include "app/lexicon_grid.h"
#include "app/lexicon_table_model.h"
#include "app/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

namespace lexorama::app {

void MainWindow::TTSInit()
{
    tts_.TTSInit();
    showVoices();
}

void MainWindow::showVoices()
{
    QComboBox *selector = Panel4->ComboBox1;
    const QSignalBlocker quiet(selector);
    selector->clear();
    for (const std::string &name : tts_.voiceNames())
        selector->addItem(QString::fromStdString(name));
    selector->setCurrentIndex(tts_.itemIndex());
    selector->setEnabled(tts_.controlsEnabled());
    Panel4->ReadWordButton->setEnabled(tts_.controlsEnabled());
}

void MainWindow::ReinitTTSActionExecute()
{
    tts_.ReinitTTSActionExecute(Panel4->ComboBox1->currentIndex());
    showVoices();
}

void MainWindow::XMLPropStorage1RestoreProperties()
{
    {
        const QSignalBlocker quiet(Panel4->ComboBox1);
        Panel4->ComboBox1->setCurrentIndex(ComboBox1ItemIndex);
    }
    ReinitTTSActionExecute();
}

QAction *MainWindow::readingAction(const char *name, const QString &hint, const QKeySequence &key,
                                   const std::function<void()> &command)
{
    auto *a = new QAction(hint, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(key);
    connect(a, &QAction::triggered, this, command);
    addAction(a);
    return a;
}

void MainWindow::wireSpeech()
{
    TTSInit();
    connect(Panel4->ComboBox1, &QComboBox::activated, this, [this](int index) { tts_.ComboBox1Change(index); });
    connect(Panel4->VoiceRateTrackBar, &QSlider::valueChanged, this, [this](int position) {
        Panel4->VoiceRateTrackBar->setToolTip(QString::fromStdString(tts_.VoiceRateTrackBarChange(position)));
    });
    connect(Panel4->ReinitTTSSpeedButton, &QToolButton::clicked, this, &MainWindow::ReinitTTSActionExecute);

    auto read = [this] { readingCommands_->ReadTextExecute(); };
    auto phoneme = [this] { readingCommands_->ReadPhonemeButtonClick(); };
    auto alias = [this] { readingCommands_->ReadAliasButtonClick(); };
    // F4 belongs to the declension command, so reading the alias has no key of its own.
    readingAction("ReadTextAction", QStringLiteral("Слово"), QKeySequence(Qt::Key_F2), read);
    readingAction("PhonemeAction", QStringLiteral("Фонема"), QKeySequence(Qt::Key_F3), phoneme);
    readingAction("AliasAction", QStringLiteral("Псевдоним"), QKeySequence(), alias);
    connect(Panel4->ReadWordButton, &QToolButton::clicked, this, read);
    connect(Panel4->ReadPhonemeButton, &QToolButton::clicked, this, phoneme);
    connect(Panel4->ReadAliasButton, &QToolButton::clicked, this, alias);

    const QList<QAction *> bar = ToolBar1->actions();
    const std::function<void()> commands[] = {
        read,
        [this] { readingCommands_->StartPlayDicSpeedButtonClick(); },
        phoneme,
        [this] { readingCommands_->StartPlayPhonemeDicSpeedButtonClick(); },
        [this] { readingCommands_->StopPlaySpeedButtonClick(); },
    };
    for (int i = 0; i < bar.size(); ++i) {
        bar[i]->setEnabled(true);
        connect(bar[i], &QAction::triggered, this, commands[i]);
    }

    const std::pair<const char *, std::function<void()>> doubles[] = {
        {"Слово со словарем", [this] { readingCommands_->ReadDoubleSpeedButtonClick(DoubleTable); }},
        {"Список слов", [this] { readingCommands_->StartPlayDoublesSpeedButtonClick(DoubleTable); }},
        {"Фонема", [this] { readingCommands_->DoublePhonemeSoundSpeedButtonClick(DoubleTable); }},
        {"Список фонем", [this] { readingCommands_->StartPlayDoublePhonemeSpeedButtonClick(DoubleTable); }},
        {"Остановить", [this] { readingCommands_->StopPlaySpeedButtonClick(); }},
    };
    for (const auto &[hint, command] : doubles) {
        QAction *a = ToolBar2->addAction(QString::fromUtf8(hint));
        connect(a, &QAction::triggered, this, command);
    }

    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        const std::size_t field = DataSource1->fieldOfColumn(index.column());
        readingCommands_->DBGrid1DblClick(Table1.layout()[field].name);
    });
    for (LexiconGrid *grid : {DBGrid1, DBGrid3, DoubleDBGrid})
        connect(grid, &QAbstractItemView::pressed, this, [this] { readingCommands_->gridCellClicked(); });
}

} // namespace lexorama::app
