#include "app/lexicon_table_model.h"

#include "lexicon/record_table.h"

#include <QBrush>
#include <QColor>

namespace lexorama::app {

LexiconTableModel::LexiconTableModel(lexicon::RecordTable &table, std::vector<Column> columns, QObject *parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns))
{
    table_.addObserver(this);
}

LexiconTableModel::~LexiconTableModel()
{
    table_.removeObserver(this);
}

int LexiconTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.recordCount());
}

int LexiconTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant LexiconTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const auto value = table_.recordAt(row).value(fieldOfColumn(index.column()));
        return value ? QString::fromUtf8(value->data(), static_cast<qsizetype>(value->size())) : QString();
    }
    case Qt::BackgroundRole:
        if (table_.isMarked(table_.bookmarkAt(row)))
            return QBrush(QColor(0xB8, 0xD4, 0xF0));
        return {};
    default:
        return {};
    }
}

QVariant LexiconTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return columns_.at(static_cast<std::size_t>(section)).title;
    if (section != currentRow())
        return QString();
    return table_.state() == lexicon::TableState::Browse ? QStringLiteral("▶") : QStringLiteral("✎");
}

Qt::ItemFlags LexiconTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_)
        f |= Qt::ItemIsEditable;
    return f;
}

bool LexiconTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !editable_ || !index.isValid())
        return false;
    const std::size_t field = fieldOfColumn(index.column());
    table_.moveTo(static_cast<std::size_t>(index.row()));
    table_.edit();
    const std::string text = value.toString().toStdString();
    if (table_.layout()[field].type == lexicon::FieldType::Integer) {
        bool ok = false;
        const int n = value.toString().toInt(&ok);
        table_.setInt(field, ok ? std::optional<std::int32_t>(n) : std::nullopt);
    } else {
        table_.setText(field, text);
    }
    table_.post();
    return true;
}

void LexiconTableModel::marksChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

int LexiconTableModel::currentRow() const
{
    const auto p = table_.position();
    return p ? static_cast<int>(*p) : -1;
}

void LexiconTableModel::tableReset()
{
    beginResetModel();
    endResetModel();
    shownCursor_ = currentRow();
    emit cursorRowChanged(shownCursor_);
}

void LexiconTableModel::rowChanged(std::size_t row)
{
    const int r = static_cast<int>(row);
    emit dataChanged(index(r, 0), index(r, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, r, r);
}

void LexiconTableModel::rowInserted(std::size_t row)
{
    // The table has already grown; the view only needs to hear of the new last row.
    const int r = static_cast<int>(row);
    beginInsertRows({}, r, r);
    endInsertRows();
    cursorMoved();
}

void LexiconTableModel::rowRemoved(std::size_t)
{
    tableReset();
}

void LexiconTableModel::cursorMoved()
{
    const int old = shownCursor_;
    shownCursor_ = currentRow();
    if (old >= 0 && old < rowCount())
        emit headerDataChanged(Qt::Vertical, old, old);
    if (shownCursor_ >= 0)
        emit headerDataChanged(Qt::Vertical, shownCursor_, shownCursor_);
    emit cursorRowChanged(shownCursor_);
}

} // namespace lexorama::app

namespace lexorama::app {

void LexiconTableModel::stateChanged()
{
    if (shownCursor_ >= 0 && shownCursor_ < rowCount())
        emit headerDataChanged(Qt::Vertical, shownCursor_, shownCursor_);
}

} // namespace lexorama::app
