#include "app/record_navigator.h"

#include "lexicon/record_table.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace lexorama::app {

namespace {

const std::array<const char *, RecordNavigator::ButtonCount> kGlyphs = {
    "|◀", "◀", "▶", "▶|", "+", "−", "▲", "✔", "✖", "↻"};

const std::array<const char *, RecordNavigator::ButtonCount> kNames = {
    "First", "Prior", "Next", "Last", "Insert", "Delete", "Edit", "Post", "Cancel", "Refresh"};

} // namespace

RecordNavigator::RecordNavigator(const std::array<QString, ButtonCount> &hints, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < ButtonCount; ++i) {
        if (hints[static_cast<std::size_t>(i)].isEmpty())
            continue;
        auto *b = new QToolButton(this);
        b->setText(QString::fromUtf8(kGlyphs[static_cast<std::size_t>(i)]));
        b->setToolTip(hints[static_cast<std::size_t>(i)]);
        b->setObjectName(QString::fromLatin1(kNames[static_cast<std::size_t>(i)]));
        b->setFixedSize(25, 25);
        b->setAutoRaise(true);
        layout->addWidget(b);
        buttons_[static_cast<std::size_t>(i)] = b;
        connect(b, &QToolButton::clicked, this, [this, i] { press(static_cast<Button>(i)); });
    }
}

void RecordNavigator::setTable(lexicon::RecordTable *table)
{
    table_ = table;
}

void RecordNavigator::press(Button b)
{
    if (!table_)
        return;
    switch (b) {
    case First: table_->first(); break;
    case Prior: table_->prior(); break;
    case Next: table_->next(); break;
    case Last: table_->last(); break;
    case Insert: table_->append(); break;
    case Delete:
        if (table_->isEmpty() || (confirmDelete_ && !confirmDelete_()))
            return;
        table_->deleteCurrent();
        break;
    case Edit: table_->edit(); break;
    case Post: table_->post(); break;
    case Cancel: table_->cancel(); break;
    case Refresh: table_->refresh(); break;
    case ButtonCount: return;
    }
    emit clicked(b);
}

} // namespace lexorama::app
