#include "app/lexicon_grid.h"

#include "app/lexicon_table_model.h"
#include "lexicon/record_table.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>

namespace lexorama::app {

LexiconGrid::LexiconGrid(QWidget *parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(18);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
}

void LexiconGrid::setTableModel(LexiconTableModel *model)
{
    model_ = model;
    setModel(model);
    connect(model, &LexiconTableModel::cursorRowChanged, this, &LexiconGrid::followCursor);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { currentRowChanged(current); });
}

void LexiconGrid::followCursor(int row)
{
    if (following_)
        return;
    following_ = true;
    if (row < 0) {
        selectionModel()->clearCurrentIndex();
    } else {
        const int column = std::max(0, currentIndex().column());
        const QModelIndex index = model_->index(row, column);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(index);
    }
    following_ = false;
}

void LexiconGrid::currentRowChanged(const QModelIndex &current)
{
    if (following_ || !current.isValid())
        return;
    lexicon::RecordTable &table = model_->table();
    if (table.position() == static_cast<std::size_t>(current.row()))
        return;
    following_ = true;
    table.moveTo(static_cast<std::size_t>(current.row()));
    following_ = false;
}

void LexiconGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex clicked = indexAt(event->position().toPoint());
    const auto modifiers = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (!model_ || !clicked.isValid() || event->button() != Qt::LeftButton || modifiers == Qt::NoModifier) {
        QTableView::mousePressEvent(event); // a plain click moves the cursor and keeps the marks
        return;
    }
    lexicon::RecordTable &table = model_->table();
    const auto row = static_cast<std::size_t>(clicked.row());
    if (modifiers & Qt::ControlModifier) {
        const auto b = table.bookmarkAt(row);
        table.setMarked(b, !table.isMarked(b));
    } else if (table.position()) {
        const std::size_t from = std::min(*table.position(), row);
        const std::size_t to = std::max(*table.position(), row);
        for (std::size_t r = from; r <= to; ++r)
            table.setMarked(table.bookmarkAt(r), true);
    }
    model_->marksChanged();
    setCurrentIndex(clicked);
    event->accept();
}

void LexiconGrid::autoSizeColumns()
{
    if (!model_)
        return;
    const int sampleRows = std::min(model_->rowCount(), 500);
    const QFontMetrics metrics(font());
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    int total = 0;
    std::vector<int> widths;
    for (int c = 0; c < model_->columnCount(); ++c) {
        int w = headerMetrics.horizontalAdvance(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        for (int r = 0; r < sampleRows; ++r)
            w = std::max(w, metrics.horizontalAdvance(model_->index(r, c).data().toString()));
        widths.push_back(w + 16);
        total += widths.back();
    }
    const int available = viewport()->width();
    const int extra = total < available && !widths.empty() ? (available - total) / static_cast<int>(widths.size()) : 0;
    for (int c = 0; c < static_cast<int>(widths.size()); ++c)
        setColumnWidth(c, widths[static_cast<std::size_t>(c)] + extra);
}

} // namespace lexorama::app
