#include "lexicon/record_table.h"

#include "common/russian_collator.h"
#include "common/text_case.h"
#include "common/utf8.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace lexorama::lexicon {

namespace {

const Record &emptyRecord()
{
    static const Record record;
    return record;
}

// Sort key of an integer field: big-endian with the sign bit flipped, so bytes compare as numbers.
std::string integerKey(std::string_view text)
{
    std::int32_t n = 0;
    std::from_chars(text.data(), text.data() + text.size(), n);
    const auto u = static_cast<std::uint32_t>(n) ^ 0x80000000u;
    std::string key(4, '\0');
    for (int i = 0; i < 4; ++i)
        key[i] = static_cast<char>((u >> (24 - 8 * i)) & 0xFF);
    return key;
}

} // namespace

RecordTable::RecordTable(FieldLayout layout)
    : layout_(std::move(layout))
{
}

std::size_t RecordTable::field(std::string_view name) const
{
    if (auto i = layout_.indexOf(name))
        return *i;
    throw std::invalid_argument("Поле " + std::string(name) + " не найдено");
}

std::optional<std::size_t> RecordTable::position() const
{
    if (view_.empty())
        return std::nullopt;
    return cursor_;
}

void RecordTable::first()
{
    checkBrowseMode();
    bof_ = true;
    eof_ = view_.empty();
    if (!view_.empty())
        moveCursor(0);
}

void RecordTable::last()
{
    checkBrowseMode();
    eof_ = true;
    bof_ = view_.empty();
    if (!view_.empty())
        moveCursor(view_.size() - 1);
}

void RecordTable::next()
{
    checkBrowseMode();
    if (view_.empty() || cursor_ + 1 >= view_.size()) {
        eof_ = true;
        return;
    }
    bof_ = false;
    eof_ = false;
    moveCursor(cursor_ + 1);
}

void RecordTable::prior()
{
    checkBrowseMode();
    if (view_.empty() || cursor_ == 0) {
        bof_ = true;
        return;
    }
    bof_ = false;
    eof_ = false;
    moveCursor(cursor_ - 1);
}

void RecordTable::moveTo(std::size_t row)
{
    checkBrowseMode();
    if (row >= view_.size())
        throw std::out_of_range("row");
    bof_ = false;
    eof_ = false;
    moveCursor(row);
}

void RecordTable::moveCursor(std::size_t row)
{
    cursor_ = row;
    scrolled();
}

void RecordTable::scrolled()
{
    if (afterScroll_)
        afterScroll_();
    notify([](TableObserver &o) { o.cursorMoved(); });
}

const Record &RecordTable::recordAt(std::size_t row) const
{
    return rows_[view_.at(row)];
}

const Record &RecordTable::current() const
{
    if (state_ != TableState::Browse)
        return buffer_;
    if (view_.empty())
        return emptyRecord();
    return rows_[view_[cursor_]];
}

std::optional<std::string_view> RecordTable::value(std::size_t field) const
{
    const Record &r = current();
    if (r.fieldCount() == 0)
        return std::nullopt;
    return r.value(field);
}

std::string_view RecordTable::text(std::size_t field) const
{
    return value(field).value_or(std::string_view());
}

std::optional<std::int32_t> RecordTable::intValue(std::size_t field) const
{
    const auto v = value(field);
    if (!v)
        return std::nullopt;
    std::int32_t n = 0;
    std::from_chars(v->data(), v->data() + v->size(), n);
    return n;
}

void RecordTable::edit()
{
    if (state_ != TableState::Browse)
        return;
    if (view_.empty()) {
        append();
        return;
    }
    buffer_ = rows_[view_[cursor_]];
    state_ = TableState::Edit;
    notify([](TableObserver &o) { o.stateChanged(); });
}

void RecordTable::append()
{
    checkBrowseMode();
    buffer_ = Record(layout_.size());
    state_ = TableState::Insert;
    notify([](TableObserver &o) { o.stateChanged(); });
    if (afterScroll_)
        afterScroll_();
}

void RecordTable::post()
{
    if (state_ == TableState::Browse)
        return;
    for (std::size_t i = 0; i < layout_.size(); ++i)
        if (layout_[i].required && buffer_.isNull(i))
            throw std::runtime_error("Поле " + layout_[i].name + " должно иметь значение");
    if (state_ == TableState::Edit) {
        rows_[view_[cursor_]] = std::move(buffer_);
        state_ = TableState::Browse;
        notify([this](TableObserver &o) { o.rowChanged(cursor_); });
    } else {
        const auto b = static_cast<Bookmark>(rows_.size());
        rows_.push_back(std::move(buffer_));
        alive_.push_back(true);
        marked_.push_back(false);
        view_.push_back(b);
        if (rowMapValid_) {
            rowOfBookmark_.resize(rows_.size(), kNoRow);
            rowOfBookmark_[b] = static_cast<std::uint32_t>(view_.size() - 1);
        }
        cursor_ = view_.size() - 1;
        bof_ = eof_ = false;
        state_ = TableState::Browse;
        notify([this](TableObserver &o) { o.rowInserted(cursor_); });
    }
    buffer_ = Record();
    notify([](TableObserver &o) { o.stateChanged(); });
}

void RecordTable::cancel()
{
    if (state_ == TableState::Browse)
        return;
    const bool wasInsert = state_ == TableState::Insert;
    state_ = TableState::Browse;
    buffer_ = Record();
    notify([](TableObserver &o) { o.stateChanged(); });
    if (wasInsert && !view_.empty())
        scrolled();
}

void RecordTable::checkBrowseMode()
{
    if (state_ != TableState::Browse)
        post();
}

void RecordTable::requireEditing() const
{
    if (state_ == TableState::Browse)
        throw std::logic_error("Dataset not in edit or insert mode");
}

void RecordTable::setText(std::size_t field, std::string_view value)
{
    requireEditing();
    const std::size_t width = layout_[field].width;
    buffer_.setValue(field, width ? utf8::cutToWidth(value, width) : value);
    notify([](TableObserver &o) { o.bufferChanged(); });
}

void RecordTable::setStored(std::size_t field, std::optional<std::string_view> value)
{
    requireEditing();
    buffer_.setValue(field, value);
    notify([](TableObserver &o) { o.bufferChanged(); });
}

void RecordTable::setInt(std::size_t field, std::optional<std::int32_t> value)
{
    requireEditing();
    if (!value) {
        setStored(field, std::nullopt);
        return;
    }
    buffer_.setValue(field, std::to_string(*value));
    notify([](TableObserver &o) { o.bufferChanged(); });
}

void RecordTable::deleteCurrent()
{
    if (state_ == TableState::Insert) {
        cancel();
        return;
    }
    cancel();
    if (view_.empty())
        return;
    const Bookmark b = view_[cursor_];
    const std::size_t row = cursor_;
    alive_[b] = false;
    marked_[b] = false;
    rows_[b] = Record();
    view_.erase(view_.begin() + static_cast<std::ptrdiff_t>(row));
    rowMapValid_ = false;
    if (cursor_ >= view_.size() && !view_.empty())
        cursor_ = view_.size() - 1;
    bof_ = eof_ = view_.empty();
    notify([row](TableObserver &o) { o.rowRemoved(row); });
    if (!view_.empty())
        scrolled();
}

void RecordTable::deleteRecords(const std::vector<Bookmark> &bookmarks)
{
    cancel();
    const std::optional<Bookmark> keep = bookmark();
    for (Bookmark b : bookmarks) {
        if (!alive(b))
            continue;
        alive_[b] = false;
        marked_[b] = false;
        rows_[b] = Record();
    }
    std::size_t next = 0;
    std::size_t newCursor = 0;
    for (std::size_t i = 0; i < view_.size(); ++i) {
        if (i == cursor_)
            newCursor = next;
        if (alive_[view_[i]])
            view_[next++] = view_[i];
    }
    view_.resize(next);
    rowMapValid_ = false;
    if (keep && alive(*keep))
        newCursor = *rowOf(*keep);
    cursor_ = view_.empty() ? 0 : std::min(newCursor, view_.size() - 1);
    bof_ = eof_ = view_.empty();
    notifyReset();
    if (!view_.empty())
        scrolled();
}

void RecordTable::emptyTable()
{
    state_ = TableState::Browse;
    buffer_ = Record();
    rows_.clear();
    alive_.clear();
    marked_.clear();
    view_.clear();
    rowOfBookmark_.clear();
    rowMapValid_ = true;
    cursor_ = 0;
    bof_ = eof_ = true;
    notifyReset();
}

void RecordTable::appendRecord(Record record)
{
    const auto b = static_cast<Bookmark>(rows_.size());
    const bool visible = !filter_ || filter_(record);
    rows_.push_back(std::move(record));
    alive_.push_back(true);
    marked_.push_back(false);
    if (!visible)
        return;
    view_.push_back(b);
    if (rowMapValid_) {
        rowOfBookmark_.resize(rows_.size(), kNoRow);
        rowOfBookmark_[b] = static_cast<std::uint32_t>(view_.size() - 1);
    }
    if (view_.size() == 1) {
        cursor_ = 0;
        bof_ = eof_ = false;
    }
    const std::size_t row = view_.size() - 1;
    notify([row](TableObserver &o) { o.rowInserted(row); });
}

void RecordTable::replaceRecord(Bookmark bookmark, Record record)
{
    if (!alive(bookmark))
        return;
    rows_[bookmark] = std::move(record);
    if (controlsDisabled()) {
        changedWhileDisabled_ = true;
        return;
    }
    if (auto row = rowOf(bookmark))
        notify([r = *row](TableObserver &o) { o.rowChanged(r); });
}

std::optional<Bookmark> RecordTable::bookmark() const
{
    if (view_.empty())
        return std::nullopt;
    return view_[cursor_];
}

bool RecordTable::bookmarkValid(Bookmark bookmark) const
{
    return alive(bookmark) && rowOf(bookmark).has_value();
}

bool RecordTable::gotoBookmark(Bookmark bookmark)
{
    const auto row = rowOf(bookmark);
    if (!row || !alive(bookmark))
        return false;
    moveTo(*row);
    return true;
}

std::optional<std::size_t> RecordTable::rowOf(Bookmark bookmark) const
{
    if (!rowMapValid_) {
        rowOfBookmark_.assign(rows_.size(), kNoRow);
        for (std::size_t i = 0; i < view_.size(); ++i)
            rowOfBookmark_[view_[i]] = static_cast<std::uint32_t>(i);
        rowMapValid_ = true;
    }
    if (bookmark >= rowOfBookmark_.size() || rowOfBookmark_[bookmark] == kNoRow)
        return std::nullopt;
    return rowOfBookmark_[bookmark];
}

bool RecordTable::locate(std::size_t field, std::string_view value, LocateOptions options)
{
    checkBrowseMode();
    const std::string wanted = options.caseInsensitive ? foldCase(value) : std::string(value);
    for (std::size_t row = 0; row < view_.size(); ++row) {
        const auto v = rows_[view_[row]].value(field);
        if (!v)
            continue;
        const std::string have = options.caseInsensitive ? foldCase(*v) : std::string(*v);
        const bool match = options.partialKey ? have.starts_with(wanted) : have == wanted;
        if (match) {
            moveTo(row);
            return true;
        }
    }
    return false;
}

void RecordTable::sortBy(std::size_t field, bool descending)
{
    checkBrowseMode();
    const std::optional<Bookmark> keep = bookmark();
    sortField_ = field;
    sortDescending_ = descending;
    applySort();
    if (keep)
        cursor_ = rowOf(*keep).value_or(0);
    notifyReset();
}

void RecordTable::applySort()
{
    if (!sortField_)
        return;
    const std::size_t field = *sortField_;
    const bool numeric = layout_[field].type == FieldType::Integer;
    RussianCollator collator;
    std::vector<std::pair<std::string, Bookmark>> keyed;
    keyed.reserve(view_.size());
    for (Bookmark b : view_) {
        const auto v = rows_[b].value(field);
        std::string key;
        if (v)
            key = "\x01" + (numeric ? integerKey(*v) : collator.sortKey(*v));
        keyed.emplace_back(std::move(key), b);
    }
    auto less = [this](const auto &a, const auto &b) {
        return sortDescending_ ? b.first < a.first : a.first < b.first;
    };
    std::stable_sort(keyed.begin(), keyed.end(), less);
    for (std::size_t i = 0; i < keyed.size(); ++i)
        view_[i] = keyed[i].second;
    rowMapValid_ = false;
}

void RecordTable::setFilter(RecordFilter filter)
{
    checkBrowseMode();
    filter_ = std::move(filter);
    rebuildView();
    cursor_ = 0;
    bof_ = true;
    eof_ = view_.empty();
    notifyReset();
    if (!view_.empty())
        scrolled();
}

void RecordTable::clearFilter()
{
    setFilter(nullptr);
}

void RecordTable::refresh()
{
    checkBrowseMode();
    const std::optional<Bookmark> keep = bookmark();
    rebuildView();
    cursor_ = keep ? rowOf(*keep).value_or(0) : 0;
    if (!view_.empty())
        cursor_ = std::min(cursor_, view_.size() - 1);
    bof_ = eof_ = view_.empty();
    notifyReset();
}

void RecordTable::rebuildView()
{
    view_.clear();
    for (Bookmark b = 0; b < rows_.size(); ++b)
        if (alive_[b] && (!filter_ || filter_(rows_[b])))
            view_.push_back(b);
    rowMapValid_ = false;
    applySort();
}

void RecordTable::setMarked(Bookmark bookmark, bool marked)
{
    if (alive(bookmark))
        marked_[bookmark] = marked;
}

bool RecordTable::isMarked(Bookmark bookmark) const
{
    return alive(bookmark) && marked_[bookmark];
}

std::vector<Bookmark> RecordTable::marks() const
{
    std::vector<Bookmark> result;
    for (Bookmark b = 0; b < marked_.size(); ++b)
        if (marked_[b] && alive_[b] && rowOf(b))
            result.push_back(b);
    return result;
}

void RecordTable::markAll()
{
    for (Bookmark b : view_)
        marked_[b] = true;
}

void RecordTable::clearMarks()
{
    std::fill(marked_.begin(), marked_.end(), false);
}

void RecordTable::disableControls()
{
    ++disableCount_;
}

void RecordTable::enableControls()
{
    if (disableCount_ == 0 || --disableCount_ > 0)
        return;
    if (changedWhileDisabled_) {
        changedWhileDisabled_ = false;
        notifyReset();
    }
}

void RecordTable::addObserver(TableObserver *observer)
{
    observers_.push_back(observer);
}

void RecordTable::removeObserver(TableObserver *observer)
{
    std::erase(observers_, observer);
}

void RecordTable::notify(const std::function<void(TableObserver &)> &event)
{
    if (controlsDisabled()) {
        changedWhileDisabled_ = true;
        return;
    }
    const auto observers = observers_;
    for (TableObserver *o : observers)
        event(*o);
}

void RecordTable::notifyReset()
{
    notify([](TableObserver &o) { o.tableReset(); });
}

} // namespace lexorama::lexicon
