#include "controls/ListBox.h"

#include <stdexcept>
#include <utility>

namespace vostrel::controls {

void ListBox::append(std::string text) { insert(count(), std::move(text)); }

void ListBox::insert(int index, std::string text) {
    if (index < 0 || index > count()) throw std::out_of_range("ListBox::insert");
    keys_.insert(keys_.begin() + index, keyOf(text));
    entries_.insert(entries_.begin() + index, std::move(text));
    record({JournalStep::Kind::Inserted, index, {}, {}});
    // The current entry stays the same line of text, as in the toolkit.
    const bool shifted = listIndex_ >= index;
    if (shifted) ++listIndex_;
    if (auto* o = observer()) o->listInserted(*this, index);
    if (shifted) notifyChanged();
}

void ListBox::remove(int index) {
    if (!validIndex(index)) throw std::out_of_range("ListBox::remove");
    record({JournalStep::Kind::Removed, index, std::move(entries_[static_cast<std::size_t>(index)]), {}});
    entries_.erase(entries_.begin() + index);
    keys_.erase(keys_.begin() + index);
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
    keys_[static_cast<std::size_t>(index)] = keyOf(text);
    record({JournalStep::Kind::Replaced, index, std::exchange(slot, std::move(text)), {}});
    if (auto* o = observer()) o->listChanged(*this, index);
}

void ListBox::clear() {
    record({JournalStep::Kind::Reset, 0, {}, std::move(entries_)});
    entries_.clear();
    keys_.clear();
    listIndex_ = -1;
    text_.clear();
    if (auto* o = observer()) o->listCleared(*this);
    notifyChanged();
}

void ListBox::assignAll(std::vector<std::string> entries) {
    record({JournalStep::Kind::Reset, 0, {}, std::exchange(entries_, std::move(entries))});
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
    for (std::size_t i = 0; i < entries_.size(); ++i) keys_[i] = keyOf(entries_[i]);
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
    journaling_ = false;
    for (auto step = journal_.rbegin(); step != journal_.rend(); ++step) {
        const auto at = entries_.begin() + step->index;
        switch (step->kind) {
            case JournalStep::Kind::Inserted: entries_.erase(at); break;
            case JournalStep::Kind::Removed: entries_.insert(at, std::move(step->text)); break;
            case JournalStep::Kind::Replaced: *at = std::move(step->text); break;
            case JournalStep::Kind::Reset: entries_ = std::move(step->entries); break;
        }
    }
    journal_.clear();
    rebuildKeys();
    listIndex_ = validIndex(journalListIndex_) ? journalListIndex_ : -1;
    text_ = std::move(journalText_);
    if (auto* o = observer()) o->listCleared(*this);
    notifyChanged();
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
