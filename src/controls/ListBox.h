#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/Control.h"

namespace vostrel::controls {

// Hears every change of a list's entries together with what the change took
// away, so that an undo history can keep the changes instead of copies of the
// whole list. What a change put in is in the list itself.
class ListEditSink {
public:
    virtual ~ListEditSink() = default;
    virtual void inserted(int index) = 0;
    virtual void removed(int index, std::string text) = 0;
    virtual void replaced(int index, std::string previous) = 0;
    // clear() and assignAll(): every entry went at once.
    virtual void replacedAll(std::vector<std::string> previous) = 0;
};

// A list of text entries with a current index (-1 = none) and, for the menu
// document, an edit field above it. Setting the current index runs the click
// callback, nested, when the index actually changes; the entry's text then
// shows in the edit field. Every change of the entries is reported to the
// observer one row at a time, so a view never has to copy the whole list.
class ListBox : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    const std::string& entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    bool validIndex(int index) const { return index >= 0 && index < count(); }

    void append(std::string text);
    void insert(int index, std::string text);
    void remove(int index);
    void replace(int index, std::string text);
    void clear();
    // Replaces every entry at once (opening a file, filling the settings).
    void assignAll(std::vector<std::string> entries);

    // Counts every change of the entries, so that what is derived from them (the menu check)
    // can tell whether it is still current without comparing the entries.
    std::uint64_t revision() const { return revision_; }

    int listIndex() const { return listIndex_; }
    void setListIndex(int index);

    // The edit field. Selecting an entry puts its text here; typing changes it.
    const std::string& text() const { return text_; }
    void setText(std::string value) { assign(text_, std::move(value)); }

    std::function<void()> onClick;

    // Puts back a current index and edit text exactly as they were, without the
    // click callback: an undo restores what a handler left, it does not run one.
    void restoreSelection(int index, std::string text);

    void setEditSink(ListEditSink* sink) { sink_ = sink; }

    // A small number derived from each entry when it is written, kept beside the
    // entries so that a walk over a long list reads a compact array instead of
    // every text. Setting the function computes it for the entries there are.
    void setKeyFunction(std::function<int(const std::string&)> key);
    int key(int index) const { return keys_[static_cast<std::size_t>(index)]; }
    // The indices of the entries whose key is not zero, in ascending order.
    // Kept up to date as entries change, so that a search for the few keyed
    // entries (the page heads of a menu) never walks the whole list.
    const std::vector<int>& keyedIndices() const { return keyed_; }

    // While a handler runs, each change of the entries is recorded with what it
    // replaced (moved, or copied when an edit sink keeps it too), so that the
    // window's exception border can put the list back as it was. Ending the
    // journal forgets the record.
    void beginJournal();
    void endJournal();
    // Undoes every recorded change, newest first, and restores the current index
    // and the edit field; the journal ends.
    void rollBack();

private:
    struct JournalStep {
        enum class Kind { Inserted, Removed, Replaced, Reset } kind;
        int index = 0;
        std::string text;                  // the removed or replaced entry
        std::vector<std::string> entries;  // every entry before a reset
    };

    int keyOf(const std::string& text) const { return keyFunction_ ? keyFunction_(text) : 0; }
    void rebuildKeys();
    void shiftKeyed(int from, int by);
    void setKeyed(int index, bool keyed);

    std::vector<std::string> entries_;
    std::vector<int> keys_;
    std::vector<int> keyed_;
    std::function<int(const std::string&)> keyFunction_;
    int listIndex_ = -1;
    std::string text_;
    std::uint64_t revision_ = 0;
    ListEditSink* sink_ = nullptr;
    bool journaling_ = false;
    std::vector<JournalStep> journal_;
    int journalListIndex_ = -1;
    std::string journalText_;
};

}  // namespace vostrel::controls
