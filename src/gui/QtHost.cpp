#include "gui/QtHost.h"

#include "gui/ControlWidgets.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPointer>
#include <QTreeView>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace vostrel::gui {

namespace {
constexpr int kInputBoxLeftTwips = 1000;
constexpr int kInputBoxTopTwips = 3000;
// Puts a dialog in the middle of the window it belongs to once it has its
// size. A window manager does this on its own; without one the dialog would
// open at the screen's corner, far from the window that asked.
class CentreOnShow : public QObject {
public:
    CentreOnShow(QWidget* dialog, QWidget* over) : QObject(dialog), over_(over) {
        dialog->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && over_) {
            auto* dialog = static_cast<QWidget*>(watched);
            const QRect frame = over_->window()->frameGeometry();
            dialog->move(frame.center() - dialog->rect().center());
            dialog->removeEventFilter(this);
        }
        return false;
    }

private:
    QPointer<QWidget> over_;
};

void centreOverParent(QWidget* dialog, QWidget* parent) {
    if (parent) new CentreOnShow(dialog, parent);
}

// Qt's own file dialog opens with columns cut at "Size" and "Date Modified".
// It is given room for them in its font, and its columns fit what the
// folder holds once it is read.
void fitFileDialog(QFileDialog& dialog) {
    const QFontMetrics metrics(dialog.font());
    dialog.resize(metrics.averageCharWidth() * 110, metrics.lineSpacing() * 28);
    auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!tree || !model) return;
    QObject::connect(model, &QFileSystemModel::directoryLoaded, tree,
                     [tree] { tree->header()->resizeSections(QHeaderView::ResizeToContents); });
}

}  // namespace

QString displayText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

std::filesystem::path pathFromQString(const QString& name) {
#ifdef _WIN32
    return std::filesystem::path(name.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(name).toStdString());
#endif
}

QString qStringFromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

QString dialogTitle(const std::string& title) {
    return title.empty() ? QString::fromUtf8(app::kApplicationTitle) : QString::fromStdString(title);
}

QStringList nameFiltersOf(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of a name filter; the
        // descriptions usually carry them already ("Dateien (*.mnu)"), and
        // repeating them would show "(*.mnu) (*.mnu)" in the dialog.
        const QString suffix = QLatin1Char('(') + patterns + QLatin1Char(')');
        filters << (description.endsWith(suffix) ? description : description + QLatin1Char(' ') + suffix);
    }
    return filters;
}

void QtHost::prepare() {
    if (beforeModal) beforeModal();
}

app::Answer QtHost::messageBox(const app::MessageRequest& request) {
    prepare();
    QMessageBox box(parent_);
    box.setWindowTitle(dialogTitle(request.title));
    box.setText(displayText(request.text));
    box.setTextFormat(Qt::PlainText);
    if (!request.detail.empty()) box.setInformativeText(displayText(request.detail));
    centreOverParent(&box, parent_);
    switch (request.icon) {
        case app::MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case app::MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
        case app::MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    if (request.buttons == app::MessageButtons::SaveDiscardCancel) {
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        // Closing the box any other way counts as Cancel: nothing is lost by it.
        switch (box.exec()) {
            case QMessageBox::Save: return app::Answer::Save;
            case QMessageBox::Discard: return app::Answer::Discard;
            default: return app::Answer::Cancel;
        }
    }
    if (request.buttons == app::MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        // Closing the box any other way than with Yes counts as No.
        return box.exec() == QMessageBox::Yes ? app::Answer::Yes : app::Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return app::Answer::Ok;
}

std::optional<std::filesystem::path> QtHost::fileDialog(const app::FileDialogRequest& request) {
    prepare();
    QFileDialog dialog(parent_, QString::fromStdString(request.title), qStringFromPath(request.startFolder));
    dialog.setNameFilters(nameFiltersOf(request.filter));
    fitFileDialog(dialog);
    centreOverParent(&dialog, parent_);
    if (request.kind == app::FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The program asks about overwriting itself, in its own words.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.fileName.empty()) dialog.selectFile(qStringFromPath(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return pathFromQString(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

std::string QtHost::inputBox(const std::string& prompt, const std::string& title) {
    prepare();
    QInputDialog dialog(parent_);
    // An input box says only what it is given: no title of its own.
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(displayText(prompt));
    // The program's one input box, the access code, has always stood at a
    // fixed place on the screen rather than over the window.
    const QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen();
    if (screen)
        dialog.move(screen->geometry().topLeft() +
                    QPoint(twipsToPixels(kInputBoxLeftTwips), twipsToPixels(kInputBoxTopTwips)));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

void QtHost::openUrl(const std::string& target) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(target)));
}

}  // namespace vostrel::gui
