// The check as the window runs it: findings in the interface language, the
// document untouched, and a chosen finding selecting its line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/frmWendax.h"
#include "cli/replay/ScriptedHost.h"

namespace {

namespace fs = std::filesystem;

// "Zeile 2 [lone-lf]" for every row of the findings list: where and which rule.
std::vector<std::string> placesAndRules(const std::vector<std::string>& rows) {
    std::vector<std::string> out;
    for (const auto& row : rows) {
        const auto rule = row.rfind(" [");
        out.push_back(row.substr(0, row.find(':')) + (rule == std::string::npos ? "" : row.substr(rule)));
    }
    return out;
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

class MenuCheckMenu : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder);
        form.Form_Load();
    }
    void TearDown() override { fs::remove_all(folder); }

    // A folder of each test's own: ctest runs the tests side by side, and one that switches the
    // language leaves settings behind that another would read.
    fs::path folder =
        fs::temp_directory_path() / (std::string("vostrel-check-menu-") +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
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

TEST_F(MenuCheckMenu, AnOpenedFileIsJudgedByItsBytesWhileItStillIsTheDocument) {
    // Line 2 ends in a lone LF, the last line has no line end; the lines themselves are fine.
    const std::string bytes =
        "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|\r\nMENUPAGE|TASK_PAGE1|Hauptmen\xFC 1/1|\n"
        "MENUITEM|TASK_ABOUT|\r\nMENUITEM|TASK_PAGE1|";
    const fs::path file = folder / "opened.mnu";
    writeBytes(file, bytes);
    host.queueDialog(file.string());
    ASSERT_TRUE(form.chooseMenuItem("mnuDLaden"));
    ASSERT_EQ(form.cboMenu.count(), 4);
    const std::vector<std::string> fromBytes = {"Zeile 2 [lone-lf]", "Zeile 4 [missing-line-end]"};
    form.mnuECheck_Click();
    EXPECT_EQ(placesAndRules(form.frmWXCheck->rows), fromBytes);

    // Changed on disk since: those bytes are no longer the document, so only its lines count.
    writeBytes(file, bytes + "\nMENUITEM|TASK_ABOUT|");
    form.mnuECheck_Click();
    EXPECT_EQ(form.frmWXCheck->rows, std::vector<std::string>{"Keine Fehler gefunden."});
    writeBytes(file, bytes);
    form.mnuECheck_Click();
    EXPECT_EQ(placesAndRules(form.frmWXCheck->rows), fromBytes);

    // Changed in the editor: the file says nothing about the document any more.
    form.imgWXMenu_Click(35);
    ASSERT_TRUE(form.MenuChanged);
    form.mnuECheck_Click();
    EXPECT_EQ(placesAndRules(form.frmWXCheck->rows),
              std::vector<std::string>{"Zeile 5 [item-after-closing]"});
}

TEST_F(MenuCheckMenu, ItsCaptionFollowsTheLanguageWithAnAccessKeyOfItsOwnInTheExtrasMenu) {
    const vostrel::app::MenuBarEntry* extras = nullptr;
    for (const auto& entry : form.menuBar())
        if (entry.menu == &form.mnuButtons) extras = &entry;
    ASSERT_NE(extras, nullptr);
    for (const auto& [button, caption] :
         {std::pair{7, "&Vérifier Menu"}, std::pair{5, "&Check Menu"}, std::pair{1, "Menü &Prüfen"}}) {
        host.queueAnswer(false);  // keep the menu
        form.cmdWXButton_Click(static_cast<std::int16_t>(button));
        EXPECT_EQ(form.mnuECheck.caption(), caption);
        std::set<int> keys;
        for (const auto* item : extras->items) {
            const auto& text = item->caption();
            const auto amp = text.find('&');
            if (item->separator() || amp == std::string::npos || amp + 1 >= text.size()) continue;
            const auto key = std::tolower(static_cast<unsigned char>(text[amp + 1]));
            EXPECT_TRUE(keys.insert(key).second) << "access key of \"" << text << "\" is taken";
        }
    }
}

TEST_F(MenuCheckMenu, FindingsFollowTheLanguage) {
    host.queueAnswer(false);
    form.cmdWXButton_Click(5);
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
