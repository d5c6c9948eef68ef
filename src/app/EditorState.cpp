// Taking and putting back the editor state a step of the history restores.
#include "app/EditorState.h"

#include <type_traits>

#include "app/frmWendax.h"

namespace vostrel::app {

namespace {

// The control buttons and menu items whose enabled state a step restores. The
// language buttons say which language is shown and the undo and redo items
// follow the history itself, so those stay as they are. `Form` is const when
// the state is only read.
template <class Form>
auto enableables(Form& form) {
    using Control = std::conditional_t<std::is_const_v<Form>, const controls::Control, controls::Control>;
    std::vector<Control*> controls;
    for (int i : {0, 3, 4, 9, 10}) controls.push_back(&form.cmdWXButton(i));
    for (auto* item : form.menuItems())
        if (item != &form.mnuBRueckgaengig && item != &form.mnuBWiederherstellen) controls.push_back(item);
    return controls;
}

// The preview's places and titles in a fixed order: pictures, then captions.
template <class Preview, class Visit>
void visitPreview(Preview& preview, Visit&& visit) {
    for (int i = 0; i < preview::kPlaceCount; ++i) {
        visit(preview.imgMenH[static_cast<std::size_t>(i)], true);
        visit(preview.imgMenQ[static_cast<std::size_t>(i)], true);
        visit(preview.lblMenH[static_cast<std::size_t>(i)], false);
        visit(preview.lblMenQ[static_cast<std::size_t>(i)], false);
    }
    visit(preview.lblMenuH, false);
    visit(preview.lblMenuQ, false);
}

ScrollBarState scrollBarState(const controls::ScrollBar& bar) {
    return {bar.min(),         bar.max(),     bar.value(),   bar.smallChange(),
            bar.largeChange(), bar.enabled(), bar.geometry()};
}

void restoreScrollBar(controls::ScrollBar& bar, const ScrollBarState& s) {
    // No change callback: the bar shows what it showed, nothing is run again.
    bar.initialise(s.min, s.max, s.value, s.smallChange, s.largeChange);
    bar.setEnabled(s.enabled);
    bar.setGeometry(s.geometry);
}

// Every plain value a step restores, beside the place the window keeps it.
template <class State, class Form, class Visit>
void visitValues(State& s, Form& form, Visit&& visit) {
    visit(s.SelectedLine, form.SelectedLine);
    visit(s.PageButtonCount, form.PageButtonCount);
    visit(s.NextPageNumber, form.NextPageNumber);
    visit(s.NextBlockPageNumber, form.NextBlockPageNumber);
    visit(s.BlockTitle, form.BlockTitle);
    visit(s.ButtonCountCheck, form.ButtonCountCheck);
    visit(s.PreviewPage, form.preview.PreviewPage);
    visit(s.PreviewLastPage, form.preview.PreviewLastPage);
    visit(s.PreviewLinkPage, form.preview.PreviewLinkPage);
    visit(s.PreviewPageStart, form.preview.PreviewPageStart);
    visit(s.SkipPreviewScroll, form.preview.SkipPreviewScroll);
    visit(s.PreviewCommand, form.preview.PreviewCommand);
    visit(s.ProgramFolder, form.ProgramFolder);
    visit(s.VersionText, form.VersionText);
    visit(s.MenuFolder, form.MenuFolder);
    visit(s.MenuRelativeName, form.MenuRelativeName);
    visit(s.CurrentFilePath, form.CurrentFilePath);
}

}  // namespace

EditorState EditorState::capture(const frmWendax& form) {
    EditorState s;
    s.listIndex = form.cboMenu.listIndex();
    s.editText = form.cboMenu.text();
    s.listTooltip = form.cboMenu.tooltip();
    visitValues(s, form, [](auto& kept, const auto& shown) { kept = shown; });
    s.blockBeingBuilt = form.blockBeingBuilt();
    const auto& p = form.preview;
    s.caption = form.form.caption();
    s.colours.reserve(form.field.lblWXMenu.size());
    for (const auto& label : form.field.lblWXMenu) s.colours.push_back(label.backColour());
    for (const auto* control : enableables(form)) s.enabled.push_back(control->enabled());
    visitPreview(p, [&s](const controls::Control& place, bool picture) {
        const auto* image = picture ? static_cast<const controls::Image*>(&place) : nullptr;
        s.preview.push_back(
            {place.visible(), image ? image->picture() : 0, picture ? place.tooltip() : place.caption()});
    });
    s.lineBar = scrollBarState(form.VScroll2);
    s.pageBar = scrollBarState(p.HScroll1);
    return s;
}

void EditorState::restore(frmWendax& form) const {
    // The document is already back: the selection may point into it again.
    form.cboMenu.restoreSelection(form.cboMenu.validIndex(listIndex) ? listIndex : -1, editText);
    form.cboMenu.setTooltip(listTooltip);
    visitValues(*this, form, [](const auto& kept, auto& shown) { shown = kept; });
    form.setBlockBeingBuilt(blockBeingBuilt);
    auto& p = form.preview;
    form.form.setCaption(caption);
    for (std::size_t i = 0; i < colours.size(); ++i) form.field.lblWXMenu[i].setBackColour(colours[i]);
    const auto controls = enableables(form);
    for (std::size_t i = 0; i < controls.size() && i < enabled.size(); ++i)
        controls[i]->setEnabled(enabled[i]);
    std::size_t next = 0;
    visitPreview(p, [this, &next](controls::Control& place, bool picture) {
        const ShownPlace& shown = preview[next++];
        place.setVisible(shown.visible);
        if (picture) {
            static_cast<controls::Image&>(place).setPicture(shown.picture);
            place.setTooltip(shown.text);
        } else {
            place.setCaption(shown.text);
        }
    });
    restoreScrollBar(form.VScroll2, lineBar);
    restoreScrollBar(p.HScroll1, pageBar);
}

}  // namespace vostrel::app
