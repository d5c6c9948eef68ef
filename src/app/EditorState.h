#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "controls/Colour.h"
#include "controls/Control.h"

namespace vostrel::app {

class frmWendax;

// A scroll bar as it was shown: range, value, whether it took input, where it stood.
struct ScrollBarState {
    int min = 0, max = 0, value = 0, smallChange = 0, largeChange = 0;
    bool enabled = true;
    controls::Geometry geometry;
    friend bool operator==(const ScrollBarState&, const ScrollBarState&) = default;
};

// A place of the preview or one of its captions as it was shown.
struct ShownPlace {
    bool visible = false;
    int picture = 0;
    std::string text;  // the tooltip of a picture, the caption of a label
    friend bool operator==(const ShownPlace&, const ShownPlace&) = default;
};

// Everything besides the document lines that a step of the history puts back:
// the selection, the shared values, the caption colours, which buttons and
// items take clicks, the caption, and the preview exactly as it was drawn. The
// language, the options and the page of the button field are not in it: undo
// leaves them as the user set them.
struct EditorState {
    int listIndex = -1;
    std::string editText;
    std::string listTooltip;  // the position of the selected line
    std::int16_t SelectedLine = 0, PageButtonCount = 0, NextPageNumber = 0, NextBlockPageNumber = 0;
    std::string BlockTitle;
    bool blockBeingBuilt = false;
    bool ButtonCountCheck = false;
    std::int16_t PreviewPage = 0, PreviewLastPage = 0, PreviewLinkPage = 0, PreviewPageStart = 0;
    bool SkipPreviewScroll = false;
    std::string PreviewCommand, VersionText;
    std::filesystem::path ProgramFolder, MenuFolder, MenuRelativeName, CurrentFilePath;
    std::string caption;
    std::vector<controls::Colour> colours;
    std::vector<bool> enabled;  // control buttons, then menu items, in a fixed order
    std::vector<ShownPlace> preview;
    ScrollBarState lineBar, pageBar;

    friend bool operator==(const EditorState&, const EditorState&) = default;

    static EditorState capture(const frmWendax& form);
    void restore(frmWendax& form) const;
};

}  // namespace vostrel::app
