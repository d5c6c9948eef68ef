// The end of the Windows session, handed to the event loop as TerminationSignal::received, the
// same signal a termination signal gives on POSIX systems.
#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>

#include <memory>

#include "gui/TerminationSignal.h"

namespace vostrel::gui {

namespace {

bool settingsRead = false;
bool handedOn = false;
TerminationSignal* installed = nullptr;

// Windows asks every top-level window, Qt's hidden ones among them, whether the session may
// end (WM_QUERYENDSESSION), then says that it ends (WM_ENDSESSION) and ends the process soon
// after, however far it got. So the answer is always yes, given at once and without a
// question; the first of these messages after start-up has read the settings has the window
// write what must survive. Taking the messages here keeps Qt from asking the window as well.
class SessionEndFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override {
        if (type != "windows_generic_MSG" || !message) return false;
        const MSG& msg = *static_cast<const MSG*>(message);
        if (msg.message == WM_QUERYENDSESSION) {
            handOn();
            if (result) *result = TRUE;
            return true;
        }
        if (msg.message == WM_ENDSESSION) {
            if (msg.wParam) handOn();  // FALSE: another program kept the session alive
            if (result) *result = 0;
            return true;
        }
        return false;
    }

private:
    // Before the settings are read there is nothing to write yet, and the process simply ends
    // with the session; the user's settings file stays as it was.
    static void handOn() {
        if (handedOn || !settingsRead || !installed) return;
        handedOn = true;
        emit installed->received();
    }
};

std::unique_ptr<SessionEndFilter> filter;

}  // namespace

TerminationSignal* TerminationSignal::instance() { return installed; }

void TerminationSignal::settingsWereRead() { settingsRead = true; }

TerminationSignal::TerminationSignal(QObject* parent) : QObject(parent) {
    if (!QCoreApplication::instance() || filter) return;
    installed = this;
    filter = std::make_unique<SessionEndFilter>();
    QCoreApplication::instance()->installNativeEventFilter(filter.get());
}

TerminationSignal::~TerminationSignal() {
    if (installed != this) return;
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(filter.get());
    filter.reset();
    installed = nullptr;
    settingsRead = false;
    handedOn = false;
}

}  // namespace vostrel::gui

#endif  // _WIN32
