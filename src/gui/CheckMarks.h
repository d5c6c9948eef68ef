#pragma once

#include <QIcon>
#include <QWidget>

class QLabel;

// How the window shows the live result of the menu check: small round marks for the lines with
// findings (red for an error, amber for a warning, neither of them a caption colour), and the
// permanent indicator in the status line.
namespace vostrel::gui {

enum class CheckMark { None, Warning, Error, Fine, Open };

// A mark drawn at `size` pixels; CheckMark::None gives an empty mark of the same size, so that
// marked and unmarked lines keep their text in one column.
QIcon checkMarkIcon(CheckMark mark, int size);

// The status line's indicator: the mark of the worst finding and the result in words.
class CheckStatus : public QWidget {
    Q_OBJECT
public:
    explicit CheckStatus(QWidget* parent = nullptr);
    void setResult(CheckMark mark, const QString& text);
    QString text() const;

private:
    QLabel* icon_ = nullptr;
    QLabel* text_ = nullptr;
    CheckMark mark_ = CheckMark::None;
};

}  // namespace vostrel::gui
