#include "ui/platform/TextBytes.h"

#include <array>
#include <optional>

#include <QByteArrayView>
#include <QStringDecoder>

namespace harvex2::ui {

namespace {

// Windows-1252 from 0x80 to 0x9F. The five bytes it leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) keep their own code points, as Windows itself decodes them, so that they
// still come back as the same bytes. Every other byte is its own code point.
constexpr std::array<char16_t, 32> kHighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

constexpr bool isHighControl(unsigned code) {
    return code >= 0x80 && code <= 0x9F;
}

char16_t singleByteChar(unsigned char byte) {
    return isHighControl(byte) ? kHighControls[byte - 0x80u] : char16_t{byte};
}

std::optional<char> singleByte(char16_t c) {
    if (c <= 0xFF && !isHighControl(c)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

QString fromSingleBytes(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        *out++ = QChar(singleByteChar(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::optional<std::string> toSingleBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const std::optional<char> byte = singleByte(c.unicode());
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
    }
    return bytes;
}

// Qt's plain UTF-8 decoding drops a byte order mark at the start; the text keeps it here
// so that it goes back whole.
QString fromUtf8(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0u) == 0x80u;
}

// The end of the first `limit` bytes, moved back to where the character it would split
// begins.
std::size_t characterCut(std::string_view bytes, std::size_t limit) {
    std::size_t cut = limit;
    while (cut > 0 && limit - cut < 3 && isContinuation(bytes[cut])) {
        --cut;
    }
    return cut;
}

} // namespace

TextForm formOf(std::string_view bytes) {
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())).isValidUtf8()
               ? TextForm::Utf8
               : TextForm::SingleByte;
}

QString fromBytes(std::string_view bytes) {
    return formOf(bytes) == TextForm::Utf8 ? fromUtf8(bytes) : fromSingleBytes(bytes);
}

std::string toBytes(const QString& text, TextForm form) {
    if (form == TextForm::SingleByte) {
        // Single bytes that happen to be valid UTF-8 would show as other text next time.
        std::optional<std::string> bytes = toSingleBytes(text);
        if (bytes && fromBytes(*bytes) == text) {
            return std::move(*bytes);
        }
    }
    return text.toStdString();
}

QString shownText(std::string_view bytes) {
    const auto limit = static_cast<std::size_t>(kShownCharacters);
    if (bytes.size() <= limit) {
        return fromBytes(bytes);
    }
    // Only the shown part is decoded: a link of megabytes costs no more than a short one.
    const std::string_view whole = bytes.substr(0, characterCut(bytes, limit));
    QString text =
        formOf(whole) == TextForm::Utf8 ? fromUtf8(whole) : fromSingleBytes(bytes.substr(0, limit));
    text.append(QChar(kElisionMark));
    return text;
}

QString shownLine(std::string_view bytes) {
    QString text = shownText(bytes);
    for (QChar& c : text) {
        switch (c.unicode()) {
        case u'\n':
        case u'\r':
        case u'\v':
        case u'\f':
        case u'\u0085':
        case u'\u2028':
        case u'\u2029':
            c = u' ';
            break;
        default:
            break;
        }
    }
    return text;
}

} // namespace harvex2::ui
