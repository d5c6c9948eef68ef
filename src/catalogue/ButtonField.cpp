#include "catalogue/ButtonField.h"

#include <algorithm>

#include "catalogue/CommandTable.h"
#include "text/AsciiCase.h"

namespace vostrel::catalogue {

namespace {

constexpr int kFieldLeftTwips = 30;
constexpr int kFieldTopTwips = 120;

// Page titles: a tail starting with CR LF puts the title on a second line.
constexpr std::array<controls::Wording, kButtonPageCount> kPageTails = {{
    {"\r\nFahren", "\r\nTraffic", "\r\nTrafic"},
    {"\r\nEinstellen", "\r\nSettings", "\r\nPréférences"},
    {" Einst./ Diverses/Laden", " Sett./ Various/Load", " Préf./ Diverse/Charger"},
    {" Route/ SDK1-6/ZAVI", " Route/ SDK1-6/ZAVI", " Route/ SDK1-6/ZAVI"},
    {" Hilfe/Traffic", " Help/Traffic", " Aide/Trafic"},
    {"\r\nButtons für Test", "\r\nButtons for test", "\r\nBoutons à tester"},
    {"\r\nButtons DOD6", "\r\nButtons DOD6", "\r\nBoutons DOD6"},
}};

}  // namespace

ButtonField::ButtonField() {
    for (int i = 0; i < kButtonPageCount; ++i) {
        Picture1[i].setIdentity("Picture1", i);
        Picture1[i].setBackColour(controls::kDarkGreen);  // until start-up places the pages
        Picture1[i].setGeometry({0, 0, kPageWidthTwips, kPageHeightTwips});
        Picture1[i].setVisible(i == 0);
    }
    Picture1[0].setTooltip("Button-Feld");
    for (int i = 0; i < kButtonCount; ++i) {
        imgWXMenu[i].setIdentity("imgWXMenu", i);
        lblWXMenu[i].setIdentity("lblWXMenu", i);
        const Cell cell = cellOf(i);
        if (cell.page < 0) {
            imgWXMenu[i].setVisible(false);
            continue;
        }
        const int x = (cell.column - 1) * kCellTwips;
        const int y = (cell.row - 1) * kCellTwips;
        imgWXMenu[i].setGeometry({x, y, kCellTwips, kPictureHeightTwips});
        lblWXMenu[i].setGeometry({x, y + kCaptionTopTwips, kCellTwips, kCaptionHeightTwips});
    }
    VScroll1.initialise(0, kButtonPageCount - 1, 0, 1, 2);
    Label3.setCaption("XXX");
    Label3.setBackColour(controls::kDarkGreen);
}

void ButtonField::setObserver(controls::ControlObserver* observer) {
    for (auto& page : Picture1) page.setObserver(observer);
    for (auto& image : imgWXMenu) image.setObserver(observer);
    for (auto& label : lblWXMenu) label.setObserver(observer);
    VScroll1.setObserver(observer);
    Label3.setObserver(observer);
}

void ButtonField::placePages() {
    for (auto& page : Picture1) {
        page.setGeometry({kFieldLeftTwips, kFieldTopTwips, kPageWidthTwips, kPageHeightTwips});
        page.setBackColour(controls::Colour::window());
    }
}

void ButtonField::applyCommandTooltips(const controls::ListBox& commandTable) {
    for (int k = 0; k < commandTable.count() && k + 1 < kButtonCount; ++k)
        imgWXMenu[k + 1].setTooltip(rowCommand(commandTable.entry(k)));
    // The tooltips never change again, and opening a file looks up every line.
    buttonByCommand_.clear();
    longestCommand_ = 0;
    for (int i = 1; i < kButtonCount; ++i) {
        buttonByCommand_.emplace(text::upperAscii(imgWXMenu[i].tooltip()), i);  // the first one wins
        longestCommand_ = std::max(longestCommand_, imgWXMenu[i].tooltip().size());
    }
}

void ButtonField::LabelCommandButtons(const controls::ListBox& commandTable,
                                      const controls::LanguageFlags& language) {
    std::string label;
    for (int k = 0; k < commandTable.count() && k + 1 < kButtonCount; ++k)
        if (rowLabel(commandTable.entry(k), language, label)) lblWXMenu[k + 1].setCaption(label);
}

void ButtonField::ShowButtonPage(const controls::LanguageFlags& language) {
    for (int i = 0; i < kButtonPageCount; ++i) {
        Picture1[i].setVisible(false);
        if (i == VScroll1.value()) {
            Picture1[i].setVisible(true);
            SetButtonPageCaption(language);
        }
    }
}

void ButtonField::SetButtonPageCaption(const controls::LanguageFlags& language) {
    const int v = VScroll1.value();
    if (v < 0 || v >= kButtonPageCount) return;
    const std::string number = std::to_string(v + 1);
    const auto& tail = kPageTails[static_cast<std::size_t>(v)];
    if (language.german) Label3.setCaption("Seite " + number + std::string(tail.german));
    if (language.english) Label3.setCaption("Page " + number + std::string(tail.english));
    if (language.french) Label3.setCaption("Page " + number + std::string(tail.french));
}

int ButtonField::buttonOfCommand(std::string_view command) const {
    if (!buttonByCommand_.empty()) {
        // Longer than every command: no button, and no need to upper-case it.
        if (command.size() > longestCommand_) return 0;
        // Menus write their commands in capitals nearly always: such a command
        // is found as it stands, without a copy in capitals first.
        if (const auto it = buttonByCommand_.find(command); it != buttonByCommand_.end()) return it->second;
        std::array<char, 64> upper;
        if (command.size() > upper.size()) {
            const auto it = buttonByCommand_.find(text::upperAscii(command));
            return it == buttonByCommand_.end() ? 0 : it->second;
        }
        for (std::size_t i = 0; i < command.size(); ++i) upper[i] = text::asciiUpper(command[i]);
        const auto it = buttonByCommand_.find(std::string_view(upper.data(), command.size()));
        return it == buttonByCommand_.end() ? 0 : it->second;
    }
    for (int i = 1; i < kButtonCount; ++i)
        if (text::equalsIgnoreAsciiCase(imgWXMenu[i].tooltip(), command)) return i;
    return 0;
}

}  // namespace vostrel::catalogue
