#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/EditorState.h"
#include "controls/ListBox.h"

namespace vostrel::app {

// One change of the menu document as the list reported it. It holds only what
// is not in the document at the moment: the text a removal took away, the text a
// replacement overwrote, the lines a clear dropped. Undoing an edit through the
// list records the opposite edit, which is what the redo needs, so a step never
// holds a line twice.
struct ListEdit {
    enum class Kind { Inserted, Removed, Replaced, ReplacedAll };
    Kind kind = Kind::Inserted;
    int index = 0;
    std::string text;
    std::vector<std::string> lines;
};

// The undo and redo history of the menu document. A step is opened before a
// user's action runs and closed after it; the edits the list reported in
// between, with the editor state before and after, become one step when there
// were any. An edit outside any step (a file read, a test's own change) makes
// the recorded steps meaningless, so it empties the history.
class History : private controls::ListEditSink {
public:
    static constexpr std::size_t kMaxSteps = 1000;

    explicit History(controls::ListBox& document);
    ~History() override;
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    void open(EditorState before);
    bool openEdited() const { return !openEdits_.empty(); }
    // Keeps the open step when it edited the document; `after` is asked only then.
    template <class Capture>
    void commit(Capture&& after) {
        if (openEdited()) push(after());
        drop();
    }
    // Ends the open step without keeping it.
    void drop();

    // Forgets every step. `savedHere`: the document now is the one on disk.
    void clear(bool savedHere);
    void markSaved() { savedAt_ = position_; }
    // Whether the document now is the one last opened or saved.
    bool atSaved() const { return savedAt_ == position_; }

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    // Applies the step's edits backwards (or forwards) to the document and
    // returns the editor state to restore.
    const EditorState& undo();
    const EditorState& redo();

    // Counts every edit of the document, in a step or not; it tells whether the
    // document changed since some earlier moment.
    std::size_t editCount() const { return editCount_; }
    std::size_t stepCount() const { return steps_.size(); }

private:
    struct Step {
        std::shared_ptr<const EditorState> before;
        std::shared_ptr<const EditorState> after;
        std::vector<ListEdit> edits;
    };

    void push(EditorState after);
    std::vector<ListEdit> reverse(std::vector<ListEdit> edits);
    void record(ListEdit edit);

    void inserted(int index) override;
    void removed(int index, std::string text) override;
    void replaced(int index, std::string previous) override;
    void replacedAll(std::vector<std::string> previous) override;

    controls::ListBox& document_;
    std::vector<Step> steps_;
    std::size_t position_ = 0;  // steps before it are done, from it on undone
    std::optional<std::size_t> savedAt_ = 0;
    std::shared_ptr<const EditorState> openBefore_;
    std::vector<ListEdit> openEdits_;
    std::vector<ListEdit>* target_ = nullptr;  // where reported edits go
    std::size_t editCount_ = 0;
};

}  // namespace vostrel::app
