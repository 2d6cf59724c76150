#pragma once

#include "lexicon/table_observer.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace lexorama::lexicon {
class RecordTable;
}

namespace lexorama::app {

/// A grid's view of a record table: chosen fields as columns, one row per record in the table's
/// present order. Rows are read on demand, so a table of any size costs nothing to show. Marked
/// records are shown with a highlight; the vertical header shows the cursor.
class LexiconTableModel : public QAbstractTableModel, private lexicon::TableObserver {
    Q_OBJECT

public:
    struct Column {
        std::size_t field;
        QString title;
    };

    LexiconTableModel(lexicon::RecordTable &table, std::vector<Column> columns, QObject *parent = nullptr);
    ~LexiconTableModel() override;

    lexicon::RecordTable &table() const { return table_; }
    std::size_t fieldOfColumn(int column) const { return columns_.at(static_cast<std::size_t>(column)).field; }
    void setEditable(bool editable) { editable_ = editable; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    /// Repaints the rows whose marks changed.
    void marksChanged();

signals:
    /// The table's cursor moved (or the table was reset); row is -1 for an empty table.
    void cursorRowChanged(int row);

private:
    void tableReset() override;
    void rowChanged(std::size_t row) override;
    void rowInserted(std::size_t row) override;
    void rowRemoved(std::size_t row) override;
    void cursorMoved() override;
    void stateChanged() override;

    int currentRow() const;

    lexicon::RecordTable &table_;
    std::vector<Column> columns_;
    bool editable_ = false;
    int shownCursor_ = -1;
};

} // namespace lexorama::app
