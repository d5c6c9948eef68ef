// Writes the README's picture of the editor: a three-page German menu built
// click by click through the real window, grabbed to a PNG.
//
//   vostrel-screenshot OUTPUT.png [--scale 2] [--landscape] [--language de|en|fr]
//                      [--maximised]
//
// --scale sets QT_SCALE_FACTOR before the application starts, so the window
// draws itself (and its pictures) for a high-dpi screen of that factor.
// --language switches the interface first (the standard is German) and builds
// the same menu in that language. --maximised fills the screen's available
// area, as a maximised window does, so the zoomed layout is seen.
//
//   vostrel-screenshot OUTPUT.png --question de|en|fr [--scale 2]
//
// --question grabs the screen instead while the window asks, in that
// interface language, whether to save the unsaved menu before closing.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <string>

#include "TestHost.h"
#include "app/Host.h"
#include "check/MenuCheck.h"
#include "gui/Artwork.h"
#include "gui/MainWindow.h"

using namespace vostrel;

namespace {

// The build was planned question by question: a notice, or a question beyond the planned
// answers, means the menu did not come out as planned, and a picture of that must not reach
// the README.
bool askedAsPlanned(const testsupport::TestHost& host, std::size_t planned) {
    bool asPlanned = host.queuedAnswers.empty() && host.messages.size() == planned;
    for (const auto& message : host.messages) {
        if (message.buttons == app::MessageButtons::YesNo) continue;
        std::fprintf(stderr, "vostrel-screenshot: unexpected message: %s\n", message.text.c_str());
        asPlanned = false;
    }
    return asPlanned;
}

// A left click the way the mouse gives it, so the window's own handling runs.
void click(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    QApplication::processEvents();
}

class Builder {
public:
    explicit Builder(gui::MainWindow& window) : window_(window) {}

    // Scrolls the button field to the command's page, as a user must, then
    // clicks its picture.
    bool command(int button) {
        return showFieldPage(gui::buttonPage(button)) &&
               clickVisible(QStringLiteral("imgWXMenu_%1").arg(button), button);
    }
    bool showFieldPage(int page) {
        const controls::ScrollBar& model = window_.form().field.VScroll1;
        auto* bar = window_.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
        if (!bar || page < 0) return fail("no such page of the button field", page);
        bar->setValue(model.min() <= model.max() ? page : -page);
        QApplication::processEvents();
        return model.value() == page || fail("the button field did not scroll to page", page);
    }
    bool controlButton(int index) { return clickVisible(QStringLiteral("cmdWXButton_%1").arg(index), index); }

private:
    bool clickVisible(const QString& name, int number) {
        QWidget* widget = window_.findChild<QWidget*>(name);
        if (!widget || !widget->isVisibleTo(&window_) || !widget->isEnabled())
            return fail("cannot click", number, name);
        click(widget);
        return true;
    }
    static bool fail(const char* what, int number, const QString& name = {}) {
        std::fprintf(stderr, "vostrel-screenshot: %s %d %s\n", what, number, qPrintable(name));
        return false;
    }
    gui::MainWindow& window_;
};

int usage() {
    std::fprintf(stderr,
                 "usage: vostrel-screenshot OUTPUT.png [--scale FACTOR] [--landscape] [--language de|en|fr] "
                 "[--maximised] | --question de|en|fr\n");
    return 2;
}

// The window with one unsaved command, closed: the real question box opens,
// and the screen is grabbed while it waits; then the box is cancelled.
int questionShot(const QString& output, const std::string& language) {
    const char* name = language == "en"   ? "English"
                       : language == "fr" ? "Fran\xe7"
                                            "ais"
                                          : "Deutsch";
    QTemporaryDir folder;
    QFile settings(folder.filePath(QStringLiteral("Zumzum.ini")));
    if (!folder.isValid() || !settings.open(QIODevice::WriteOnly)) return 1;
    settings.write(QByteArray("[Initiierung]\r\nSpracheDEF=") + name +
                   "\r\nAutoAblauf=0\r\nT.mnu-path=x\r\nHochformat=1\r\nButtonSper=1\r\nStandardRe=0\r\n"
                   "X=0\r\nX=0\r\nX=0\r\nX=0\r\n");
    settings.close();
    gui::MainWindow window(folder.path(), nullptr);
    window.show();
    QApplication::processEvents();
    Builder build(window);
    if (!build.controlButton(3) || !build.command(35)) return 1;
    bool grabbed = false;
    QTimer::singleShot(500, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) grabbed = QGuiApplication::primaryScreen()->grabWindow(0).save(output, "PNG");
        if (box) box->button(QMessageBox::Cancel)->click();
    });
    window.close();
    if (!grabbed) {
        std::fprintf(stderr, "vostrel-screenshot: no question to grab\n");
        return 1;
    }
    std::printf("%s: the save question in %s\n", qPrintable(output), language.c_str());
    window.exitProcess = {};
    window.form().endAtOnce();
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string output;
    std::string scale;
    bool landscape = false;
    std::string question;
    bool maximised = false;
    int languageButton = 0;  // 0: German, the standard
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--scale" && i + 1 < argc)
            scale = argv[++i];
        else if (argument == "--question" && i + 1 < argc)
            question = argv[++i];
        else if (argument == "--landscape")
            landscape = true;
        else if (argument == "--maximised")
            maximised = true;
        else if (argument == "--language" && i + 1 < argc) {
            const std::string language = argv[++i];
            if (language == "en")
                languageButton = 5;
            else if (language == "fr")
                languageButton = 7;
            else if (language != "de")
                return usage();
        } else if (!argument.empty() && argument[0] != '-' && output.empty())
            output = argument;
        else
            return usage();
    }
    if (output.empty()) return usage();
    if (!scale.empty()) {
        if (std::atof(scale.c_str()) <= 0) return usage();
        // Read once when the application starts; too late after that.
        qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(scale));
    }

    QApplication application(argc, argv);
    if (!question.empty()) return questionShot(QString::fromStdString(output), question);
    // An empty program folder gives the standard settings: German, auto-run
    // on, so the main block starts at once and every fifth command asks
    // whether the block ends.
    QTemporaryDir folder;
    if (!folder.isValid()) return 1;
    std::deque<app::Answer> answers{app::Answer::No, app::Answer::Yes, app::Answer::Yes};
    // Another language asks first whether the begun main block may go.
    if (languageButton != 0) answers.push_front(app::Answer::Yes);
    const std::size_t planned = answers.size();
    testsupport::TestHost host;
    host.queuedAnswers = std::move(answers);
    gui::MainWindow window(folder.path(), &host);
    if (maximised) {
        // Without a window manager nobody maximises; the available area is what it would give.
        window.setGeometry(window.screen()->availableGeometry());
        window.showMaximized();
    } else {
        window.show();
    }
    QApplication::processEvents();

    Builder build(window);
    bool ok = true;
    if (languageButton != 0) {
        ok = build.controlButton(languageButton);
        // Auto-run begins the main block again at once; without it, a click does.
        if (ok && window.form().cmdWXButton(3).enabled()) ok = build.controlButton(3);
    }
    // Main menu, page 1: five commands, then "No, the block goes on".
    for (int button : {35, 39, 64, 61, 81}) ok = ok && build.command(button);
    // Page 2: five more, then "Yes, the main menu ends".
    for (int button : {73, 2, 23, 31, 6}) ok = ok && build.command(button);
    // The settings block on page 3, ended the same way.
    ok = ok && build.controlButton(10);
    for (int button : {62, 44, 52, 53, 58}) ok = ok && build.command(button);
    // Back to the first page of the button field and of the preview.
    ok = ok && build.showFieldPage(0) && build.controlButton(9);
    if (!ok || !askedAsPlanned(host, planned)) {
        std::fprintf(stderr, "vostrel-screenshot: the menu was not built as planned\n");
        return 1;
    }
    if (check::hasErrors(check::checkMenu(window.form().cboMenu.entries()))) {
        std::fprintf(stderr, "vostrel-screenshot: the built menu does not pass the check\n");
        return 1;
    }

    // The landscape frame shows the same page; the menu item switches to it.
    if (landscape) {
        auto* orientation = window.findChild<QAction*>(QStringLiteral("mnuBHochformat"));
        if (!orientation) return 1;
        orientation->trigger();
    }
    QApplication::processEvents();
    if (!window.grabToPng(QString::fromStdString(output))) {
        std::fprintf(stderr, "vostrel-screenshot: cannot write %s\n", output.c_str());
        return 1;
    }
    std::printf("%s: %d lines, %.0f%%\n", output.c_str(), window.form().cboMenu.count(),
                window.devicePixelRatioF() * 100);
    return 0;
}
