#pragma once

#include "text/RString.h"

#include <QString>

// Texts cross between the program's own text type and the toolkit's as UTF-8.
inline QString ToQString(const RString& text)
{
    return QString::fromUtf8(text.Text(), text.Length());
}

inline RString ToRString(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return RString(bytes.constData(), static_cast<int>(bytes.size()));
}
