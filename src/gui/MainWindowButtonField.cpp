// The button field: seven pages of command pictures with their captions. Only
// the page on screen is needed for the first paint, so a page's widgets are
// built when the page is first shown; the models of all its controls exist
// from the start, and a page built later mirrors them as they are by then.
#include <QScrollBar>

#include "catalogue/ButtonPages.h"
#include "gui/CaptionLabel.h"
#include "gui/CommandButton.h"
#include "gui/CommandCaptions.h"
#include "gui/MainWindow.h"

namespace vostrel::gui {

void MainWindow::buildButtonField(QWidget* client) {
    auto& field = form_->field;
    for (int page = 0; page < catalogue::kButtonPageCount; ++page) {
        controls::PictureBox& model = field.Picture1[page];
        // Built before the page widget is made visible, so that the page shows with its buttons.
        pages_[static_cast<std::size_t>(page)] = bind(
            model, new QWidget(client),
            [this, page, &model] {
                if (model.visible()) buildPage(page);
            },
            true);
    }
    // Element 0 stands for no command; it lives on the window, never shown.
    buildCommandButton(0, client);

    // The field is one Tab stop; with no member left to take it, the first button of the page shown.
    auto firstOnShownPage = [this]() -> QWidget* {
        const int first =
            firstFocusableButton(form_->field.shownPage(), [this](int b) { return canFocusButton(b); });
        return first == 0 ? nullptr : commandButtons_[static_cast<std::size_t>(first)];
    };
    tabStops_.push_back(std::make_unique<RovingTabStop>(std::vector<QWidget*>{}, firstOnShownPage));
    commandStop_ = tabStops_.back().get();

    bindScrollBar(field.VScroll1, new QScrollBar(Qt::Vertical, client));
}

void MainWindow::buildPage(int page) {
    bool& built = pageBuilt_[static_cast<std::size_t>(page)];
    if (built) return;
    built = true;
    QWidget* holder = pages_[static_cast<std::size_t>(page)];
    // Tab walks a page in reading order, as the arrow keys do, rather than in
    // the order of the command table; the page's buttons follow its page in
    // the window's focus chain, where they would be had they been built with it.
    const std::vector<int> buttons = buttonsInReadingOrder(page);
    std::vector<QWidget*> members;
    QWidget* previous = holder;
    for (const int button : buttons) {
        buildCommandButton(button, holder);
        QWidget* current = commandButtons_[static_cast<std::size_t>(button)];
        setTabOrder(previous, current);
        previous = current;
        members.push_back(current);
    }
    commandStop_->add(members);

    auto& field = form_->field;
    for (const int button : buttons) {
        mirrors_.find(&field.imgWXMenu[button])->second();
        mirrors_.find(&field.lblWXMenu[button])->second();
    }
}

void MainWindow::buildCommandButton(int i, QWidget* holder) {
    auto& field = form_->field;
    controls::Image& image = field.imgWXMenu[i];
    auto* picture = new CommandButton(holder);
    picture->setGridKeys(true);
    // Drawn when its page is first shown (CommandButton).
    picture->setPictureIndex(i);
    commandButtons_[static_cast<std::size_t>(i)] = picture;
    controls::Label& caption = field.lblWXMenu[i];
    // The picture is what takes the focus; it is named by its caption, or
    // by its command while the captions are empty (no language chosen).
    const auto name = [picture, &caption, &image] { picture->setAccessibleName(spokenName(caption, image)); };
    bind(image, picture, name);
    connect(picture, &ClickableLabel::clicked, this,
            [this, i] { forward([this, i] { form_->userClicksCommandPicture(i); }); });
    connect(picture, &CommandButton::gridStep, this, [this, i](GridStep step) { moveGridFocus(i, step); });
    connect(picture, &CommandButton::pageStep, this, [this](int step) {
        controls::ScrollBar& bar = form_->field.VScroll1;
        forward([this, &bar, step] { form_->userScrolls(bar, bar.value() + step); }, &bar);
    });

    auto* label = new CaptionLabel(holder);
    label->setTextFormat(Qt::PlainText);
    // Set at the window's present zoom: the zoom takes the size it finds, divided by its factor, as the
    // caption's size at factor 1.
    QFont captionFont = font();
    captionFont.setPointSizeF(kCaptionPointSize * zoom_.factor());
    label->setFont(captionFont);
    bind(
        caption, label, [label, &caption, name] { mirrorCaption(label, caption, name); }, true);
    connect(label, &ClickableLabel::clicked, this,
            [this, i] { forward([this, i] { form_->userClicksCommandCaption(i); }); });
    label->setCoveredBy(picture);
    picture->raise();
}

}  // namespace vostrel::gui
