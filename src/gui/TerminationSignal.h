#pragma once

#include <QObject>

class QSocketNotifier;

namespace vostrel::gui {

// Turns SIGTERM, SIGINT and SIGHUP (a session that logs out, a service
// manager, Ctrl+C in a terminal) into a signal on the event loop, so that the
// window can write the recovery file and the settings before the program ends.
// Create it before the window: a signal that comes before start-up has read
// the settings ends the program at once without writing anything, so the
// user's settings are never replaced by the standard ones; a second signal
// ends it at once too.
class TerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

    // The one that is installed, or null.
    static TerminationSignal* instance();
    // From here on a signal is handed to the event loop instead of ending the program.
    static void settingsWereRead();

signals:
    void received();

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vostrel::gui
