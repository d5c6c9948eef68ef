// The check as the window runs it: findings in the interface language, the
// document untouched, and a chosen finding selecting its line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/frmWendax.h"
#include "cli/replay/ScriptedHost.h"

namespace {

namespace fs = std::filesystem;

class MenuCheckMenu : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder);
        form.Form_Load();
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder = fs::temp_directory_path() / "vostrel-check-menu-test";
    vostrel::cli::ScriptedHost host{folder};
    vostrel::app::frmWendax form{host, folder};
};

TEST_F(MenuCheckMenu, ABuiltMenuHasNoFaultsAndAHandEditedOneNamesItsLines) {
    // Standard settings: German, auto-run; end the block through the button field.
    form.imgWXMenu_Click(35);
    form.imgWXMenu_Click(37);
    ASSERT_TRUE(form.chooseMenuItem("mnuECheck"));
    ASSERT_TRUE(form.frmWXCheck.has_value());
    EXPECT_EQ(form.frmWXCheck->caption, "Menü prüfen");
    EXPECT_EQ(form.frmWXCheck->rows, std::vector<std::string>{"Keine Fehler gefunden."});
    form.chooseFinding(0);  // names no line: nothing is selected
    EXPECT_EQ(form.cboMenu.listIndex(), 3);

    form.cboMenu.insert(2, " MENUITEM|TASK_PLAN_VIA|");
    form.cboMenu.append("");
    const auto edited = form.cboMenu.entries();
    form.mnuECheck_Click();
    EXPECT_EQ(form.cboMenu.entries(), edited);  // the check never changes the document
    EXPECT_EQ(form.frmWXCheck->shownCount, 2);
    const auto& rows = form.frmWXCheck->rows;
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [](const std::string& r) { return r.rfind("Zeile 3: ", 0) == 0; });
    ASSERT_NE(row, rows.end());
    EXPECT_NE(row->find("[leading-blank]"), std::string::npos) << *row;

    form.chooseFinding(static_cast<int>(row - rows.begin()));
    EXPECT_EQ(form.cboMenu.listIndex(), 2);
    EXPECT_EQ(form.SelectedLine, 2);
    EXPECT_EQ(form.cboMenu.tooltip(), "Pos 3");
}

TEST_F(MenuCheckMenu, FindingsFollowTheLanguageAndTheMenuItemIsCaptioned) {
    host.queueAnswer(false);
    form.cmdWXButton_Click(5);
    EXPECT_EQ(form.mnuECheck.caption(), "&Check Menu");
    form.cboMenu.append("MENUITEM|TASK_NO_SUCH_COMMAND|");
    form.mnuECheck_Click();
    EXPECT_EQ(form.frmWXCheck->caption, "Check menu");
    bool namesTheLine = false;
    for (const auto& row : form.frmWXCheck->rows) namesTheLine |= row.rfind("Line 3: ", 0) == 0;
    EXPECT_TRUE(namesTheLine);
    form.Form_Unload();
    EXPECT_FALSE(form.frmWXCheck.has_value());
}

}  // namespace
