#include "bench/BenchSupport.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "catalogue/CommandTable.h"
#include "files/MenuFile.h"
#include "files/Paths.h"
#include "menu/LineSyntax.h"

namespace vostrel::bench {

std::vector<std::string> realisticMenu(int lines) {
    std::vector<std::string> commands;
    for (const std::string& row : catalogue::buildCommandRows()) {
        std::string command = catalogue::rowCommand(row);
        // Page commands are written by the page logic below, not as plain items.
        if (!command.empty() && command.rfind("page", 0) != 0) commands.push_back(std::move(command));
    }
    static constexpr std::array<const char*, 6> kTitles = {
        "Hauptmenü", "Übersicht", "Straßenkarte", "Fußgänger", "Einstellungen für Öl", "Zurück"};
    static constexpr std::array<const char*, 4> kNotes = {
        "MENUITEM|TASK_NAVIGATE_TO|Zuhause Düsseldorf|", "MENUITEM|TASK_SHOW_MAP| ",
        "menuitem|TASK_PLAN_VIA|Über München|", "MENUITEM|TASK_SET_VOICE|Stimme: Jürgen|"};
    std::vector<std::string> menu;
    menu.reserve(static_cast<std::size_t>(lines));
    menu.push_back(menu::mainBlockHead());
    const int perPage = std::max(3, lines / 99);
    int page = 1;
    menu.push_back(menu::pageHead(page, kTitles[0], page));
    std::size_t n = 0;
    while (static_cast<int>(menu.size()) < lines - 1) {
        ++n;
        if (page < 99 && static_cast<int>(menu.size()) >= page * perPage) {
            ++page;
            menu.push_back(menu::nextPageItem(page));
            menu.push_back(
                menu::pageHead(page, kTitles[static_cast<std::size_t>(page) % kTitles.size()], page));
        } else if (n % 7 == 0) {
            menu.push_back(kNotes[n / 7 % kNotes.size()]);
        } else {
            menu.push_back(menu::commandItem(commands[n % commands.size()]));
        }
    }
    menu.push_back(menu::menuEndItem());
    menu.resize(static_cast<std::size_t>(lines));
    return menu;
}

void writeMenu(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::string error;
    if (!files::writeMenuFile(file, lines, error))
        throw std::runtime_error("cannot write " + files::pathToText(file) + ": " + error);
}

long peakRssKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

}  // namespace vostrel::bench
