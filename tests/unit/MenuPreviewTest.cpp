// The preview finds its page through the list's index of numbered lines; it
// must find what a walk from the top finds, for hand-edited lines too, while
// lines come, go and change.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "app/frmWendax.h"
#include "cli/replay/ScriptedHost.h"
#include "menu/LineSyntax.h"
#include "text/LineText.h"

namespace {

using vostrel::menu::pageNumber;
using vostrel::text::charLength;
using vostrel::text::charMid;

TEST(MenuPreview, FindsThePageAsAWalkFromTheTopWhileLinesChange) {
    const auto folder = std::filesystem::temp_directory_path() / "vostrel-preview-index";
    std::filesystem::create_directories(folder);
    vostrel::cli::ScriptedHost host(folder);
    vostrel::app::frmWendax form(host, folder);
    form.Form_Load();
    std::mt19937 random(20261208);
    // Real heads, items and links, and hand-edited lines whose characters
    // 19-20 read a number or none, of lengths around 21 and 22, some with
    // characters of two bytes.
    const auto randomLine = [&random]() -> std::string {
        static const char* numbers[] = {"1|", "7", "9|", "10", "12", "0|", "ab", "", "3x"};
        static const char* tails[] = {"", "|", "ü", "|T", "|Ä1", "|Seite 1/2|"};
        const int n = static_cast<int>(random() % 13);
        switch (random() % 5) {
            case 0: return vostrel::menu::pageHead(n, "Hauptmenü", 1);
            case 1: return vostrel::menu::commandItem("navigate_to");
            case 2: return vostrel::menu::nextPageItem(n);
            default: return std::string(18, 'M') + numbers[random() % 9] + tails[random() % 6];
        }
    };
    std::vector<std::string> lines(40);
    for (auto& line : lines) line = randomLine();
    form.cboMenu.assignAll(lines);
    for (int step = 0; step < 3000; ++step) {
        const auto at = random() % (lines.size() + 1);
        const auto edit = at == lines.size() || lines.size() < 2 ? 0 : random() % 3;
        if (edit == 0)
            form.cboMenu.insert(static_cast<int>(at), *lines.insert(lines.begin() + at, randomLine()));
        if (edit == 1) {
            form.cboMenu.remove(static_cast<int>(at));
            lines.erase(lines.begin() + at);
        }
        if (edit == 2) form.cboMenu.replace(static_cast<int>(at), lines[at] = randomLine());

        // The walk: the first head at or after the page, then any heads in a row.
        int page = static_cast<int>(random() % 14), start = -1;
        bool found = false;
        std::string title;
        auto& preview = form.preview;
        preview.ClearPreview();
        preview.PreviewPage = static_cast<std::int16_t>(page);
        preview.PreviewPageStart = -1;
        const auto report = preview.RenderPreview();
        for (std::size_t i = 1; i < lines.size() && start < 0; ++i) {
            const int number = pageNumber(lines[i]);
            const auto length = charLength(lines[i]);
            if (number != 0 && number >= page && length >= 21) {
                page = number, found = true;
                const std::size_t first = number <= 9 ? 21 : 22;
                if (length >= first) title = charMid(lines[i], first, length - first);
            } else if (found) {
                start = static_cast<int>(i);
            }
        }
        ASSERT_EQ(preview.PreviewPage, page) << "step " << step;
        ASSERT_EQ(preview.PreviewPageStart, start) << "step " << step;
        ASSERT_EQ(preview.lblMenuH.caption(), title) << "step " << step;
        // The drawing says what it found, as the walk does.
        using Outcome = vostrel::preview::FoundPage::Outcome;
        const auto outcome = start >= 0 ? Outcome::Drawn : found ? Outcome::NothingAfter : Outcome::NoHead;
        ASSERT_EQ(report.outcome, outcome) << "step " << step;
        ASSERT_EQ(report.page, page) << "step " << step;
        ASSERT_EQ(report.firstLine, start) << "step " << step;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
