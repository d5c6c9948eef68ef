#include "app/frmWendax.h"

#include <algorithm>
#include <stdexcept>

namespace vostrel::app {

namespace {

constexpr int kFormHeight = 8085;
constexpr int kFormWidth = 10580;

}  // namespace

bool frmWendax::controlButtonExists(int index) {
    for (int i : kControlButtonIndexes)
        if (i == index) return true;
    return false;
}

std::size_t frmWendax::controlButtonSlot(int index) {
    if (!controlButtonExists(index)) throw std::out_of_range("cmdWXButton index");
    return static_cast<std::size_t>(index);
}

controls::Button& frmWendax::cmdWXButton(int index) { return controlButtons_[controlButtonSlot(index)]; }

const controls::Button& frmWendax::cmdWXButton(int index) const {
    return controlButtons_[controlButtonSlot(index)];
}

frmWendax::frmWendax(Host& host, std::filesystem::path programFolder)
    : ProgramFolder(std::move(programFolder)), host_(host) {
    form.setGeometry({0, 0, kFormWidth, kFormHeight});
    form.setBackColour(controls::kDarkGreen);

    for (int i : kControlButtonIndexes)
        controlButtons_[static_cast<std::size_t>(i)].setIdentity("cmdWXButton", i);
    cmdWXButton(0).setCaption("Nächste Seite");
    cmdWXButton(0).setTooltip("Nächste Seite");
    cmdWXButton(4).setCaption("Ende Menü");
    cmdWXButton(4).setTooltip("Ende Menü");
    cmdWXButton(9).setCaption("Menü &Zeigen");
    cmdWXButton(10).setCaption("&Einstellungen");
    cmdWXButton(10).setTooltip("Kopf Einstellunsmenü");
    cmdWXButton(3).setCaption("&Hauptmenü");
    cmdWXButton(3).setTooltip("Kopf Hauptmenü");
    cmdWXButton(7).setTooltip("français");
    cmdWXButton(5).setTooltip("english");
    cmdWXButton(1).setTooltip("deutsch");

    // Layout: the button field on the left, the preview on the right, the
    // page-flow buttons, the menu document and the controls below them.
    Frame5.setCaption("Buttons");
    Frame5.setGeometry({30, 5070, 2700, 2250});
    cmdWXButton(0).setGeometry({90, 240, 1260, 870});
    cmdWXButton(4).setGeometry({1380, 240, 1260, 870});
    field.Label3.setGeometry({90, 1170, 2520, 960});
    field.VScroll1.setGeometry({6075, 120, 255, 4875});
    cmdWXButton(9).setGeometry({7560, 4680, 1695, 375});
    cboMenu.setGeometry({2790, 5130, 4170, 2190});
    cboMenu.setTooltip("Wendax.mnu");
    Frame4.setTooltip("Schieben");
    Frame4.setGeometry({7035, 5130, 405, 2190});
    VScroll2.setGeometry({75, 120, 255, 1995});
    VScroll2.initialise(0, 200, 0, 1, 10);
    Frame2.setCaption("Steuerung");
    Frame2.setGeometry({7500, 5130, 2790, 2190});
    cmdWXButton(3).setGeometry({120, 300, 2550, 450});
    cmdWXButton(10).setGeometry({120, 840, 2550, 450});
    cmdWXButton(1).setGeometry({270, 1440, 600, 600});
    cmdWXButton(5).setGeometry({1095, 1440, 600, 600});
    cmdWXButton(7).setGeometry({1920, 1440, 600, 600});
    for (controls::Frame* frame : {&Frame2, &Frame4, &Frame5}) frame->setBackColour(controls::kDarkGreen);
    cboWXIni.setVisible(false);
    cboWXIni.setTooltip("IniDatei");
    cboSprachen.setVisible(false);
    cboSprachen.setTooltip(
        "Zumzum.dat: Befehl  25 incl. Blancs + Beschriftung der Buttons Deutsch 25 incl. Blancs + "
        "Englisch 25 incl. Blancs + Französisch mind. 1 Stelle");

    mnuLeer1.setSeparator(true);
    mnuLeer2.setSeparator(true);
    mnuLeer3.setSeparator(true);
    menuBar_ = {
        {&mnuDatei,
         {&mnuDLaden, &mnuDSichern, &mnuDSpeichern, &mnuLeer2, &mnuDMenuLoesch, &mnuLeer1, &mnuDEnde}},
        {&mnuBearbeiten,
         {&mnuBRueckgaengig, &mnuBWiederherstellen, &mnuLeer3, &mnuBZeileLoesch, &mnuBZeileAendern}},
        {&mnuButtons,
         {&mnuBHochformat, &mnuEButtonSperren, &mnuEPageAuto, &mnuEStandard, &mnuECheck, &mnuEReparieren}},
        {&mnuAnleitung, {}},
        {&mnuFrage, {&mnuInfo, &mnuHistorie}},
    };

    preview.setSources({cboMenu, cboSprachen, field.imgWXMenu, language, NextPageNumber});
    wireChangeHandlers();
    updateUndoItems();
}

namespace {

// `Item` is the menu item, const or not, as the caller may change it or not.
template <class Item>
std::vector<Item*> namedItems(const std::vector<MenuBarEntry>& menuBar) {
    std::vector<Item*> items;
    for (const auto& entry : menuBar) {
        items.push_back(entry.menu);
        for (auto* item : entry.items)
            if (!item->separator()) items.push_back(item);
    }
    return items;
}

template <class Item>
Item* itemNamed(const std::vector<Item*>& items, std::string_view name) {
    const auto it =
        std::find_if(items.begin(), items.end(), [name](Item* item) { return item->name() == name; });
    return it == items.end() ? nullptr : *it;
}

}  // namespace

std::vector<controls::MenuItem*> frmWendax::menuItems() { return namedItems<controls::MenuItem>(menuBar_); }

std::vector<const controls::MenuItem*> frmWendax::menuItems() const {
    return namedItems<const controls::MenuItem>(menuBar_);
}

controls::MenuItem* frmWendax::findMenuItem(std::string_view name) { return itemNamed(menuItems(), name); }

const controls::MenuItem* frmWendax::findMenuItem(std::string_view name) const {
    return itemNamed(menuItems(), name);
}

void frmWendax::setObserver(controls::ControlObserver* observer) {
    form.setObserver(observer);
    for (int i : kControlButtonIndexes) cmdWXButton(i).setObserver(observer);
    for (controls::Control* c : std::initializer_list<controls::Control*>{&Frame2, &Frame4, &Frame5, &cboMenu,
                                                                          &cboWXIni, &cboSprachen, &VScroll2})
        c->setObserver(observer);
    for (const auto& entry : menuBar_) {
        entry.menu->setObserver(observer);
        for (auto* item : entry.items) item->setObserver(observer);
    }
    field.setObserver(observer);
    preview.setObserver(observer);
}

}  // namespace vostrel::app
