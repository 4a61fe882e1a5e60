#pragma once

#include <string>

#include <QFile>
#include <QString>

namespace harvex2::ui {

// Texts are bytes in the core; windows show them decoded as UTF-8 and hand typed text
// back encoded the same way.
inline QString fromBytes(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toBytes(const QString& text) {
    return text.toUtf8().toStdString();
}

// File paths go to and from the file system in its own encoding.
inline QString fromPathBytes(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

inline std::string toPathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace harvex2::ui
