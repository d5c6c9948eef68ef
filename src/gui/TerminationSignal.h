#pragma once

#include <QObject>

class QSocketNotifier;

namespace vostrel::gui {

// Turns SIGTERM, SIGINT and SIGHUP (a session that logs out, a service
// manager, Ctrl+C in a terminal) into a signal on the event loop, so that the
// window can write the recovery file and the settings before the program ends.
// On Windows the end of the session (WM_QUERYENDSESSION, WM_ENDSESSION) takes
// the place of the signals, and the session's end is never held up.
// Create it before the window: a signal that comes before start-up has read
// the settings ends the program at once without writing anything, so the
// user's settings are never replaced by the standard ones; a second signal
// ends it at once too (on Windows the session simply ends the program then).
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
