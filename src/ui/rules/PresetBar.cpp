#include "ui/rules/PresetBar.h"

#include "platform/Prompts.h"
#include "ui/platform/TextBytes.h"

#include <algorithm>
#include <vector>

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

constexpr const char* kCaption = "Rule presets";

const platform::FileFilter kRuleFiles{"Rule files", "*.rules"};

} // namespace

PresetBar::PresetBar(core::RulePresets presets, platform::Prompts& prompts,
                     std::function<std::string()> currentRules, QWidget* parent)
    : QWidget(parent), presets_(std::move(presets)), prompts_(prompts),
      currentRules_(std::move(currentRules)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(u"Preset:"_s, this));
    names_ = new QComboBox(this);
    names_->setObjectName(u"cboPreset"_s);
    names_->setEditable(true);
    names_->setInsertPolicy(QComboBox::NoInsert);
    row->addWidget(names_, 1);
    const std::pair<QString, void (PresetBar::*)()> buttons[] = {
        {u"&Save"_s, &PresetBar::save},
        {u"De&lete"_s, &PresetBar::remove},
        {u"&Import..."_s, &PresetBar::importFile},
        {u"E&xport..."_s, &PresetBar::exportFile},
    };
    for (const auto& [caption, action] : buttons) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(u"btnPreset"_s + QString(caption).remove(u'&').remove(u"..."_s));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
        row->addWidget(button);
    }
    connect(names_, &QComboBox::activated, this, &PresetBar::load);
    reload();
}

void PresetBar::reload() {
    const QString typed = names_->currentText();
    names_->clear();
    for (const std::string& name : presets_.names()) {
        names_->addItem(fromBytes(name));
    }
    names_->setCurrentIndex(-1);
    names_->setEditText(typed);
}

std::string PresetBar::typedName() const {
    return toBytes(names_->currentText());
}

bool PresetBar::checkName(const std::string& name) {
    if (const auto problem = core::RulePresets::nameProblem(name)) {
        prompts_.message({platform::MessageIcon::Warning, kCaption, *problem});
        return false;
    }
    return true;
}

bool PresetBar::mayReplace(const std::string& name) {
    const std::vector<std::string> names = presets_.names();
    if (std::ranges::find(names, name) == names.end()) {
        return true;
    }
    return prompts_.message({platform::MessageIcon::Question,
                             kCaption,
                             "A preset named \"" + name + "\" exists. Replace it?",
                             {platform::MessageButton::Yes, platform::MessageButton::No}}) ==
           platform::MessageButton::Yes;
}

void PresetBar::load(int index) {
    try {
        emit loaded(fromBytes(presets_.load(toBytes(names_->itemText(index)))));
    } catch (const std::exception& error) {
        failed(error);
    }
}

void PresetBar::save() {
    const std::string name = typedName();
    if (!checkName(name)) {
        return;
    }
    try {
        presets_.save(name, currentRules_());
        reload();
    } catch (const std::exception& error) {
        failed(error);
    }
}

void PresetBar::remove() {
    const std::string name = typedName();
    if (!checkName(name)) {
        return;
    }
    try {
        presets_.remove(name);
        names_->setEditText({});
        reload();
    } catch (const std::exception& error) {
        failed(error);
    }
}

void PresetBar::importFile() {
    const auto path = prompts_.openFile({"Import rules", {kRuleFiles}, 0, {}, "rules"});
    if (!path) {
        return;
    }
    const std::string name = core::RulePresets::nameOfFile(*path);
    if (!checkName(name) || !mayReplace(name)) {
        return;
    }
    try {
        presets_.importFile(*path, name);
        names_->setEditText(fromBytes(name));
        reload();
        load(names_->findText(fromBytes(name)));
    } catch (const std::exception& error) {
        failed(error);
    }
}

void PresetBar::exportFile() {
    const std::string name = typedName();
    if (!checkName(name)) {
        return;
    }
    const auto path =
        prompts_.saveFile({"Export rules", {kRuleFiles}, 0, name + ".rules", "rules"});
    if (!path) {
        return;
    }
    try {
        presets_.exportTo(name, *path);
    } catch (const std::exception& error) {
        failed(error);
    }
}

void PresetBar::failed(const std::exception& error) {
    prompts_.message({platform::MessageIcon::Error, kCaption, error.what()});
}

} // namespace harvex2::ui
