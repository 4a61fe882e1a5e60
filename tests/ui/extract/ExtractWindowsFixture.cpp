#include "ExtractWindowsFixture.h"

#include "support/core/TempFolder.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

namespace harvex2::test {

using ui::WindowSlot;

void ExtractWindowsFixture::SetUp() {
    MainWindowFixture::SetUp();
    createWindows();
}

std::vector<ui::WindowEntry> ExtractWindowsFixture::programEntries() {
    std::vector<ui::WindowEntry> entries;
    for (const ui::WindowEntry& entry : ui::WindowCatalog::programWindows()) {
        if (entry.slot == WindowSlot::BaseUrlPrompt || entry.slot == WindowSlot::ParseHtml ||
            entry.slot == WindowSlot::MultipleSetup || entry.slot == WindowSlot::MultipleProgress) {
            entries.push_back(entry);
        }
    }
    return entries;
}

void ExtractWindowsFixture::createWindows(std::vector<ui::WindowEntry> entries) {
    entries_ = std::move(entries);
    catalog = std::make_unique<ui::WindowCatalog>(entries_);
    services.windows = catalog.get();
    for (const ui::WindowEntry& entry : entries_) {
        catalog->create(entry, services);
    }
    prompt = qobject_cast<ui::BaseUrlPrompt*>(catalog->window(WindowSlot::BaseUrlPrompt));
    parseHtml = qobject_cast<ui::ParseHtmlDialog*>(catalog->window(WindowSlot::ParseHtml));
    setup = qobject_cast<ui::MultipleSetupDialog*>(catalog->window(WindowSlot::MultipleSetup));
    progress =
        qobject_cast<ui::MultipleProgressWindow*>(catalog->window(WindowSlot::MultipleProgress));
    ASSERT_TRUE(prompt && parseHtml && setup && progress);
}

std::string ExtractWindowsFixture::page(const std::string& name, const std::string& html) const {
    const std::string path = env.folder() + "/" + name;
    TempFolder::write(path, html);
    return path;
}

std::vector<std::string> ExtractWindowsFixture::links() const {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < services.links->count(); ++i) {
        EXPECT_FALSE(services.links->checkedAt(i)) << i;
        texts.emplace_back(services.links->textAt(i));
    }
    return texts;
}

bool ExtractWindowsFixture::drop(const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent dropped(QPointF(50, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &dropped);
    return dropped.isAccepted();
}

void ExtractWindowsFixture::waitForParses(const std::function<bool()>& done) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !parseHtml->isRunning() && done(); }, 10'000));
}

QList<QUrl> ExtractWindowsFixture::files(const std::vector<std::string>& paths) {
    QList<QUrl> urls;
    for (const std::string& path : paths) {
        urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    return urls;
}

} // namespace harvex2::test
