#pragma once

#include <string>
#include <string_view>

#include <QFile>
#include <QString>

namespace harvex2::ui {

// How bytes are shown: as UTF-8 when they are valid UTF-8 (the usual encoding of pages
// today), otherwise one Windows-1252 character per byte, which every byte has, so that the
// shown text always maps back to exactly the bytes it came from.
enum class TextForm { Utf8, SingleByte };

// Entries longer than this many characters are shown cut, with kElisionMark at the end:
// laying out megabytes of text for one row would hold the window for seconds.
inline constexpr qsizetype kShownCharacters = 2048;
inline constexpr char16_t kElisionMark = u'\u2026';

TextForm formOf(std::string_view bytes);
QString fromBytes(std::string_view bytes);
// Text typed or edited by the user: in `form` when every character has a byte there,
// otherwise as UTF-8.
std::string toBytes(const QString& text, TextForm form = TextForm::Utf8);
// For display only: at most kShownCharacters characters of the text, visibly elided.
QString shownText(std::string_view bytes);
// shownText for a row of one line: each line break shows as a space, so that an entry
// holding one neither grows its row nor hides the rest of its text. A mark of its own
// would be drawn from whichever font has it, and rows would differ in height again.
QString shownLine(std::string_view bytes);

// File paths go to and from the file system in its own encoding.
inline QString fromPathBytes(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

inline std::string toPathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace harvex2::ui
