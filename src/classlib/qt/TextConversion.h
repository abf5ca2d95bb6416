// Text is bytes in the program; Qt shows QStrings. Bytes are read in the locale's encoding.
#pragma once

#include <QString>
#include <string>

inline QString ToQString(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string FromQString(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
