#include "app/History.h"

#include <utility>

namespace vostrel::app {

History::History(controls::ListBox& document) : document_(document) { document_.setEditSink(this); }

History::~History() { document_.setEditSink(nullptr); }

void History::open(EditorState before) {
    // Consecutive steps usually meet in the same state; share it instead of keeping it twice.
    if (position_ > 0 && *steps_[position_ - 1].after == before)
        openBefore_ = steps_[position_ - 1].after;
    else
        openBefore_ = std::make_shared<const EditorState>(std::move(before));
    openEdits_.clear();
    target_ = &openEdits_;
}

void History::push(EditorState after) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
    if (savedAt_ && *savedAt_ > position_) savedAt_.reset();
    steps_.push_back({std::move(openBefore_), std::make_shared<const EditorState>(std::move(after)),
                      std::exchange(openEdits_, {})});
    position_ = steps_.size();
    if (steps_.size() > kMaxSteps) {
        steps_.erase(steps_.begin());
        --position_;
        if (savedAt_) savedAt_ = *savedAt_ == 0 ? std::nullopt : std::optional(*savedAt_ - 1);
    }
    target_ = nullptr;
}

void History::drop() {
    openEdits_.clear();
    openBefore_.reset();
    target_ = nullptr;
}

void History::clear(bool savedHere) {
    openEdits_.clear();
    steps_.clear();
    position_ = 0;
    savedAt_ = savedHere ? std::optional<std::size_t>(0) : std::nullopt;
}

std::vector<ListEdit> History::reverse(std::vector<ListEdit> edits) {
    std::vector<ListEdit> opposite;
    opposite.reserve(edits.size());
    auto* const previousTarget = std::exchange(target_, &opposite);
    for (auto it = edits.rbegin(); it != edits.rend(); ++it) {
        switch (it->kind) {
            case ListEdit::Kind::Inserted: document_.remove(it->index); break;
            case ListEdit::Kind::Removed: document_.insert(it->index, std::move(it->text)); break;
            case ListEdit::Kind::Replaced: document_.replace(it->index, std::move(it->text)); break;
            case ListEdit::Kind::ReplacedAll: document_.assignAll(std::move(it->lines)); break;
        }
    }
    target_ = previousTarget;
    return opposite;
}

const EditorState& History::undo() {
    Step& step = steps_[--position_];
    step.edits = reverse(std::move(step.edits));
    return *step.before;
}

const EditorState& History::redo() {
    Step& step = steps_[position_++];
    step.edits = reverse(std::move(step.edits));
    return *step.after;
}

void History::record(ListEdit edit) {
    ++editCount_;
    if (target_) {
        target_->push_back(std::move(edit));
        return;
    }
    if (!steps_.empty()) clear(false);
}

void History::inserted(int index) { record({ListEdit::Kind::Inserted, index, {}, {}}); }

void History::removed(int index, std::string text) {
    record({ListEdit::Kind::Removed, index, std::move(text), {}});
}

void History::replaced(int index, std::string previous) {
    record({ListEdit::Kind::Replaced, index, std::move(previous), {}});
}

void History::replacedAll(std::vector<std::string> previous) {
    record({ListEdit::Kind::ReplacedAll, 0, {}, std::move(previous)});
}

}  // namespace vostrel::app
