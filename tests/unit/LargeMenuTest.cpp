// A menu far longer than any 16-bit line number behaves like a short one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "app/frmWendax.h"
#include "cli/replay/ScriptedHost.h"

namespace {

namespace fs = std::filesystem;
using vostrel::app::frmWendax;
using vostrel::cli::ScriptedHost;

TEST(LargeMenu, ClickingAndMovingWorkFarBeyondSixteenBitLineNumbers) {
    const auto folder = fs::temp_directory_path() / ("vostrel-large-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (const int lines : {70'000, 200'000}) {
        {
            std::ofstream out(folder / "big.mnu", std::ios::binary);
            for (int i = 0; i < lines; ++i) out << "MENUITEM|L" << i << ",B|\r\n";
        }
        ScriptedHost host(folder);
        frmWendax form(host, folder);
        form.Form_Load();
        host.queueDialog("big.mnu");
        form.mnuDLaden_Click();
        ASSERT_EQ(form.cboMenu.count(), lines);
        form.chooseMenuItem("mnuEButtonSperren");  // buttons unlocked
        form.imgWXMenu_Click(63);
        ASSERT_EQ(form.cboMenu.count(), lines + 1);
        EXPECT_EQ(form.cboMenu.listIndex(), lines);
        EXPECT_EQ(form.VScroll2.value(), lines);

        // One step down with the line-moving bar, then a long jump up (ten lines).
        const int from = lines - 5'000;
        form.userSelectsLine(from);
        EXPECT_EQ(form.SelectedLine, from);
        form.userScrolls(form.VScroll2, from + 1);
        EXPECT_EQ(form.cboMenu.entry(from + 1), "MENUITEM|L" + std::to_string(from) + ",B|");
        form.userScrolls(form.VScroll2, 0);
        EXPECT_EQ(form.cboMenu.entry(from - 9), "MENUITEM|L" + std::to_string(from) + ",B|");
        EXPECT_EQ(form.cboMenu.listIndex(), from - 9);
        EXPECT_EQ(form.VScroll2.value(), from - 9);
        EXPECT_TRUE(form.MenuChanged);
    }
    fs::remove_all(folder);
}

}  // namespace
