#include "preview/MenuPreview.h"

#include <stdexcept>

#include "menu/LineSyntax.h"

namespace vostrel::preview {

namespace {

constexpr int kCellTwips = 1200;
constexpr int kPictureHeight = 750;
constexpr int kCaptionTop = 720;
constexpr int kCaptionHeight = 450;
constexpr int kFormWidth = 10580;

// Places run row by row: portrait has two columns, landscape three.
void placeGrid(std::array<controls::Image, kPlaceCount>& pictures,
               std::array<controls::Label, kPlaceCount>& captions, int columns) {
    for (int p = 0; p < kPlaceCount; ++p) {
        const int left = (p % columns) * kCellTwips;
        const int top = (p / columns) * kCellTwips;
        pictures[p].setGeometry({left, top, kCellTwips, kPictureHeight});
        pictures[p].setVisible(false);
        captions[p].setGeometry({left, top + kCaptionTop, kCellTwips, kCaptionHeight});
    }
}

}  // namespace

MenuPreview::MenuPreview() {
    for (int p = 0; p < kPlaceCount; ++p) {
        imgMenH[p].setIdentity("imgMenH", p);
        lblMenH[p].setIdentity("lblMenH", p);
        imgMenQ[p].setIdentity("imgMenQ", p);
        lblMenQ[p].setIdentity("lblMenQ", p);
    }
    placeGrid(imgMenH, lblMenH, 2);
    placeGrid(imgMenQ, lblMenQ, 3);
    Frame3.setCaption("Menü-Hochformat");
    Frame1.setCaption("Menü-Querformat");
    Frame3.setGeometry({7035, 0, 2655, 4335});
    Frame1.setGeometry({6435, 0, 3855, 3225});
    Frame3.setBackColour(controls::kDarkGreen);
    Frame1.setBackColour(controls::kDarkGreen);
    Picture3.setGeometry({120, 600, 2415, 3615});
    Picture2.setGeometry({120, 600, 3615, 2535});
    lblMenuH.setGeometry({120, 240, 2415, 375});
    lblMenuQ.setGeometry({120, 240, 3615, 375});
    HScroll1.initialise(1, 32767, 1, 1, 2);
    HScroll1.setGeometry({7185, 4350, 2415, 255});
}

void MenuPreview::setSources(const PreviewSources& sources) {
    sources_.emplace(sources);
    sources_->document.setKeyFunction([](const std::string& line) { return menu::pageNumber(line); });
}

const PreviewSources& MenuPreview::sources() const {
    if (!sources_) throw std::logic_error("the preview was used before it was given its sources");
    return *sources_;
}

void MenuPreview::setObserver(controls::ControlObserver* observer) {
    for (controls::Control* c : std::initializer_list<controls::Control*>{
             &Frame3, &Frame1, &Picture3, &Picture2, &lblMenuH, &lblMenuQ, &HScroll1})
        c->setObserver(observer);
    for (int p = 0; p < kPlaceCount; ++p) {
        imgMenH[p].setObserver(observer);
        lblMenH[p].setObserver(observer);
        imgMenQ[p].setObserver(observer);
        lblMenQ[p].setObserver(observer);
    }
}

void MenuPreview::ArrangePortrait(controls::Control& form, controls::Control& showMenuButton) {
    Frame3.move(7035, 0);
    Frame3.setVisible(true);
    Frame1.setVisible(false);
    form.setWidth(kFormWidth);
    HScroll1.setGeometry({7185, 4350, 2415, HScroll1.geometry().height});
    showMenuButton.move(7560, 4680);
}

void MenuPreview::ArrangeLandscape(controls::Control& form, controls::Control& showMenuButton) {
    Frame1.move(6435, 0);
    Frame1.setVisible(true);
    Frame3.setVisible(false);
    form.setWidth(kFormWidth);
    HScroll1.setGeometry({6585, 3240, 3615, HScroll1.geometry().height});
    showMenuButton.move(7560, 3570);
}

void MenuPreview::ClearPreview() {
    for (int p = 0; p < kPlaceCount; ++p) {
        imgMenQ[p].setVisible(false);
        lblMenQ[p].setCaption({});
        imgMenH[p].setVisible(false);
        lblMenH[p].setCaption({});
    }
    lblMenuQ.setCaption({});
    lblMenuH.setCaption({});
}

}  // namespace vostrel::preview
