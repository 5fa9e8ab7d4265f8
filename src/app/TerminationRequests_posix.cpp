#include "app/TerminationRequests.h"

#include <QSocketNotifier>
#include <QCoreApplication>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{

// The signal handler may only write to a pipe; the event loop reads it.
int SignalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(SignalPipe[1], &byte, 1);
}

} // namespace

void WatchTerminationRequests(std::function<void()> onRequest)
{
    if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [onRequest = std::move(onRequest)]
                     {
                         char drained[16];
                         while (::read(SignalPipe[0], drained, sizeof drained) > 0)
                         {
                         }
                         onRequest();
                     });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}
