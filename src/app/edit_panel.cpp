#include "app/edit_panel.h"

#include "app/utf8_width_validator.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/record_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace lexorama::app {

namespace {

QFont boxFont(bool phonetic)
{
    QFont font(phonetic ? QStringLiteral("Lucida Sans Unicode") : QStringLiteral("Arial"));
    font.setPixelSize(phonetic ? 15 : 16);
    return font;
}

QToolButton *speedButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setIconSize(QSize(22, 22));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption)
{
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

} // namespace

EditPanel::EditPanel(lexicon::RecordTable &record, QWidget *parent)
    : QWidget(parent), record_(record)
{
    using namespace lexicon;
    setObjectName(QStringLiteral("Panel4"));
    setFixedHeight(200);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(0);
    GraphemeEdit1 = addBox(Grapheme, "GraphemeEdit1", QStringLiteral("Слово"), false);
    GraphemeEdit2 = addBox(Grapheme2, "GraphemeEdit2", QStringLiteral("Слово (вариант написания)"), false);
    GraphemeEdit3 = addBox(Grapheme3, "GraphemeEdit3", QStringLiteral("Слово (вариант написания)"), false);
    PhonemeEdit = addBox(PhonemeField, "PhonemeEdit", QStringLiteral("Фонема"), true);
    AliasEdit = addBox(Alias, "AliasEdit", QStringLiteral("Псевдоним (аlias)"), false);
    GrammarEdit = addBox(Grammar, "GrammarEdit", QStringLiteral("Часть речи (необязательно)"), false);
    LexnameEdit = addBox(Lexname, "LexnameEdit", QStringLiteral("Словарь (необязательно)"), false);
    commentEdit = addBox(Comment, "commentEdit", QStringLiteral("Комментарий (необязательно)"), false);

    const std::vector<std::vector<QLineEdit *>> columns = {
        {GraphemeEdit1, GraphemeEdit2, GraphemeEdit3},
        {PhonemeEdit, AliasEdit},
        {GrammarEdit, LexnameEdit, commentEdit},
    };
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        for (int r = 0; r < static_cast<int>(columns[static_cast<std::size_t>(c)].size()); ++r) {
            QLineEdit *box = columns[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            grid->addWidget(labelOf(box), r * 2, c);
            grid->addWidget(box, r * 2 + 1, c);
        }
        grid->setColumnStretch(c, 1);
    }

    SaveSpeedButton = speedButton(this, "SaveSpeedButton", QStyle::SP_DialogSaveButton, QStringLiteral("Сохранить"));
    AddSpeedButton = speedButton(this, "AddSpeedButton", QStyle::SP_FileDialogNewFolder, QStringLiteral("Добавить"));
    ReadWordButton = speedButton(this, "ReadWordButton", QStyle::SP_MediaPlay, QStringLiteral("F2"));
    ReadPhonemeButton = speedButton(this, "ReadPhonemeButton", QStyle::SP_MediaPlay, QStringLiteral("F3"));
    ReadAliasButton = speedButton(this, "ReadAliasButton", QStyle::SP_MediaPlay, QStringLiteral("F4"));
    PhonemesToggleBox = new QPushButton(QStringLiteral("Набор фонем 2"), this);
    PhonemesToggleBox->setObjectName(QStringLiteral("PhonemesToggleBox"));
    PhonemesToggleBox->setCheckable(true);

    // Reading buttons sit beside the boxes they read.
    auto *wordButtons = new QHBoxLayout;
    wordButtons->addWidget(SaveSpeedButton);
    wordButtons->addWidget(AddSpeedButton);
    wordButtons->addWidget(ReadWordButton);
    wordButtons->addStretch();
    grid->addLayout(wordButtons, 6, 0);
    auto *phonemeButtons = new QHBoxLayout;
    phonemeButtons->addWidget(ReadPhonemeButton);
    phonemeButtons->addWidget(ReadAliasButton);
    phonemeButtons->addWidget(PhonemesToggleBox);
    phonemeButtons->addStretch();
    grid->addLayout(phonemeButtons, 4, 1, 2, 1);

    EditingCheckBox = checkBox(this, "EditingCheckBox", QStringLiteral("Редактирование словаря"));
    ReadFromIndexDicCheckBox = checkBox(this, "ReadFromIndexDicCheckBox", QStringLiteral("Читать из словарей"));
    ReadGrAndPhCheckBox = checkBox(this, "ReadGrAndPhCheckBox", QStringLiteral("Читать слово с фонемой"));
    auto *checks = new QVBoxLayout;
    checks->addWidget(EditingCheckBox);
    checks->addWidget(ReadFromIndexDicCheckBox);
    checks->addWidget(ReadGrAndPhCheckBox);
    checks->addStretch();
    grid->addLayout(checks, 0, 3, 6, 1);

    auto *tts = new QHBoxLayout;
    tts->addWidget(new QLabel(QStringLiteral("TTS"), this));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMinimumWidth(260);
    tts->addWidget(ComboBox1);
    ReinitTTSSpeedButton = speedButton(this, "ReinitTTSSpeedButton", QStyle::SP_BrowserReload,
                                       QStringLiteral("Перезагрузка TTS"));
    tts->addWidget(ReinitTTSSpeedButton);
    VoiceRateTrackBar = new QSlider(Qt::Horizontal, this);
    VoiceRateTrackBar->setObjectName(QStringLiteral("VoiceRateTrackBar"));
    VoiceRateTrackBar->setRange(-10, 10);
    VoiceRateTrackBar->setValue(0);
    VoiceRateTrackBar->setTickPosition(QSlider::TicksBelow);
    VoiceRateTrackBar->setToolTip(QStringLiteral("0 (Скорость чтения)"));
    VoiceRateTrackBar->setFixedWidth(200);
    tts->addWidget(VoiceRateTrackBar);
    tts->addStretch();
    grid->addLayout(tts, 7, 0, 1, 4);

    setLayout(grid);
    record_.addObserver(this);
    showRecord();
}

EditPanel::~EditPanel()
{
    record_.removeObserver(this);
}

QLineEdit *EditPanel::addBox(std::size_t field, const char *name, const QString &label, bool phonetic)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(boxFont(phonetic));
    box->setValidator(new Utf8WidthValidator(record_.layout()[field].width, box));
    auto *caption = new QLabel(label, this);
    caption->setBuddy(box);
    boxes_.push_back({box, caption, field});
    connect(box, &QLineEdit::textEdited, this, [this, field](const QString &text) { boxEdited(field, text); });
    return box;
}

QLabel *EditPanel::labelOf(QLineEdit *box) const
{
    for (const Box &b : boxes_)
        if (b.box == box)
            return b.label;
    return nullptr;
}

void EditPanel::boxEdited(std::size_t field, const QString &text)
{
    writing_ = true;
    record_.edit();
    record_.setText(field, text.toStdString());
    writing_ = false;
    if (field == lexicon::Grapheme)
        emit wordEdited();
}

void EditPanel::showRecord()
{
    if (writing_)
        return;
    for (const auto &[box, label, field] : boxes_) {
        const std::string_view value = record_.text(field);
        const QString text = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
        if (box->text() != text)
            box->setText(text);
    }
}

} // namespace lexorama::app
