#include "ui/shell/LinkPasting.h"

#include "core/extract/SettingsSwitches.h"
#include "ui/shell/AppServices.h"

#include <QMimeData>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

std::optional<std::string> bytesOf(const QMimeData& data, const QString& format) {
    if (!data.hasFormat(format)) {
        return std::nullopt;
    }
    return data.data(format).toStdString();
}

// Chromium names the page in UTF-8, Firefox in UTF-16 with its title on a second line.
std::string pageAddressOf(const QMimeData& data) {
    if (data.hasFormat(u"chromium/x-source-url"_s)) {
        return data.data(u"chromium/x-source-url"_s).trimmed().toStdString();
    }
    const QByteArray utf16 = data.data(u"text/x-moz-url-priv"_s);
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(utf16.constData()), utf16.size() / 2);
    return text.section(u'\n', 0, 0).trimmed().toStdString();
}

} // namespace

// Not hasText(): it also holds for a bare list of URLs.
bool LinkPasting::offersText(const QMimeData& data) {
    return data.hasHtml() || data.hasFormat(u"text/plain"_s);
}

core::OfferedText LinkPasting::offered(const QMimeData& data) {
    return {bytesOf(data, u"text/html"_s), bytesOf(data, u"text/uri-list"_s),
            data.hasFormat(u"text/plain"_s) ? std::optional(data.text().toStdString())
                                            : std::nullopt,
            pageAddressOf(data)};
}

void LinkPasting::paste(const QMimeData& data, AppServices& services) {
    const core::SettingsSwitches switches(*services.settings);
    const core::PastedLinks pasted =
        core::LinkPaste::read(offered(data), core::ReadingChoice::of(*services.settings), switches);
    if (pasted.tooLarge) {
        services.prompts->message({platform::MessageIcon::Error,
                                   "Harvex2",
                                   core::LinkPaste::kTooLarge,
                                   {platform::MessageButton::Ok}});
        return;
    }
    core::LinkPaste::append(pasted, *services.links, *services.statusBar);
}

} // namespace harvex2::ui
