// What a click on a command button costs in the core as the menu grows: the
// preview walks the document, nothing may copy it.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>

#include "TestHost.h"
#include "app/frmWendax.h"
#include "menu/LineSyntax.h"

namespace {

// A hand-edited menu of `lines` lines: 99 pages, the items spread over them.
std::vector<std::string> largeMenu(int lines) {
    std::vector<std::string> document{vostrel::menu::mainBlockHead()};
    const int perPage = std::max(1, lines / 99);
    int page = 1;
    document.push_back(vostrel::menu::pageHead(page, "Hauptmenü", page));
    while (static_cast<int>(document.size()) < lines) {
        if (page < 99 && static_cast<int>(document.size()) % perPage == 0) {
            ++page;
            document.push_back(vostrel::menu::nextPageItem(page));
            document.push_back(vostrel::menu::pageHead(page, "Hauptmenü", page));
        } else {
            document.push_back(vostrel::menu::commandItem("navigate_to"));
        }
    }
    return document;
}

// The started window holding a large menu of `lines` lines.
struct LoadedWindow {
    explicit LoadedWindow(int lines) {
        form.Form_Load();
        form.cboMenu.assignAll(largeMenu(lines));
    }
    static std::filesystem::path folder() {
        auto path = std::filesystem::temp_directory_path() / "vostrel-bench";
        std::filesystem::create_directories(path);
        return path;
    }
    vostrel::testsupport::TestHost host;
    vostrel::app::frmWendax form{host, folder()};
};

void BM_CommandClick(benchmark::State& state) {
    LoadedWindow window(static_cast<int>(state.range(0)));
    auto& form = window.form;
    form.NextPageNumber = 100;
    form.ButtonCountCheck = false;
    form.mnuEButtonSperren.setChecked(false);
    form.mnuEPageAuto.setChecked(false);
    // Each click appends a line; taking it off again (untimed) keeps every
    // iteration at the size the benchmark names instead of letting the
    // document grow by the iteration count.
    const int lines = form.cboMenu.count();
    const auto pageButtons = form.PageButtonCount;
    for (auto _ : state) {
        form.imgWXMenu_Click(35);
        state.PauseTiming();
        if (form.cboMenu.count() <= lines) state.SkipWithError("the click added no line");
        while (form.cboMenu.count() > lines) form.cboMenu.remove(form.cboMenu.count() - 1);
        form.PageButtonCount = pageButtons;
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CommandClick)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity();

// The live check after one change of a hand-edited menu: what the window asks for after an
// event (at idle above its threshold). Every line of the menu is judged again.
void BM_LiveCheck(benchmark::State& state) {
    LoadedWindow window(static_cast<int>(state.range(0)));
    auto& form = window.form;
    const int line = form.cboMenu.count() / 2;
    const std::array<std::string, 2> texts = {form.cboMenu.entry(line), "MENUITEM|TASK_ABOUT|"};
    std::size_t flip = 0;
    for (auto _ : state) {
        form.cboMenu.replace(line, texts[++flip % 2]);
        benchmark::DoNotOptimize(form.checkResult().errors);
    }
}
BENCHMARK(BM_LiveCheck)->Arg(1000)->Arg(200000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
