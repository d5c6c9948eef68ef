// The preview finds its page through the list's index of numbered lines; what
// it finds must be exactly what a walk from the top of the document finds, for
// hand-edited lines too (short heads, numbers in item lines, heads in a row,
// characters beyond ASCII), and must stay so while lines come, go and change.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/frmWendax.h"
#include "cli/replay/ScriptedHost.h"
#include "menu/LineSyntax.h"
#include "text/LineText.h"

namespace {

namespace fs = std::filesystem;
using vostrel::app::frmWendax;
using vostrel::cli::ScriptedHost;

struct Walk {
    int page;
    int start;  // -1: no page begins anywhere
    std::string title;
};

// The walk over every line from the second on, as the device reads a menu.
Walk walkFromTop(const std::vector<std::string>& lines, int page) {
    Walk walk{page, -1, {}};
    bool found = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int number = vostrel::menu::pageNumber(lines[i]);
        const auto length = vostrel::text::charLength(lines[i]);
        if (number != 0 && number >= walk.page && length >= 21) {
            walk.page = number;
            if (number <= 9) walk.title = vostrel::text::charMid(lines[i], 21, length - 21);
            else if (length >= 22) walk.title = vostrel::text::charMid(lines[i], 22, length - 22);
            found = true;
        } else if (found) {
            walk.start = static_cast<int>(i);
            break;
        }
    }
    return walk;
}

// Lines of every shape the walk tells apart: real heads, items and links, and
// hand-edited lines whose characters 19-20 read a number or none, of lengths
// around 21 and 22, some with characters that take two bytes.
std::string randomLine(std::mt19937& random) {
    static const std::vector<std::string> numbers{"1|", "7", "9|", "10", "12", "0|", "ab", "", "3x"};
    static const std::vector<std::string> tails{"", "|", "ü", "|T", "|Ä1", "|Seite 1/2|"};
    const int number = static_cast<int>(random() % 13);
    switch (random() % 5) {
    case 0: return vostrel::menu::pageHead(number, "Hauptmenü", 1);
    case 1: return vostrel::menu::commandItem("navigate_to");
    case 2: return vostrel::menu::nextPageItem(number);
    default:
        return std::string(18, 'M') + numbers[random() % numbers.size()] + tails[random() % tails.size()];
    }
}

TEST(MenuPreview, FindsThePageAsAWalkFromTheTopWhileLinesChange) {
    const auto folder = fs::temp_directory_path() / ("vostrel-preview-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    ScriptedHost host(folder);
    frmWendax form(host, folder);
    form.Form_Load();
    auto& document = form.cboMenu;
    auto& preview = form.preview;
    std::mt19937 random(20261208);
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) lines.push_back(randomLine(random));
    document.assignAll(lines);

    for (int step = 0; step < 3000; ++step) {
        const int at = static_cast<int>(random() % (lines.size() + 1));
        const int edit = static_cast<int>(random() % 3);
        if (edit == 0 || lines.size() < 2) {
            lines.insert(lines.begin() + at, randomLine(random));
            document.insert(at, lines[static_cast<std::size_t>(at)]);
        } else if (at < static_cast<int>(lines.size())) {
            if (edit == 1) {
                lines.erase(lines.begin() + at);
                document.remove(at);
            } else {
                lines[static_cast<std::size_t>(at)] = randomLine(random);
                document.replace(at, lines[static_cast<std::size_t>(at)]);
            }
        }
        const int page = static_cast<int>(random() % 14);
        const Walk expected = walkFromTop(lines, page);
        preview.ClearPreview();
        preview.PreviewPage = static_cast<std::int16_t>(page);
        preview.PreviewPageStart = -1;
        preview.RenderPreview();
        ASSERT_EQ(preview.PreviewPage, expected.page) << "step " << step;
        ASSERT_EQ(preview.PreviewPageStart, expected.start) << "step " << step;
        ASSERT_EQ(preview.lblMenuH.caption(), expected.title) << "step " << step;
    }
    fs::remove_all(folder);
}

}  // namespace
