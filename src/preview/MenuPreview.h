#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CommandRowData.h"
#include "controls/Control.h"
#include "controls/Language.h"
#include "controls/ListBox.h"
#include "controls/ScrollBar.h"

namespace vostrel::preview {

inline constexpr int kPlaceCount = 6;

// The pictures of the command buttons, counted from 1 as the buttons are.
using CommandButtons = std::array<controls::Image, catalogue::kCommandCount + 1>;

// What the preview reads but does not own; each must outlive the preview.
struct PreviewSources {
    // The menu lines. The preview keeps the page number of every line as the
    // list's key, so it needs to set the list's key function.
    controls::ListBox& document;
    const controls::ListBox& commandTable;  // rows of the command table
    const CommandButtons& commandButtons;
    const controls::LanguageFlags& language;
    const std::int16_t& nextPageNumber;
};

// What one drawing of the preview found.
struct FoundPage {
    enum class Outcome {
        Drawn,         // a page head at or above the asked page, and the places after it
        NoHead,        // no page head at or above the asked page: nothing changed
        NothingAfter,  // the heads run to the end of the menu: a title but no places
    };
    Outcome outcome = Outcome::NoHead;
    int page = 0;        // the page now shown (the asked one when no head was found)
    int firstLine = -1;  // the line in the first place; -1 unless drawn
};

// The small picture of the device screen: a portrait and a landscape frame that
// always hold the same page, the scroll bar that pages through the menu, and
// the values that tie them to the document.
class MenuPreview {
public:
    MenuPreview();

    controls::Frame Frame3{"Frame3"};  // portrait
    controls::Frame Frame1{"Frame1"};  // landscape
    controls::PictureBox Picture3{"Picture3"};
    controls::PictureBox Picture2{"Picture2"};
    std::array<controls::Image, kPlaceCount> imgMenH;
    std::array<controls::Label, kPlaceCount> lblMenH;
    std::array<controls::Image, kPlaceCount> imgMenQ;
    std::array<controls::Label, kPlaceCount> lblMenQ;
    controls::Label lblMenuH{"lblMenuH"};
    controls::Label lblMenuQ{"lblMenuQ"};
    controls::ScrollBar HScroll1{"HScroll1"};

    std::int16_t PreviewPage = 0;
    std::int16_t PreviewLastPage = 0;
    std::int16_t PreviewLinkPage = 0;
    int PreviewPageStart = 0;  // a line index, so as wide as the list
    bool SkipPreviewScroll = false;
    std::string PreviewCommand;

    void setSources(const PreviewSources& sources);
    void setObserver(controls::ControlObserver* observer);

    // Show one frame, hide the other, and move the scroll bar and the
    // show-menu button under it. Neither renders: both frames hold the page.
    void ArrangePortrait(controls::Control& form, controls::Control& showMenuButton);
    void ArrangeLandscape(controls::Control& form, controls::Control& showMenuButton);

    // Hides all twelve places, empties their captions and both titles.
    void ClearPreview();
    // Hides the pictures of place p in both frames and empties its captions.
    void clearPlace(int p);
    // Draws page PreviewPage of the document into both frames: the first page
    // at or above it that has a head. Says which page that was, or why none.
    FoundPage RenderPreview();
    // Change handler of HScroll1.
    void HScroll1_Change();
    // A click on a picture of the portrait or landscape frame.
    void imgMenH_Click(int place);
    void imgMenQ_Click(int place);
    void SelectLineForPreviewButton();
    void FollowPreviewLink();

    // Makes a document line the current entry, as a user's click would.
    std::function<void(int)> selectLine;

private:
    // The first line from the top that heads page `page` or a later one.
    int firstHeadFrom(int page) const;
    // The sources; a drawing before setSources is a fault of the caller.
    const PreviewSources& sources() const;
    void fillPlaces(int first);
    void showCommandInPlace(int place, const std::string& line);
    int commandRow(const std::string& upperCommand);
    void setTitles(const std::string& title);

    std::optional<PreviewSources> sources_;
    std::vector<std::string> upperCommands_;  // command column, upper-cased, by row
};

}  // namespace vostrel::preview
