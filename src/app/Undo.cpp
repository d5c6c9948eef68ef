// Undo and redo: every user action that edits the menu document is one step.
#include "app/frmWendax.h"

namespace vostrel::app {

frmWendax::StepScope::StepScope(frmWendax& form, StepKind kind) : form_(form) {
    if (form_.stepDepth_++ > 0) {
        // A nested action joins the outer one; an option inside it still empties the history.
        if (kind == StepKind::Reset) form_.stepKind_ = kind;
        return;
    }
    form_.stepKind_ = kind;
    form_.history_.open(EditorState::capture(form_));
}

frmWendax::StepScope::~StepScope() {
    if (--form_.stepDepth_ > 0) return;
    if (form_.stepKind_ == StepKind::Reset) {
        // The document is whatever the option or the open made of it; nothing
        // before it can be undone onto it.
        const bool edited = form_.history_.openEdited();
        form_.history_.drop();
        if (edited) form_.history_.clear(!form_.MenuChanged);
    } else {
        form_.history_.commit([this] { return EditorState::capture(form_); });
    }
    form_.updateUndoItems();
}

void frmWendax::asOneStep(const std::function<void()>& change) {
    const StepScope step(*this, StepKind::Edit);
    change();
}

void frmWendax::updateUndoItems() {
    mnuBRueckgaengig.setEnabled(history_.canUndo());
    mnuBWiederherstellen.setEnabled(history_.canRedo());
}

void frmWendax::restoreStep(const EditorState& state) {
    state.restore(*this);
    // Whether the document is the one on disk depends on where the history
    // stands now, not on what the flag said when the step was taken.
    MenuChanged = !history_.atSaved();
    updateUndoItems();
}

void frmWendax::mnuBRueckgaengig_Click() {
    if (stepDepth_ > 0 || !history_.canUndo()) return;
    restoreStep(history_.undo());
}

void frmWendax::mnuBWiederherstellen_Click() {
    if (stepDepth_ > 0 || !history_.canRedo()) return;
    restoreStep(history_.redo());
}

}  // namespace vostrel::app
