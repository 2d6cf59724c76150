#pragma once

#include <QTableView>

namespace lexorama::app {

class LexiconTableModel;

/// A data grid over a record table: the selected row follows the table's cursor and clicking a
/// row moves the cursor. Ctrl+click marks or unmarks a record, Shift+click marks the records
/// from the cursor to the clicked row; plain clicks and moves keep the marks.
class LexiconGrid : public QTableView {
    Q_OBJECT

public:
    explicit LexiconGrid(QWidget *parent = nullptr);

    void setTableModel(LexiconTableModel *model);
    LexiconTableModel *tableModel() const { return model_; }
    /// Fits the columns to their titles and contents (judged on the first rows), then stretches
    /// them to fill the grid.
    void autoSizeColumns();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void followCursor(int row);
    void currentRowChanged(const QModelIndex &current);

    LexiconTableModel *model_ = nullptr;
    bool following_ = false;
};

} // namespace lexorama::app
