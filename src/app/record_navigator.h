#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QToolButton;

namespace lexorama::lexicon {
class RecordTable;
}

namespace lexorama::app {

/// A record navigator bar over a record table: first, prior, next, last, insert, delete, edit,
/// post, cancel and refresh buttons, each optional. It can be rebound to another table.
class RecordNavigator : public QWidget {
    Q_OBJECT

public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh, ButtonCount };

    /// hints: one per button in Button order; buttons without a hint are left out of the bar.
    RecordNavigator(const std::array<QString, ButtonCount> &hints, QWidget *parent = nullptr);

    void setTable(lexicon::RecordTable *table);
    lexicon::RecordTable *table() const { return table_; }
    /// Asked before Delete; a delete goes ahead only when it returns true.
    void setConfirmDelete(std::function<bool()> confirm) { confirmDelete_ = std::move(confirm); }
    QToolButton *button(Button b) const { return buttons_[b]; }

signals:
    /// After a button's action on the table.
    void clicked(RecordNavigator::Button button);

private:
    void press(Button b);

    lexicon::RecordTable *table_ = nullptr;
    std::array<QToolButton *, ButtonCount> buttons_ {};
    std::function<bool()> confirmDelete_;
};

} // namespace lexorama::app
