// Folder- and path-dependent behaviour of opening and saving, which scenarios
// in a fresh temporary folder cannot state literally.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "app/frmWendax.h"
#include "cli/replay/ScriptedHost.h"
#include "files/Paths.h"
#include "files/Windows1252.h"
#include "FullDisk.h"

namespace {

namespace fs = std::filesystem;
using vostrel::app::frmWendax;
using vostrel::cli::ScriptedHost;
namespace files = vostrel::files;

class MenuFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() / ("vostrel-files-" + std::to_string(std::random_device{}()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        std::ofstream(folder / "Zumzum.ini", std::ios::binary)
            << "[Initiierung]\r\nSpracheDEF=English\r\nAutoAblauf=0\r\nT.mnu-path=/nowhere\r\n"
               "Hochformat=1\r\nButtonSper=1\r\nStandardRe=1\r\nXXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\n"
               "XXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\n";
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

TEST_F(MenuFilesTest, ConfirmedSaveRemembersTheProgramFolderAndShowsThePathTail) {
    ScriptedHost host(folder);
    frmWendax form(host, folder);
    form.Form_Load();
    form.cmdWXButton_Click(3);
    form.imgWXMenu_Click(35);
    const fs::path deep = folder / "a-rather-long-folder-name-for-menus" / "and-another-one-below-it";
    fs::create_directories(deep);
    const std::string chosen = (deep / "Wendax.mnu").string();
    host.queueDialog(chosen);
    EXPECT_EQ(form.FileSaveAs(), frmWendax::SaveResult::Saved);

    EXPECT_EQ(host.dialogs().at(0).at("fileName"),
              files::pathToText(files::pathFromUtf8("/nowhere") / "Wendax.mnu"));
    EXPECT_EQ(form.MenuFolder, folder.string());
    EXPECT_EQ(form.cboWXIni.entry(3), "T.mnu-path=" + folder.string());
    EXPECT_EQ(form.CurrentFilePath, chosen);
    ASSERT_GT(chosen.size(), 65u);
    EXPECT_EQ(form.form.caption(), "WX5 Vostrel V 3.00 ß .." + chosen.substr(chosen.size() - 65));
}

TEST_F(MenuFilesTest, OpenSetsTheRelativeNameThatTheNextSaveProposes) {
    std::ofstream(folder / "sub.mnu", std::ios::binary) << "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|\r\n";
    ScriptedHost host(folder);
    frmWendax form(host, folder);
    form.Form_Load();
    host.queueDialog((folder / "sub.mnu").string());
    form.mnuDLaden_Click();
    const std::string separator(1, fs::path::preferred_separator);
    EXPECT_EQ(form.MenuRelativeName, separator + "sub.mnu");
    const std::string path = (folder / "sub.mnu").string();
    const std::string tail = path.size() > 65 ? path.substr(path.size() - 65) : path;
    EXPECT_EQ(form.form.caption(), "WX5 Vostrel V 3.00 ß .." + tail);

    form.MenuChanged = true;
    host.queueDialog(std::nullopt);
    EXPECT_EQ(form.FileSaveAs(), frmWendax::SaveResult::Cancelled);
    EXPECT_EQ(host.dialogs().at(1).at("fileName"), (folder / "sub.mnu").string());
}

TEST_F(MenuFilesTest, FailedSaveLeavesTheOldFileWholeAndTheMenuUnsaved) {
    const fs::path target = folder / "keep.mnu";
    std::ofstream(target, std::ios::binary) << "OLD\r\n";
    ScriptedHost host(folder);
    frmWendax form(host, folder);
    form.Form_Load();
    form.cmdWXButton_Click(3);
    form.imgWXMenu_Click(35);
    const std::string captionBefore = form.form.caption();
    // The write fails part-way, as on a full disk.
    host.queueDialog(target.string());
    host.queueAnswer(true);
    const auto result = [&] {
        const vostrel::testing::FullDisk full(16);
        EXPECT_TRUE(full.active());
        return form.FileSaveAs();
    }();

    EXPECT_EQ(result, frmWendax::SaveResult::Failed);
    std::ifstream in(target, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "OLD\r\n");
    EXPECT_TRUE(form.MenuChanged);
    EXPECT_EQ(form.form.caption(), captionBefore);
    EXPECT_EQ(host.messages().back().at("text"), "A mistake by writing the file.");
    // Only the target is left in the folder: no temporary file stays behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++files;
    EXPECT_EQ(files, 2);  // Zumzum.ini and keep.mnu
}

// A program folder and menus named with umlauts, other scripts and blanks, as on a Windows
// PC of "C:\Users\Jürgen": the settings are read there and written back, the menu opens and
// saves byte for byte, and the settings name the folder when Windows-1252 can hold its name.
TEST_F(MenuFilesTest, FoldersAndMenusNamedWithAccentsAndBlanksOpenSaveAndKeepSettings) {
    struct Case {
        const char* folder;        // UTF-8
        const char* settingsLine;  // T.mnu-path afterwards, as UTF-8 (empty: the folder's name)
    };
    const Case cases[] = {{"J\xC3\xBCrgen \xC3\xA4", ""},
                          {"Ji\xC5\x99\xC3\xAD \xC5\x99", "T.mnu-path=/nowhere"}};
    const std::string menuBytes = "MENUITEM|TASK_ABOUT|\xDC\r\n";  // Ü in Windows-1252
    for (const auto& c : cases) {
        const fs::path program = folder / files::pathFromUtf8(c.folder);
        fs::create_directories(program);
        fs::copy_file(folder / "Zumzum.ini", program / "Zumzum.ini");
        const fs::path menu = program / files::pathFromUtf8("Men\xC3\xBC \xC5\x99.mnu");
        std::ofstream(menu, std::ios::binary) << menuBytes;
        ScriptedHost host(program);
        frmWendax form(host, program);
        form.Form_Load();
        EXPECT_TRUE(form.language.english) << c.folder;  // the settings were found there
        host.queueDialog(files::pathToText(menu));
        form.mnuDLaden_Click();
        EXPECT_EQ(form.cboMenu.entries(), std::vector<std::string>{"MENUITEM|TASK_ABOUT|\xC3\x9C"});
        host.queueDialog(files::pathToText(menu));
        host.queueAnswer(true);
        form.MenuChanged = true;
        EXPECT_EQ(form.FileSaveAs(), frmWendax::SaveResult::Saved) << c.folder;
        form.Form_Unload();

        std::ifstream saved(menu, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), menuBytes) << c.folder;
        const std::string line =
            *c.settingsLine ? c.settingsLine : "T.mnu-path=" + files::pathToText(program);
        std::ifstream settings(program / "Zumzum.ini", std::ios::binary);
        EXPECT_NE(std::string(std::istreambuf_iterator<char>(settings), {})
                      .find(*files::encodeWindows1252(line) + "\r\n"),
                  std::string::npos)
            << line;
    }
}

#ifndef _WIN32
// On Linux a name is bytes: a program folder and a menu whose names are not UTF-8 open,
// save and keep their settings like any other; shown, the stray byte is U+FFFD, and the
// settings file, which cannot name that folder, keeps its folder line.
TEST_F(MenuFilesTest, NamesThatAreNotUtf8OpenSaveAndKeepTheirSettings) {
    const fs::path program = folder / "caf\xE9";
    fs::create_directories(program);
    fs::copy_file(folder / "Zumzum.ini", program / "Zumzum.ini");
    const fs::path menu = program / "m\xE9nu.mnu";
    std::ofstream(menu, std::ios::binary) << "MENUITEM|TASK_ABOUT|\r\n";
    ScriptedHost host(program);
    frmWendax form(host, program);
    form.Form_Load();
    EXPECT_TRUE(form.language.english);  // the settings were found in that folder
    host.queueDialog(menu.native());
    form.mnuDLaden_Click();
    ASSERT_EQ(form.cboMenu.entries(), std::vector<std::string>{"MENUITEM|TASK_ABOUT|"});
    EXPECT_EQ(form.CurrentFilePath, menu);
    EXPECT_NE(form.form.caption().find("caf\xEF\xBF\xBD/m\xEF\xBF\xBDnu.mnu"), std::string::npos);
    EXPECT_EQ(form.cboWXIni.entry(3), "T.mnu-path=/nowhere");

    form.imgWXMenu_Click(35);
    host.queueDialog(menu.native());
    host.queueAnswer(true);
    EXPECT_EQ(form.FileSaveAs(), frmWendax::SaveResult::Saved);
    form.Form_Unload();
    std::ifstream saved(menu, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}).substr(0, 22),
              "MENUITEM|TASK_ABOUT|\r\n");
    std::ifstream settings(program / "Zumzum.ini", std::ios::binary);
    EXPECT_NE(std::string(std::istreambuf_iterator<char>(settings), {}).find("T.mnu-path=/nowhere\r\n"),
              std::string::npos);
    EXPECT_EQ(host.messages().size(), 1U) << host.messages().dump();  // only "overwrite?"
}
#endif

}  // namespace
