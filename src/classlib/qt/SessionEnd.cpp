#include "SessionEnd.h"

#include <QApplication>
#include <QPointer>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may only write to a pipe; the event loop reads the other end.
int stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    static_cast<void>(::write(stopPipe[1], &byte, 1));
}

// One window a turn: the caller of each dialog carries on once it has closed, and may open no
// other. A window that refuses to close ends the attempt.
void CloseOpenDialogs() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, closedLast = QPointer<QWidget>()]() mutable {
                         QWidget* innermost = QApplication::activePopupWidget();
                         if (innermost == nullptr) {
                             innermost = QApplication::activeModalWidget();
                         }
                         if (innermost == nullptr || innermost == closedLast) {
                             timer->deleteLater();
                             return;
                         }
                         closedLast = innermost;
                         innermost->close();
                     });
    timer->start(0);
}

} // namespace

void CloseDialogsWhenTheSessionEnds(QApplication& application) {
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [](QSessionManager&) { CloseOpenDialogs(); });
    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application, [] {
        char byte = 0;
        while (::read(stopPipe[0], &byte, 1) == 1) {
        }
        CloseOpenDialogs();
    });
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(signal, &action, nullptr);
    }
}
