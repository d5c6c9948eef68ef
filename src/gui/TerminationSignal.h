#pragma once

#include <QObject>

class QSocketNotifier;

namespace vostrel::gui {

// Turns SIGTERM and SIGINT (a session that logs out, a service manager, Ctrl+C
// in a terminal) into a signal on the event loop, so that the window closes
// the regular way and the settings are written, instead of the program dying.
class TerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void received();

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vostrel::gui
