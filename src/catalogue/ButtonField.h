#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/ButtonPages.h"
#include "catalogue/CommandRowData.h"
#include "controls/Control.h"
#include "controls/Language.h"
#include "controls/ListBox.h"
#include "controls/ScrollBar.h"

namespace vostrel::catalogue {

// The field of command buttons: seven stacked pages, one command button with
// its caption label per command (element 0 of both arrays stands for no
// command and is never shown), the scroll bar that pages, and the page caption.
class ButtonField {
public:
    static constexpr int kButtonCount = kCommandCount + 1;

    ButtonField();

    std::array<controls::PictureBox, kButtonPageCount> Picture1;
    std::array<controls::Image, kButtonCount> imgWXMenu;
    std::array<controls::Label, kButtonCount> lblWXMenu;
    controls::ScrollBar VScroll1{"VScroll1"};
    controls::Label Label3{"Label3"};

    // Stacks the seven pages at the field's place with the window background.
    void placePages();
    // Every command button takes the command of its row as tooltip.
    void applyCommandTooltips(const controls::ListBox& commandTable);
    // Captions of all command buttons in the current language.
    void LabelCommandButtons(const controls::ListBox& commandTable, const controls::LanguageFlags& language);
    // Change handler of VScroll1: shows the chosen page.
    void ShowButtonPage(const controls::LanguageFlags& language);
    // Caption of Label3 for the page shown, in the current language.
    void SetButtonPageCaption(const controls::LanguageFlags& language);

    // The first command button whose command equals `command`, ignoring case; 0 for none.
    int buttonOfCommand(std::string_view command) const;

    int shownPage() const { return VScroll1.value(); }
    void setObserver(controls::ControlObserver* observer);

private:
    // Looked up by a view of a line's command, so that opening a file builds
    // no string per line.
    struct CommandHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::string, int, CommandHash, std::equal_to<>>
        buttonByCommand_;  // upper-cased command -> button
    std::size_t longestCommand_ = 0;
};

}  // namespace vostrel::catalogue
