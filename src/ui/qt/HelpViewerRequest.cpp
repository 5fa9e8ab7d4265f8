#include "ui/qt/HelpViewerRequest.h"

#include <QList>

namespace
{

bool HasLineBreak(const QByteArray& text)
{
    return text.contains('\n') || text.contains('\r');
}

} // namespace

QByteArray FormatHelpViewerRequest(const RHelpViewerRequest& request)
{
    if (request.FileAndTopic.isEmpty() || HasLineBreak(request.FileAndTopic))
        return {};
    QByteArray head = QByteArray::number(request.Owner);
    if (const QRect& frame = request.OwnerFrame; !frame.isEmpty())
        for (const int value : {frame.x(), frame.y(), frame.width(), frame.height()})
            head += ',' + QByteArray::number(value);
    return head + '\t' + request.FileAndTopic + '\n';
}

bool ParseHelpViewerRequest(const QByteArray& line, RHelpViewerRequest& request)
{
    const qsizetype tab = line.indexOf('\t');
    if (tab <= 0)
        return false;
    const QList<QByteArray> head = line.left(tab).split(',');
    bool isNumber = false;
    const unsigned long long owner = head[0].toULongLong(&isNumber);
    const QByteArray fileAndTopic = line.mid(tab + 1);
    if (!isNumber || fileAndTopic.isEmpty() || HasLineBreak(fileAndTopic) || (head.size() != 1 && head.size() != 5))
        return false;
    QRect frame;
    if (head.size() == 5)
    {
        int values[4] = {};
        for (int i = 0; i < 4; ++i)
        {
            values[i] = head[i + 1].toInt(&isNumber);
            if (!isNumber)
                return false;
        }
        frame = QRect(values[0], values[1], values[2], values[3]);
        if (frame.isEmpty())
            return false;
    }
    request = {owner, fileAndTopic, frame};
    return true;
}
