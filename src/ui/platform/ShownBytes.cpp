#include "ui/platform/ShownBytes.h"

#include "ui/platform/TextBytes.h"

#include <QComboBox>
#include <QLineEdit>

namespace harvex2::ui {

namespace {

constexpr const char* kBytesProperty = "harvex2ShownBytes";
constexpr const char* kFollowsProperty = "harvex2FollowsPicks";
constexpr int kItemBytesRole = Qt::UserRole;

// The bytes a text was shown from if it is still the text they show, else the text in
// their form.
std::string backToBytes(const QString& text, const std::string& shown) {
    return fromBytes(shown) == text ? shown : toBytes(text, formOf(shown));
}

void remember(QLineEdit& edit, const std::string& bytes) {
    edit.setProperty(kBytesProperty, QByteArray::fromStdString(bytes));
}

} // namespace

void ShownBytes::show(QLineEdit& edit, const std::string& bytes) {
    remember(edit, bytes);
    edit.setText(fromBytes(bytes));
}

std::string ShownBytes::read(const QLineEdit& edit) {
    return backToBytes(edit.text(), edit.property(kBytesProperty).toByteArray().toStdString());
}

void ShownBytes::show(QComboBox& box, const std::string& bytes) {
    if (QLineEdit* edit = box.lineEdit()) {
        show(*edit, bytes);
    }
}

std::string ShownBytes::read(const QComboBox& box) {
    if (const QLineEdit* edit = box.lineEdit()) {
        return read(*edit);
    }
    return box.currentIndex() < 0 ? std::string() : item(box, box.currentIndex());
}

void ShownBytes::addItem(QComboBox& box, const std::string& bytes) {
    followPicks(box);
    box.addItem(fromBytes(bytes), QByteArray::fromStdString(bytes));
}

std::string ShownBytes::item(const QComboBox& box, int index) {
    return backToBytes(box.itemText(index),
                       box.itemData(index, kItemBytesRole).toByteArray().toStdString());
}

// The box copies an entry's text into its edit when the entry becomes current or is
// picked again; the edit must take the entry's bytes with it.
void ShownBytes::followPicks(QComboBox& box) {
    if (box.property(kFollowsProperty).toBool()) {
        return;
    }
    box.setProperty(kFollowsProperty, true);
    QObject::connect(&box, &QComboBox::currentIndexChanged, &box,
                     [&box](int index) { takeItem(box, index); });
    QObject::connect(&box, &QComboBox::activated, &box,
                     [&box](int index) { takeItem(box, index); });
}

void ShownBytes::takeItem(QComboBox& box, int index) {
    if (QLineEdit* edit = box.lineEdit()) {
        remember(*edit, index < 0 ? std::string() : item(box, index));
    }
}

} // namespace harvex2::ui
