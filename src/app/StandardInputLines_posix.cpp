#include "app/StandardInputLines.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace
{

struct LineReader
{
    std::function<void(const QByteArray&)> OnLine;
    std::function<void()> OnEnd;
    qsizetype MaxLine;
    QByteArray Pending;
    bool Overlong = false;

    void Take(const char* bytes, qsizetype count)
    {
        for (qsizetype at = 0; at < count;)
        {
            const char* newline = static_cast<const char*>(std::memchr(bytes + at, '\n', count - at));
            const qsizetype end = newline == nullptr ? count : newline - bytes;
            if (!Overlong && Pending.size() + (end - at) <= MaxLine)
                Pending.append(bytes + at, end - at);
            else
            {
                Overlong = true;
                Pending.clear();
            }
            if (newline == nullptr)
                return;
            if (!Overlong)
                OnLine(Pending);
            Pending.clear();
            Overlong = false;
            at = end + 1;
        }
    }
};

} // namespace

void WatchStandardInputLines(std::function<void(const QByteArray&)> onLine, std::function<void()> onEnd,
                             qsizetype maxLine)
{
    // Non-blocking, so that one wake-up reads what is there and no more.
    ::fcntl(STDIN_FILENO, F_SETFL, ::fcntl(STDIN_FILENO, F_GETFL) | O_NONBLOCK);
    auto* reader = new LineReader{std::move(onLine), std::move(onEnd), maxLine, {}, false};
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QObject::destroyed, [reader] { delete reader; });
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [reader, notifier]
    {
        char buffer[4096];
        for (;;)
        {
            const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (got > 0)
            {
                reader->Take(buffer, got);
                continue;
            }
            if (got < 0 && (errno == EINTR))
                continue;
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;
            // The end of input, or input that cannot be read any more.
            notifier->setEnabled(false);
            reader->OnEnd();
            return;
        }
    });
}
