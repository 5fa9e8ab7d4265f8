#include "ui/qt/HelpViewerRequest.h"

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
    return QByteArray::number(request.Owner) + '\t' + request.FileAndTopic + '\n';
}

bool ParseHelpViewerRequest(const QByteArray& line, RHelpViewerRequest& request)
{
    const qsizetype tab = line.indexOf('\t');
    if (tab <= 0)
        return false;
    bool isNumber = false;
    const unsigned long long owner = line.left(tab).toULongLong(&isNumber);
    const QByteArray fileAndTopic = line.mid(tab + 1);
    if (!isNumber || fileAndTopic.isEmpty() || HasLineBreak(fileAndTopic))
        return false;
    request = {owner, fileAndTopic};
    return true;
}
