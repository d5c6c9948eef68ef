#include "controls/ListBox.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vostrel::controls {

void ListBox::append(std::string text) { insert(count(), std::move(text)); }

void ListBox::insert(int index, std::string text) {
    if (index < 0 || index > count()) throw std::out_of_range("ListBox::insert");
    ++revision_;
    const int key = keyOf(text);
    keys_.insert(keys_.begin() + index, key);
    shiftKeyed(index, 1);
    setKeyed(index, key != 0);
    entries_.insert(entries_.begin() + index, std::move(text));
    if (journaling_) journal_.push_back({JournalStep::Kind::Inserted, index, {}, {}});
    if (sink_) sink_->inserted(index);
    // The current entry stays the same line of text, as in the toolkit.
    const bool shifted = listIndex_ >= index;
    if (shifted) ++listIndex_;
    if (auto* o = observer()) o->listInserted(*this, index);
    if (shifted) notifyChanged();
}

void ListBox::remove(int index) {
    if (!validIndex(index)) throw std::out_of_range("ListBox::remove");
    ++revision_;
    std::string removed = std::move(entries_[static_cast<std::size_t>(index)]);
    entries_.erase(entries_.begin() + index);
    setKeyed(index, false);
    keys_.erase(keys_.begin() + index);
    shiftKeyed(index + 1, -1);
    // What a change took away is copied only when both the journal and the sink keep it.
    if (journaling_)
        journal_.push_back({JournalStep::Kind::Removed, index, sink_ ? removed : std::move(removed), {}});
    if (sink_) sink_->removed(index, std::move(removed));
    const bool moved = listIndex_ >= index;
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    if (auto* o = observer()) o->listRemoved(*this, index);
    if (moved) notifyChanged();
}

void ListBox::replace(int index, std::string text) {
    if (!validIndex(index)) throw std::out_of_range("ListBox::replace");
    auto& slot = entries_[static_cast<std::size_t>(index)];
    if (slot == text) return;
    ++revision_;
    const int key = keyOf(text);
    keys_[static_cast<std::size_t>(index)] = key;
    setKeyed(index, key != 0);
    std::string previous = std::exchange(slot, std::move(text));
    if (journaling_)
        journal_.push_back({JournalStep::Kind::Replaced, index, sink_ ? previous : std::move(previous), {}});
    if (sink_) sink_->replaced(index, std::move(previous));
    if (auto* o = observer()) o->listChanged(*this, index);
}

void ListBox::clear() {
    ++revision_;
    std::vector<std::string> previous = std::exchange(entries_, {});
    if (journaling_)
        journal_.push_back({JournalStep::Kind::Reset, 0, {}, sink_ ? previous : std::move(previous)});
    if (sink_ && !previous.empty()) sink_->replacedAll(std::move(previous));
    keys_.clear();
    keyed_.clear();
    listIndex_ = -1;
    text_.clear();
    if (auto* o = observer()) o->listCleared(*this);
    notifyChanged();
}

void ListBox::assignAll(std::vector<std::string> entries) {
    ++revision_;
    std::vector<std::string> previous = std::exchange(entries_, std::move(entries));
    if (journaling_)
        journal_.push_back({JournalStep::Kind::Reset, 0, {}, sink_ ? previous : std::move(previous)});
    if (sink_) sink_->replacedAll(std::move(previous));
    rebuildKeys();
    listIndex_ = -1;
    if (auto* o = observer()) o->listCleared(*this);
    notifyChanged();
}

void ListBox::setKeyFunction(std::function<int(const std::string&)> key) {
    keyFunction_ = std::move(key);
    rebuildKeys();
}

void ListBox::rebuildKeys() {
    keys_.resize(entries_.size());
    keyed_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        keys_[i] = keyOf(entries_[i]);
        if (keys_[i] != 0) keyed_.push_back(static_cast<int>(i));
    }
}

// Every keyed index at or after `from` moves by `by` (an entry came or went).
void ListBox::shiftKeyed(int from, int by) {
    for (auto it = std::lower_bound(keyed_.begin(), keyed_.end(), from); it != keyed_.end(); ++it) *it += by;
}

void ListBox::setKeyed(int index, bool keyed) {
    const auto it = std::lower_bound(keyed_.begin(), keyed_.end(), index);
    const bool present = it != keyed_.end() && *it == index;
    if (keyed && !present) keyed_.insert(it, index);
    if (!keyed && present) keyed_.erase(it);
}

void ListBox::beginJournal() {
    journal_.clear();
    journaling_ = true;
    journalListIndex_ = listIndex_;
    journalText_ = text_;
}

void ListBox::endJournal() {
    journaling_ = false;
    journal_.clear();
}

void ListBox::rollBack() {
    // Undone through the ordinary edits, so that an edit sink (the undo history)
    // hears the way back as well and never holds edits the list no longer has.
    journaling_ = false;
    auto journal = std::exchange(journal_, {});
    for (auto step = journal.rbegin(); step != journal.rend(); ++step) {
        switch (step->kind) {
            case JournalStep::Kind::Inserted: remove(step->index); break;
            case JournalStep::Kind::Removed: insert(step->index, std::move(step->text)); break;
            case JournalStep::Kind::Replaced: replace(step->index, std::move(step->text)); break;
            case JournalStep::Kind::Reset: assignAll(std::move(step->entries)); break;
        }
    }
    restoreSelection(validIndex(journalListIndex_) ? journalListIndex_ : -1, std::move(journalText_));
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= count()) throw std::out_of_range("ListBox::setListIndex");
    if (listIndex_ == index) return;
    listIndex_ = index;
    if (index >= 0) text_ = entries_[static_cast<std::size_t>(index)];
    notifyChanged();
    if (onClick) onClick();
}

}  // namespace vostrel::controls

namespace vostrel::controls {

void ListBox::restoreSelection(int index, std::string text) {
    if (index < -1 || index >= count()) throw std::out_of_range("ListBox::restoreSelection");
    if (listIndex_ == index && text_ == text) return;
    listIndex_ = index;
    text_ = std::move(text);
    notifyChanged();
}

}  // namespace vostrel::controls
