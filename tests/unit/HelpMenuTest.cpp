// The history sits behind an access code; the item is hidden in the menu, so
// only a direct call reaches it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/frmWendax.h"
#include "cli/replay/ScriptedHost.h"
#include "help/HelpTexts.h"

namespace {

namespace fs = std::filesystem;

TEST(HelpMenu, HistoryOpensOnlyForTheUpperCaseCode) {
    const fs::path folder = fs::temp_directory_path() / "vostrel-help-menu-test";
    fs::create_directories(folder);
    vostrel::cli::ScriptedHost host(folder);
    vostrel::app::frmWendax form(host, folder);
    form.Form_Load();

    struct Case {
        std::string entered;
        bool opens;
    };
    const std::string code(vostrel::help::kHistoryAccessCode);
    std::string upper = code;
    for (auto& c : upper) c = static_cast<char>(c - 'a' + 'A');
    for (const Case& c : {Case{code, false}, Case{"", false}, Case{upper + " ", false}, Case{upper, true}}) {
        form.frmWXText.reset();
        host.queueInput(c.entered);
        form.mnuHistorie_Click();
        EXPECT_EQ(form.frmWXText.has_value(), c.opens) << "entered: '" << c.entered << "'";
        if (c.opens) {
            EXPECT_EQ(form.frmWXText->caption, "Historie");
            EXPECT_EQ(form.frmWXText->text.rfind("WX5 Vostrel Historie:\r\n\r\n", 0), 0u);
        }
    }
    // The history replaces a manual that is open, in the same window.
    form.mnuAnleitung_Click();
    host.queueInput(upper);
    form.mnuHistorie_Click();
    EXPECT_EQ(form.frmWXText->caption, "Historie");
    fs::remove_all(folder);
}

TEST(HelpMenu, TextBoxKeepsItsSizeUnlessMinimised) {
    vostrel::help::TextWindow window;
    window.txtWX = {10, 10, 9000, 9000};
    window.Form_Resize(true);
    EXPECT_EQ(window.txtWX.width, 9000);
    window.Form_Resize(false);
    EXPECT_EQ(window.txtWX, (vostrel::controls::Geometry{0, 0, 5535, 3015}));
}

}  // namespace
