// Creates one widget per control of the window model, at the model's geometry,
// and the function that mirrors each model into its widget.
#include <QAction>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "gui/Artwork.h"
#include "gui/CaptionLabel.h"
#include "gui/CommandButton.h"
#include "gui/CommandCaptions.h"
#include "gui/ControlWidgets.h"
#include "gui/FixedRowListView.h"
#include "gui/FocusRing.h"
#include "gui/ListBoxModel.h"
#include "gui/MainWindow.h"
#include "gui/QtHost.h"

namespace vostrel::gui {

namespace {

QLabel* captionLabel(QWidget* parent, Qt::Alignment alignment, bool wrap) {
    auto* label = new ClickableLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setWordWrap(wrap);
    return label;
}

}  // namespace

void MainWindow::buildWidgets() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->installEventFilter(this);  // its resizes zoom the layout
    setCentralWidget(client_);
    canvas_ = new QWidget(client_);
    canvas_->setObjectName(QStringLiteral("canvas"));
    setWindowIcon(programIcon());

    buildButtonField(canvas_);
    buildControlArea(canvas_);
    buildPreview(canvas_);
    buildMenuBar();
    // The status line exists from the start, so that its first passing note
    // does not make the window taller.
    statusBar();
    new FocusRing(this);
    buildCheckView();

    controls::Control& form = form_->form;
    mirrors_[&form] = [this, &form] {
        setWindowTitle(QString::fromStdString(form.caption()));
        applyBackColour(client_, form.backColour());
        applyBackColour(canvas_, form.backColour());
        applyFormGeometry();
    };
}

void MainWindow::buildControlArea(QWidget* client) {
    auto frameBox = [this](controls::Frame& frame, QWidget* parent) {
        auto* box = new QGroupBox(parent);
        bind(
            frame, box, [box, &frame] { box->setTitle(displayText(frame.caption())); }, true);
        return box;
    };
    auto controlButton = [this](int index, QAbstractButton* button) {
        controls::Button& model = form_->cmdWXButton(index);
        bind(model, button, [button, &model] {
            button->setText(displayText(model.caption()));
            // The flags have no caption; their tooltip names the language.
            const QString name = spokenCaption(button->text());
            button->setAccessibleName(name.isEmpty() ? displayText(model.tooltip()) : name);
        });
        connect(button, &QAbstractButton::clicked, this,
                [this, index] { forward([this, index] { form_->userClicksControlButton(index); }); });
    };
    auto pictureButton = [&](int index, QWidget* parent, const QPixmap& picture) {
        auto* button = new QToolButton(parent);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(QIcon(picture));
        button->setIconSize(QSize(kControlPictureWidth, kControlPictureHeight));
        QFont small = button->font();
        small.setPointSizeF(8);  // "Nächste Seite" must fit under the picture unclipped
        button->setFont(small);
        controlButton(index, button);
        zoom_.trackIconSize(button);
        return button;
    };
    auto flagButton = [&](int index, QWidget* parent, FlagLanguage language) {
        auto* button = new QPushButton(parent);
        button->setIcon(flagIcon(language));
        button->setIconSize(QSize(kFlagSize, kFlagSize));
        controlButton(index, button);
        zoom_.trackIconSize(button);
    };

    QGroupBox* frame5 = frameBox(form_->Frame5, client);
    QToolButton* nextPage = pictureButton(0, frame5, nextPagePicture(devicePixelRatioF()));
    QToolButton* menuEnd = pictureButton(4, frame5, menuEndPicture(devicePixelRatioF()));
    zoom_.onChange([this, nextPage, menuEnd](qreal factor) {
        // Drawn again for the zoom, in half steps, so that they stay crisp.
        const qreal ratio = devicePixelRatioF() * std::ceil(factor * 2.0) / 2.0;
        nextPage->setIcon(QIcon(nextPagePicture(ratio)));
        menuEnd->setIcon(QIcon(menuEndPicture(ratio)));
    });
    QLabel* pageCaption = captionLabel(frame5, Qt::AlignLeft | Qt::AlignTop, true);
    QFont bold = pageCaption->font();
    bold.setBold(true);
    pageCaption->setFont(bold);
    controls::Label& label3 = form_->field.Label3;
    bind(
        label3, pageCaption, [pageCaption, &label3] { pageCaption->setText(displayText(label3.caption())); },
        true);

    controlButton(9, new QPushButton(client));

    // The menu document: an edit line above a list that is always open.
    auto* menuBox = new QWidget(client);
    auto* layout = new QVBoxLayout(menuBox);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuEdit_ = new QLineEdit(menuBox);
    menuEdit_->setObjectName(QStringLiteral("cboMenu_edit"));
    menuList_ = new FixedRowListView(menuBox);
    menuList_->setObjectName(QStringLiteral("cboMenu_list"));
    layout->addWidget(menuEdit_);
    layout->addWidget(menuList_);
    bindList(form_->cboMenu, menuList_, menuBox, menuEdit_);
    menuList_->viewport()->installEventFilter(this);
    menuEdit_->installEventFilter(this);
    connect(menuList_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                // A mouse press also moves the current row; its click follows on release.
                const int row = current.row();
                if (!listMouseDown_ && row >= 0)
                    forward([this, row] { form_->userSelectsLine(row); }, &form_->cboMenu);
            });
    connect(menuList_, &QListView::clicked, this, [this](const QModelIndex& index) {
        const int row = index.row();
        forward([this, row] { form_->userSelectsLine(row); }, &form_->cboMenu);
    });
    connect(menuEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Typing reaches the core on key release; this is for pasting with the mouse.
        if (editKeyDown_) return;
        const std::string value = text.toStdString();
        forward([this, value] { form_->userTypes(value); }, &form_->cboMenu);
    });

    QGroupBox* frame4 = frameBox(form_->Frame4, client);
    lineScroll_ = new QScrollBar(Qt::Vertical, frame4);
    lineScroll_->setFocusPolicy(Qt::StrongFocus);  // its focus has a handler of its own
    lineScroll_->installEventFilter(this);
    bindScrollBar(form_->VScroll2, lineScroll_);

    QGroupBox* frame2 = frameBox(form_->Frame2, client);
    controlButton(3, new QPushButton(frame2));
    controlButton(10, new QPushButton(frame2));
    flagButton(1, frame2, FlagLanguage::German);
    flagButton(5, frame2, FlagLanguage::English);
    flagButton(7, frame2, FlagLanguage::French);

    // The settings lines and the command table are lists of the window too,
    // never shown but mirrored like the others.
    auto* settings = new QListView(client);
    bindList(form_->cboWXIni, settings, settings, nullptr);
    auto* commands = new QListView(client);
    commands->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    bindList(form_->cboSprachen, commands, commands, nullptr);
}

void MainWindow::buildPreview(QWidget* client) {
    auto& preview = form_->preview;
    auto frame = [&](controls::Frame& model, controls::PictureBox& holderModel, controls::Label& title,
                     std::array<controls::Image, preview::kPlaceCount>& pictures,
                     std::array<controls::Label, preview::kPlaceCount>& captions, bool portrait) {
        auto* box = new QGroupBox(client);
        bind(
            model, box, [box, &model] { box->setTitle(displayText(model.caption())); }, true);
        QLabel* titleLabel = captionLabel(box, Qt::AlignCenter, true);
        bind(
            title, titleLabel, [titleLabel, &title] { titleLabel->setText(displayText(title.caption())); },
            true);
        auto* holder = bind(holderModel, new QWidget(box), {}, true);
        // The places fill rows of as many columns as start at the top.
        const int columns = static_cast<int>(std::count_if(
            pictures.begin(), pictures.end(), [](const auto& image) { return image.geometry().top == 0; }));
        auto places = std::make_shared<std::array<CommandButton*, preview::kPlaceCount>>();
        for (int p = 0; p < preview::kPlaceCount; ++p) {
            controls::Image& image = pictures[p];
            controls::Label& caption = captions[p];
            auto* picture = new CommandButton(holder);
            (*places)[static_cast<std::size_t>(p)] = picture;
            picture->setGridKeys(true);
            connect(picture, &CommandButton::gridStep, this,
                    [this, places, columns, p](GridStep step) { movePlaceFocus(*places, columns, p, step); });
            const auto name = [picture, &caption, &image] {
                picture->setAccessibleName(spokenName(caption, image));
            };
            // Drawn when the place is first shown with its command (CommandButton).
            bind(image, picture, [picture, &image, name] {
                picture->setPictureIndex(image.picture());
                name();
            });
            connect(picture, &ClickableLabel::clicked, this, [this, p, portrait] {
                forward([this, p, portrait] {
                    if (portrait)
                        form_->imgMenH_Click(p);
                    else
                        form_->imgMenQ_Click(p);
                });
            });
            auto* label = new CaptionLabel(holder);
            label->setTextFormat(Qt::PlainText);
            QFont small = label->font();
            small.setPointSizeF(kCaptionPointSize);
            label->setFont(small);
            bind(
                caption, label, [label, &caption, name] { mirrorCaption(label, caption, name); }, true);
            label->setCoveredBy(picture);
            picture->raise();
        }
        tabStops_.push_back(std::make_unique<RovingTabStop>(
            std::vector<QWidget*>(places->begin(), places->end()), [places]() -> QWidget* {
                for (CommandButton* place : *places)
                    if (!place->isHidden() && place->isEnabled()) return place;
                return nullptr;
            }));
    };
    frame(preview.Frame3, preview.Picture3, preview.lblMenuH, preview.imgMenH, preview.lblMenH, true);
    frame(preview.Frame1, preview.Picture2, preview.lblMenuQ, preview.imgMenQ, preview.lblMenQ, false);
    bindScrollBar(preview.HScroll1, new QScrollBar(Qt::Horizontal, client));
}

void MainWindow::buildMenuBar() {
    QMenuBar* bar = menuBar();
    auto bindAction = [this](controls::MenuItem& item, QAction* action) {
        action->setObjectName(QString::fromStdString(item.name()));
        if (!item.shortcut().empty()) {
            action->setShortcuts(QKeySequence::listFromString(QString::fromStdString(item.shortcut()),
                                                              QKeySequence::PortableText));
            shortcutActions_.push_back(action);
            if (&item == &form_->mnuBRueckgaengig || &item == &form_->mnuBWiederherstellen)
                editKeyActions_.push_back(action);
        }
        action->setCheckable(item.checkable());
        mirrors_[&item] = [action, &item] {
            const QSignalBlocker block(action);
            action->setSeparator(item.separator());
            // A separator with text is drawn as a labelled section, "-" and all.
            action->setText(item.separator() ? QString() : QString::fromStdString(item.caption()));
            action->setEnabled(item.enabled());
            action->setVisible(item.visible());
            if (action->isCheckable()) action->setChecked(item.checked());
        };
        const std::string name = item.name();
        connect(action, &QAction::triggered, this,
                [this, &item, name] { forward([this, name] { form_->chooseMenuItem(name); }, &item); });
    };
    for (const app::MenuBarEntry& entry : form_->menuBar()) {
        controls::MenuItem& top = *entry.menu;
        if (entry.items.empty()) {
            // A top-level entry without items is itself the command.
            bindAction(top, bar->addAction(QString::fromStdString(top.caption())));
            continue;
        }
        QMenu* menu = bar->addMenu(QString::fromStdString(top.caption()));
        menu->setObjectName(QString::fromStdString(top.name()));
        mirrors_[&top] = [menu, &top] {
            menu->setTitle(QString::fromStdString(top.caption()));
            menu->setEnabled(top.enabled());
            menu->menuAction()->setVisible(top.visible());
        };
        for (controls::MenuItem* item : entry.items) bindAction(*item, menu->addAction(QString()));
    }
}

}  // namespace vostrel::gui
