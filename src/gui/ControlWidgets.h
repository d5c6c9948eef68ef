#pragma once

#include <QLabel>
#include <QRect>
#include <QString>

#include "controls/Colour.h"
#include "controls/Control.h"
#include "controls/ScrollBar.h"

class QScrollBar;

namespace vostrel::gui {

// 15 twips make one pixel at 96 dpi; Qt scales the pixels for high-dpi screens.
inline constexpr int kTwipsPerPixel = 15;
int twipsToPixels(int twips);
QRect twipsToRect(const controls::Geometry& geometry);

// The object name of a control's widget: the control's name, with "_index"
// for a member of a control array ("imgWXMenu_36"), so tests and tools can
// find every widget by the name the handlers use.
QString widgetName(const controls::Control& control);

// A caption as a screen reader should say it: the access-key marks gone
// ("&&" stays as one "&") and line breaks read as blanks.
QString spokenCaption(const QString& caption);

// Fills the widget's background with the control's back colour and picks a
// text colour that stays readable on it.
void applyBackColour(QWidget* widget, const controls::Colour& colour);

// Gives the widget the system's colours for good: a palette copied from the
// application would still follow its parent's colours role by role.
void useSystemColours(QWidget* widget);

// Scroll bars of the core allow min > max (the top or left end is always min);
// QScrollBar does not, so such a bar is shown negated.
void applyScrollBar(QScrollBar* widget, const controls::ScrollBar& model);
int scrollValueFromWidget(const controls::ScrollBar& model, int widgetValue);

// A label that reports a left click, the way a picture or label of the
// original toolkit raises its Click event on release.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace vostrel::gui
