// Binding a control of the window model to its widget: the widget is named
// after the control and follows its model (place, enabled, visible, tooltip,
// colours) whenever the model changes; lists and scroll bars also report the
// user's actions back to the core.
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QSignalBlocker>

#include "gui/ControlWidgets.h"
#include "gui/ListBoxModel.h"
#include "gui/MainWindow.h"
#include "gui/QtHost.h"

namespace vostrel::gui {

QWidget* MainWindow::bind(controls::Control& control, QWidget* widget, std::function<void()> mirrorOwn,
                          bool paintsBackColour) {
    widget->setObjectName(widgetName(control));
    zoom_.trackFont(widget);
    mirrors_[&control] = [this, &control, widget, mirrorOwn = std::move(mirrorOwn), paintsBackColour] {
        const QSignalBlocker block(widget);
        widget->setToolTip(displayText(control.tooltip()));
        // Said after the name: for a command picture, its command.
        widget->setAccessibleDescription(displayText(control.tooltip()));
        widget->setEnabled(control.enabled());
        zoom_.place(widget, control.geometry());
        if (paintsBackColour) applyBackColour(widget, control.backColour());
        if (mirrorOwn) mirrorOwn();
        widget->setVisible(control.visible());
    };
    return widget;
}

void MainWindow::bindScrollBar(controls::ScrollBar& bar, QScrollBar* widget) {
    // On the green frames a bar would inherit white arrows meant for captions;
    // the system's colours keep its arrows dark on its light groove.
    useSystemColours(widget);
    bind(bar, widget, [widget, &bar] { applyScrollBar(widget, bar); });
    connect(widget, &QScrollBar::valueChanged, this, [this, &bar](int value) {
        forward([this, &bar, value] { form_->userScrolls(bar, scrollValueFromWidget(bar, value)); }, &bar);
    });
}

void MainWindow::bindList(controls::ListBox& list, QListView* view, QWidget* frame, QLineEdit* edit) {
    auto* model = new ListBoxModel(list, view);
    lists_[&list] = model;
    view->setModel(model);
    // Every row is one line of the same font: the view can place any row by
    // arithmetic instead of measuring a million of them.
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    bind(list, frame, [view, model, edit, &list] {
        // The selection model's signals still reach the view, which repaints
        // the rows concerned; the window's own slot on them runs into the
        // sync in progress and forwards nothing.
        QItemSelectionModel* selection = view->selectionModel();
        if (list.listIndex() < 0) {
            selection->clear();
        } else if (const QModelIndex row = model->index(list.listIndex());
                   selection->currentIndex() != row || !selection->isSelected(row)) {
            selection->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
            view->scrollTo(row);
        }
        if (edit) {
            const QSignalBlocker blockEdit(edit);
            const QString text = QString::fromStdString(list.text());
            if (edit->text() != text) edit->setText(text);
        }
    });
}

}  // namespace vostrel::gui
