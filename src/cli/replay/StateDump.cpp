// The state dump. Every key is part of the scenario language, so scenarios written today must
// keep reading the same values tomorrow: add keys, never rename them.
#include "cli/replay/StateDump.h"

#include <array>
#include <string_view>

#include "files/Paths.h"

namespace vostrel::cli {

namespace {

using nlohmann::json;

json scrollBar(const controls::ScrollBar& bar) {
    const auto& g = bar.geometry();
    return {{"min", bar.min()},
            {"max", bar.max()},
            {"value", bar.value()},
            {"smallChange", bar.smallChange()},
            {"largeChange", bar.largeChange()},
            {"enabled", bar.enabled()},
            {"left", g.left},
            {"top", g.top},
            {"width", g.width}};
}

json frame(const controls::Frame& f) {
    return {{"caption", f.caption()},
            {"tooltip", f.tooltip()},
            {"visible", f.visible()},
            {"left", f.geometry().left},
            {"top", f.geometry().top}};
}

template <std::size_t N>
json places(const std::array<controls::Image, N>& images) {
    json out = json::array();
    for (const auto& image : images)
        out.push_back({{"visible", image.visible()}, {"tooltip", image.tooltip()}});
    return out;
}

template <std::size_t N>
json captions(const std::array<controls::Label, N>& labels) {
    json out = json::array();
    for (const auto& label : labels) out.push_back(label.caption());
    return out;
}

json vars(const app::frmWendax& form) {
    const auto& p = form.preview;
    return {{"SelectedLine", form.SelectedLine},
            {"PageButtonCount", form.PageButtonCount},
            {"NextPageNumber", form.NextPageNumber},
            {"NextBlockPageNumber", form.NextBlockPageNumber},
            {"BlockTitle", form.BlockTitle},
            {"ButtonCountCheck", form.ButtonCountCheck},
            {"MenuChanged", form.MenuChanged},
            {"MessageText", form.MessageText},
            {"LanguageGerman", form.language.german},
            {"LanguageEnglish", form.language.english},
            {"LanguageFrench", form.language.french},
            {"PreviewPage", p.PreviewPage},
            {"PreviewLastPage", p.PreviewLastPage},
            {"PreviewLinkPage", p.PreviewLinkPage},
            {"PreviewPageStart", p.PreviewPageStart},
            {"SkipPreviewScroll", p.SkipPreviewScroll},
            {"PreviewCommand", p.PreviewCommand},
            {"ProgramFolder", files::pathToText(form.ProgramFolder)},
            {"VersionText", form.VersionText},
            {"MenuFolder", files::pathToText(form.MenuFolder)},
            {"MenuRelativeName", files::pathToText(form.MenuRelativeName)},
            {"CurrentFilePath", files::pathToText(form.CurrentFilePath)}};
}

json menus(const app::frmWendax& form) {
    json out = json::object();
    // Every named menu and item of the menu bar, separators excluded.
    for (const auto* item : form.menuItems())
        out[item->name()] = json{{"caption", item->caption()},
                                 {"checked", item->checked()},
                                 {"enabled", item->enabled()},
                                 {"visible", item->visible()}};
    return out;
}

json buttonField(const catalogue::ButtonField& field, json& state) {
    json tooltips = json::array();
    json labels = json::array();
    for (std::size_t i = 0; i < field.imgWXMenu.size(); ++i) {
        tooltips.push_back(field.imgWXMenu[i].tooltip());
        labels.push_back({{"caption", field.lblWXMenu[i].caption()},
                          {"color", field.lblWXMenu[i].backColour().toString()}});
    }
    state["imgWXMenu"] = std::move(tooltips);
    state["lblWXMenu"] = std::move(labels);
    state["VScroll1"] = scrollBar(field.VScroll1);
    state["Label3"] = field.Label3.caption();
    int shown = -1;
    for (std::size_t page = 0; page < field.Picture1.size(); ++page) {
        if (field.Picture1[page].visible()) {
            shown = static_cast<int>(page);
            break;
        }
    }
    return {{"visible", shown}, {"tooltip", field.Picture1[0].tooltip()}};
}

}  // namespace

json dumpState(const app::frmWendax& form, const ScriptedHost& host, bool running) {
    json state = json::object();
    state["running"] = running;
    state["caption"] = form.form.caption();
    state["width"] = form.form.geometry().width;
    state["height"] = form.form.geometry().height;
    state["document"] = form.cboMenu.entries();
    state["cboMenu"] = {{"listIndex", form.cboMenu.listIndex()},
                        {"text", form.cboMenu.text()},
                        {"tooltip", form.cboMenu.tooltip()},
                        {"enabled", form.cboMenu.enabled()}};
    state["vars"] = vars(form);
    state["settings"] = form.cboWXIni.entries();
    state["cboSprachen"] = {{"rows", form.cboSprachen.entries()}, {"tooltip", form.cboSprachen.tooltip()}};

    json buttons = json::object();
    for (int i : app::frmWendax::kControlButtonIndexes) {
        const auto& b = form.cmdWXButton(i);
        buttons[std::to_string(i)] = {
            {"caption", b.caption()}, {"tooltip", b.tooltip()}, {"enabled", b.enabled()}};
    }
    state["cmdWXButton"] = std::move(buttons);
    state["menu"] = menus(form);
    state["Picture1"] = buttonField(form.field, state);
    state["VScroll2"] = scrollBar(form.VScroll2);
    state["HScroll1"] = scrollBar(form.preview.HScroll1);
    state["frames"] = {{"Frame1", frame(form.preview.Frame1)},
                       {"Frame2", frame(form.Frame2)},
                       {"Frame3", frame(form.preview.Frame3)},
                       {"Frame4", frame(form.Frame4)},
                       {"Frame5", frame(form.Frame5)}};
    const auto& showMenu = form.cmdWXButton(9).geometry();
    state["cmdWXButton9Position"] = {{"left", showMenu.left}, {"top", showMenu.top}};

    const auto& p = form.preview;
    state["preview"] = {{"lblMenuH", p.lblMenuH.caption()}, {"lblMenuQ", p.lblMenuQ.caption()},
                        {"imgMenH", places(p.imgMenH)},     {"lblMenH", captions(p.lblMenH)},
                        {"imgMenQ", places(p.imgMenQ)},     {"lblMenQ", captions(p.lblMenQ)}};

    state["messages"] = host.messages();
    state["dialogs"] = host.dialogs();
    state["frmWXText"] = form.frmWXText
                             ? json{{"caption", form.frmWXText->caption}, {"text", form.frmWXText->text}}
                             : json(nullptr);
    state["frmWXInfo"] = form.frmWXInfo ? json{{"lblInfo", form.frmWXInfo->lblInfo},
                                               {"txtDank", form.frmWXInfo->txtDank},
                                               {"txtInfo", form.frmWXInfo->txtInfo}}
                                        : json(nullptr);
    state["shell"] = host.shell();
    const auto& check = form.checkResult();
    state["check"] = {
        {"errors", check.errors}, {"warnings", check.warnings}, {"open", check.open}, {"lines", check.lines}};
    state["status"] = {{"text", form.passingNote.text}, {"count", form.passingNote.count}};
    return state;
}

}  // namespace vostrel::cli
