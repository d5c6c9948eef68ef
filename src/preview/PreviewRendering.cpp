// Drawing one page of the menu document into the six places of both frames,
// paging with the scroll bar, and following the links of clicked pictures.
//
// The preview knows a line only by its length and the number in characters
// 19-20, exactly as the device's menu pages are laid out, so hand-edited lines
// show the way the navigation software would read them.
#include <algorithm>

#include "catalogue/CommandTable.h"
#include "menu/LineSyntax.h"
#include "text/LineText.h"
#include "preview/MenuPreview.h"

namespace vostrel::preview {

namespace {

constexpr controls::Wording kWrongCommand{"Falscher Befehl", "Wrong comand", "Incorrect commande"};

struct LineShape {
    int length;  // in characters
    int number;  // characters 19-20 read as a number
};

LineShape shapeOf(const std::string& line) {
    return {static_cast<int>(text::charLength(line)), menu::pageNumber(line)};
}

// Characters 15 to `last` of a line; empty when that range is empty.
std::string charsFrom15To(const std::string& line, int last) {
    if (last < 15) return {};
    return text::charMid(line, 15, static_cast<std::size_t>(last - 14));
}

}  // namespace

void MenuPreview::clearPlace(int p) {
    imgMenQ[p].setVisible(false);
    imgMenH[p].setVisible(false);
    lblMenQ[p].setCaption({});
    lblMenH[p].setCaption({});
}

void MenuPreview::setTitles(const std::string& title) {
    lblMenuH.setCaption(title);
    lblMenuQ.setCaption(title);
}

int MenuPreview::firstHeadFrom(int page) const {
    const auto& document = sources().document;
    // Until a head is found, the walk passes over every line that is none: a
    // head reads a number in characters 19-20, and the list keeps the indices
    // of those lines, so only they are looked at.
    const auto& numbered = document.keyedIndices();
    for (auto it = std::lower_bound(numbered.begin(), numbered.end(), 1); it != numbered.end(); ++it) {
        const int number = document.key(*it);
        if (number >= page && text::charLength(document.entry(*it)) >= 21) return *it;
    }
    return document.count();
}

FoundPage MenuPreview::RenderPreview() {
    const auto& document = sources().document;
    const int firstHead = firstHeadFrom(PreviewPage);
    if (firstHead >= document.count()) return {FoundPage::Outcome::NoHead, PreviewPage, -1};
    // From the first head on, heads in a row each take the page over; the
    // first line that is no such head begins the page's places.
    for (int i = firstHead; i < document.count(); ++i) {
        const std::string& line = document.entry(i);
        const int number = document.key(i);
        const LineShape shape{number == 0 ? 0 : static_cast<int>(text::charLength(line)), number};
        if (shape.number != 0 && shape.number >= PreviewPage && shape.length >= 21) {
            PreviewPage = static_cast<std::int16_t>(shape.number);
            if (shape.number <= 9)
                setTitles(text::charMid(line, 21, static_cast<std::size_t>(shape.length - 21)));
            else if (shape.length >= 22)
                setTitles(text::charMid(line, 22, static_cast<std::size_t>(shape.length - 22)));
            continue;
        }
        PreviewPageStart = i;
        fillPlaces(i);
        return {FoundPage::Outcome::Drawn, PreviewPage, i};
    }
    return {FoundPage::Outcome::NothingAfter, PreviewPage, -1};
}

void MenuPreview::fillPlaces(int first) {
    const auto& document = sources().document;
    for (int p = 0; p < kPlaceCount; ++p) {
        const int i = first + p;
        const std::string& line = document.entry(i);
        const LineShape shape = shapeOf(line);
        if (shape.number != 0 && shape.length >= 22) return;  // the next page's head
        showCommandInPlace(p, line);
        if (i >= document.count() - 1) {
            PreviewLastPage = PreviewPage;
            HScroll1.setMax(PreviewLastPage);
            return;
        }
    }
}

void MenuPreview::showCommandInPlace(int place, const std::string& line) {
    const LineShape shape = shapeOf(line);
    const int L = shape.length;
    const int N = shape.number;
    std::string command = charsFrom15To(line, L - 1);
    if (N != 0 && L < 22) command = charsFrom15To(line, L - 3);
    if (N != 0 && L < 21) command = charsFrom15To(line, L - 2);
    if (N == 1 && L < 21) command = charsFrom15To(line, L - 1);
    if (N > 1 && L >= 20) PreviewLinkPage = static_cast<std::int16_t>(N);

    const int row = commandRow(menu::upperCase(command));
    const auto& language = sources().language;
    if (row >= 0) {
        const auto& button = sources().commandButtons[static_cast<std::size_t>(row + 1)];
        for (auto* image : {&imgMenH[place], &imgMenQ[place]}) {
            image->setVisible(true);
            image->setPicture(row + 1);
            image->setTooltip(button.tooltip());
        }
        std::string label;
        if (catalogue::rowLabel(sources().commandTable.entry(row), language, label)) {
            lblMenH[place].setCaption(label);
            lblMenQ[place].setCaption(label);
        }
        return;
    }
    imgMenH[place].setVisible(false);
    imgMenQ[place].setVisible(false);
    std::string wrong;
    if (language.pick(wrong, kWrongCommand.german, kWrongCommand.english, kWrongCommand.french)) {
        lblMenH[place].setCaption(wrong);
        lblMenQ[place].setCaption(wrong);
    }
}

int MenuPreview::commandRow(const std::string& upperCommand) {
    const auto& table = sources().commandTable;
    // The table never changes once built, so its upper-cased commands are kept.
    if (static_cast<int>(upperCommands_.size()) != table.count()) {
        upperCommands_.clear();
        for (const auto& row : table.entries())
            upperCommands_.push_back(menu::upperCase(catalogue::rowCommand(row)));
    }
    const auto it = std::find(upperCommands_.begin(), upperCommands_.end(), upperCommand);
    return it == upperCommands_.end() ? -1 : static_cast<int>(it - upperCommands_.begin());
}

void MenuPreview::HScroll1_Change() {
    if (SkipPreviewScroll) {
        SkipPreviewScroll = false;
        return;
    }
    const int v = HScroll1.value();
    if (PreviewPage == 0 && v == PreviewLastPage) return;
    if (PreviewPage == 1 && v == 1) return;
    ClearPreview();
    PreviewPage = static_cast<std::int16_t>(v);
    RenderPreview();
    if (PreviewPage > 0) HScroll1.setValue(PreviewPage);
}

void MenuPreview::imgMenH_Click(int place) {
    if (place < 0 || place >= kPlaceCount) return;
    PreviewCommand = imgMenH[place].tooltip();
    SelectLineForPreviewButton();
    FollowPreviewLink();
}

void MenuPreview::imgMenQ_Click(int place) {
    if (place < 0 || place >= kPlaceCount) return;
    PreviewCommand = imgMenQ[place].tooltip();
    SelectLineForPreviewButton();
    FollowPreviewLink();
}

void MenuPreview::SelectLineForPreviewButton() {
    const auto& document = sources().document;
    const std::string wanted = menu::upperCase(PreviewCommand);
    for (int i = 0; i < document.count(); ++i) {
        const std::string& line = document.entry(i);
        if (charsFrom15To(line, static_cast<int>(text::charLength(line)) - 1) == wanted) {
            if (selectLine) selectLine(i);
            return;
        }
    }
}

void MenuPreview::FollowPreviewLink() {
    const auto& document = sources().document;
    const std::string command = menu::upperCase(PreviewCommand);
    bool jumped = true;
    if (command == "MENU_PREFERENCES") {
        ClearPreview();
        for (int i = std::max<int>(PreviewPageStart, 0); i < document.count(); ++i) {
            if (!menu::isSettingsBlockHead(document.entry(i))) continue;
            // A head on the last line has nothing after it, which reads as page 0: the first page.
            PreviewPage = static_cast<std::int16_t>(
                i + 1 < document.count() ? menu::pageNumber(document.entry(i + 1)) : 0);
            break;
        }
        RenderPreview();
    } else if (command == "PAGE") {
        ClearPreview();
        PreviewPage = PreviewLinkPage;
        RenderPreview();
    } else if (command == "PAGE1") {
        ClearPreview();
        PreviewPage = 0;
        RenderPreview();
    } else {
        jumped = false;
    }
    const int target = PreviewPage > 0 ? PreviewPage : sources().nextPageNumber - 1;
    if (jumped && HScroll1.clamp(target) != HScroll1.value()) SkipPreviewScroll = true;
    HScroll1.setValue(target);
}

}  // namespace vostrel::preview
