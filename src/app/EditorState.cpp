// Taking and putting back the editor state a step of the history restores.
#include "app/EditorState.h"

#include "app/frmWendax.h"

namespace vostrel::app {

namespace {

// The control buttons and menu items whose enabled state a step restores. The
// language buttons say which language is shown and the undo and redo items
// follow the history itself, so those stay as they are.
std::vector<controls::Control*> enableables(const frmWendax& form) {
    std::vector<controls::Control*> controls;
    auto& mutableForm = const_cast<frmWendax&>(form);
    for (int i : {0, 3, 4, 9, 10}) controls.push_back(&mutableForm.cmdWXButton(i));
    for (auto* item : form.menuItems())
        if (item != &form.mnuBRueckgaengig && item != &form.mnuBWiederherstellen) controls.push_back(item);
    return controls;
}

// The preview's places and titles in a fixed order: pictures, then captions.
template <class Visit>
void visitPreview(const preview::MenuPreview& p, Visit&& visit) {
    auto& preview = const_cast<preview::MenuPreview&>(p);
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
    return {bar.min(),     bar.max(),       bar.value(), bar.smallChange(), bar.largeChange(),
            bar.enabled(), bar.geometry()};
}

void restoreScrollBar(controls::ScrollBar& bar, const ScrollBarState& s) {
    // No change callback: the bar shows what it showed, nothing is run again.
    bar.initialise(s.min, s.max, s.value, s.smallChange, s.largeChange);
    bar.setEnabled(s.enabled);
    bar.setGeometry(s.geometry);
}

}  // namespace

EditorState EditorState::capture(const frmWendax& form) {
    EditorState s;
    s.listIndex = form.cboMenu.listIndex();
    s.editText = form.cboMenu.text();
    s.listTooltip = form.cboMenu.tooltip();
    s.SelectedLine = form.SelectedLine;
    s.PageButtonCount = form.PageButtonCount;
    s.NextPageNumber = form.NextPageNumber;
    s.NextBlockPageNumber = form.NextBlockPageNumber;
    s.BlockTitle = form.BlockTitle;
    s.ButtonCountCheck = form.ButtonCountCheck;
    const auto& p = form.preview;
    s.PreviewPage = p.PreviewPage;
    s.PreviewLastPage = p.PreviewLastPage;
    s.PreviewLinkPage = p.PreviewLinkPage;
    s.PreviewPageStart = p.PreviewPageStart;
    s.SkipPreviewScroll = p.SkipPreviewScroll;
    s.PreviewCommand = p.PreviewCommand;
    s.ProgramFolder = form.ProgramFolder;
    s.VersionText = form.VersionText;
    s.MenuFolder = form.MenuFolder;
    s.MenuRelativeName = form.MenuRelativeName;
    s.CurrentFilePath = form.CurrentFilePath;
    s.caption = form.form.caption();
    s.colours.reserve(form.field.lblWXMenu.size());
    for (const auto& label : form.field.lblWXMenu) s.colours.push_back(label.backColour());
    for (const auto* control : enableables(form)) s.enabled.push_back(control->enabled());
    visitPreview(p, [&s](controls::Control& place, bool picture) {
        const auto* image = picture ? static_cast<const controls::Image*>(&place) : nullptr;
        s.preview.push_back({place.visible(), image ? image->picture() : 0,
                             picture ? place.tooltip() : place.caption()});
    });
    s.lineBar = scrollBarState(form.VScroll2);
    s.pageBar = scrollBarState(p.HScroll1);
    return s;
}

void EditorState::restore(frmWendax& form) const {
    // The document is already back: the selection may point into it again.
    form.cboMenu.restoreSelection(form.cboMenu.validIndex(listIndex) ? listIndex : -1, editText);
    form.cboMenu.setTooltip(listTooltip);
    form.SelectedLine = SelectedLine;
    form.PageButtonCount = PageButtonCount;
    form.NextPageNumber = NextPageNumber;
    form.NextBlockPageNumber = NextBlockPageNumber;
    form.BlockTitle = BlockTitle;
    form.ButtonCountCheck = ButtonCountCheck;
    auto& p = form.preview;
    p.PreviewPage = PreviewPage;
    p.PreviewLastPage = PreviewLastPage;
    p.PreviewLinkPage = PreviewLinkPage;
    p.PreviewPageStart = PreviewPageStart;
    p.SkipPreviewScroll = SkipPreviewScroll;
    p.PreviewCommand = PreviewCommand;
    form.ProgramFolder = ProgramFolder;
    form.VersionText = VersionText;
    form.MenuFolder = MenuFolder;
    form.MenuRelativeName = MenuRelativeName;
    form.CurrentFilePath = CurrentFilePath;
    form.form.setCaption(caption);
    for (std::size_t i = 0; i < colours.size(); ++i) form.field.lblWXMenu[i].setBackColour(colours[i]);
    const auto controls = enableables(form);
    for (std::size_t i = 0; i < controls.size() && i < enabled.size(); ++i) controls[i]->setEnabled(enabled[i]);
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
