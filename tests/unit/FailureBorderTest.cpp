// Whatever a handler throws stops at the border: the document is back as it was and a
// message in the interface language says what happened.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "app/frmWendax.h"
#include "cli/replay/ScriptedHost.h"

namespace {

using vostrel::app::frmWendax;

TEST(FailureBorder, AFailingHandlerLeavesTheDocumentAsItWasAndSaysSo) {
    vostrel::cli::ScriptedHost host{std::filesystem::path{}};
    frmWendax form(host, {});
    form.Form_Load();  // no settings: German, a main block begun
    form.imgWXMenu_Click(35);
    form.MenuChanged = false;
    const auto before = form.cboMenu.entries();
    const int index = form.cboMenu.listIndex();
    const int selected = form.SelectedLine;
    struct Case {
        const char* what;
        std::function<void()> fail;
        std::string detail;
    };
    const Case cases[] = {
        {"after clicks",
         [&] {
             form.imgWXMenu_Click(36);
             form.imgWXMenu_Click(40);
             throw std::runtime_error("boom");
         },
         "boom"},
        {"after edits",
         [&] {
             form.cboMenu.replace(0, "x");
             form.cboMenu.remove(1);
             form.cboMenu.clear();
             throw std::bad_alloc();
         },
         "out of memory"},
        {"after a reset",
         [&] {
             form.cboMenu.assignAll({"a", "b"});
             form.cboMenu.insert(0, "c");
             throw 7;
         },
         "unknown exception"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        EXPECT_FALSE(form.runGuarded(c.fail)) << c.what;
        EXPECT_EQ(form.cboMenu.entries(), before) << c.what;
        EXPECT_EQ(form.cboMenu.listIndex(), index) << c.what;
        EXPECT_EQ(form.SelectedLine, selected) << c.what;
        EXPECT_FALSE(form.MenuChanged) << c.what;
        const auto& message = host.messages().back();
        EXPECT_EQ(message.at("text"),
                  "Ein unerwarteter Fehler ist aufgetreten. Das Menü bleibt, wie es vor diesem Schritt war.");
        EXPECT_EQ(message.at("detail"), c.detail) << c.what;
        // The undo history heard the way back too: undoing now cannot bring the failed edits back.
        form.mnuBRueckgaengig_Click();
        EXPECT_EQ(form.cboMenu.entries(), before) << c.what;
    }
    EXPECT_TRUE(form.runGuarded([&] { form.imgWXMenu_Click(45); }));
    EXPECT_EQ(form.cboMenu.count(), static_cast<int>(before.size()) + 1);
}

}  // namespace
