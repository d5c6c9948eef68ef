// Termination signals on POSIX systems; the end of a Windows session is taken in
// TerminationSignalWindows.cpp.
#ifndef _WIN32

#include "gui/TerminationSignal.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vostrel::gui {

namespace {

int pipeEnds[2] = {-1, -1};
volatile std::sig_atomic_t settingsRead = 0;
volatile std::sig_atomic_t signalsSeen = 0;
TerminationSignal* installed = nullptr;

constexpr int kEndedBySignal = 128 + SIGTERM;
constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Only async-signal-safe work here: one byte into the pipe, or the end.
void onSignal(int) {
    signalsSeen = signalsSeen + 1;
    if (!settingsRead || signalsSeen > 1) ::_exit(kEndedBySignal);
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(pipeEnds[1], &byte, 1);
}

}  // namespace

TerminationSignal* TerminationSignal::instance() { return installed; }

void TerminationSignal::settingsWereRead() { settingsRead = 1; }

TerminationSignal::TerminationSignal(QObject* parent) : QObject(parent) {
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    installed = this;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (::read(pipeEnds[0], buffer, sizeof buffer) > 0) {
        }
        emit received();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kTerminationSignals) ::sigaction(signal, &action, nullptr);
}

TerminationSignal::~TerminationSignal() {
    for (int signal : kTerminationSignals) std::signal(signal, SIG_DFL);
    if (installed == this) installed = nullptr;
    settingsRead = 0;
    signalsSeen = 0;
}

}  // namespace vostrel::gui

#endif  // !_WIN32
