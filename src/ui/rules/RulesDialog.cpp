#include "ui/rules/RulesDialog.h"

#include "core/ledger/LedgerKeeper.h"
#include "core/rules/RuleApplication.h"
#include "core/rules/RuleCount.h"
#include "ui/platform/RunDriver.h"
#include "ui/platform/TextBytes.h"
#include "ui/rules/PresetBar.h"
#include "ui/shell/AppServices.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

// Long enough that typing a word counts once, short enough to feel live.
constexpr int kPauseMs = 250;

std::string withThousands(std::size_t number) {
    std::string digits = std::to_string(number);
    for (auto at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, 1, ',');
    }
    return digits;
}

QLabel* wrappingLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

RulesDialog::RulesDialog(AppServices& services, Sources sources, QWidget* parent)
    : QDialog(parent), services_(services), sources_(std::move(sources)) {
    setObjectName(u"frmRules"_s);
    setWindowTitle(u"Select by Rules"_s);
    auto* layout = new QVBoxLayout(this);
    presets_ = new PresetBar(
        core::RulePresets(sources_.presetFolder), *services_.prompts, [this] { return ruleText(); },
        this);
    layout->addWidget(presets_);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(u"txtRules"_s);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlaceholderText(u"+ ext:jpg,png\n- glob:*thumb*"_s);
    layout->addWidget(text_, 1);
    count_ = wrappingLabel(u"lblCount"_s, this);
    decision_ = wrappingLabel(u"lblDecision"_s, this);
    layout->addWidget(count_);
    layout->addWidget(decision_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(u"btnOK"_s);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"btnCancel"_s);
    layout->addWidget(buttons);
    resize(520, 360);

    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMs);
    connect(pause_, &QTimer::timeout, this, &RulesDialog::refresh);
    connect(text_, &QPlainTextEdit::textChanged, pause_, qOverload<>(&QTimer::start));
    connect(presets_, &PresetBar::loaded, text_, &QPlainTextEdit::setPlainText);
    connect(buttons, &QDialogButtonBox::accepted, this, &RulesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RulesDialog::reject);
}

RulesDialog::~RulesDialog() = default;

bool RulesDialog::counting() const {
    return counter_ && counter_->running();
}

std::string RulesDialog::ruleText() const {
    return toBytes(text_->toPlainText());
}

const core::SentLookup* RulesDialog::sent() const {
    return services_.ledger ? &services_.ledger->ledger() : nullptr;
}

void RulesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (services_.ledger) {
        services_.ledger->refresh();
    }
    presets_->reload();
    refresh();
}

void RulesDialog::refresh() {
    pause_->stop();
    counter_.reset();
    auto parsed = core::RuleSet::parse(ruleText());
    if (const auto* error = std::get_if<core::RuleError>(&parsed)) {
        rules_.reset();
        count_->setText(fromBytes(error->message()));
        decision_->clear();
        ok_->setEnabled(false);
        return;
    }
    rules_ = std::make_shared<const core::RuleSet>(std::move(std::get<core::RuleSet>(parsed)));
    ok_->setEnabled(true);
    const std::string base = sources_.base();
    showDecision(*rules_, {base, sent()});
    startCount(base);
}

void RulesDialog::startCount(const std::string& base) {
    counter_ = std::make_unique<RunDriver>();
    const core::LinkList& links = *services_.links;
    auto count = std::make_unique<core::RuleCount>(
        links, rules_, base, sent(), [this, &links](std::size_t selected) {
            count_->setText(fromBytes(withThousands(selected) + " of " +
                                      withThousands(links.count()) + " links selected"));
        });
    counter_->start(std::move(count), {});
}

void RulesDialog::showDecision(const core::RuleSet& rules, const core::RuleContext& context) {
    const auto current = sources_.currentEntry();
    if (!current || *current >= services_.links->count()) {
        decision_->setText(u"No current entry."_s);
        return;
    }
    const std::string_view link = services_.links->textAt(*current);
    decision_->setText(shownLine(link) + u"\n"_s +
                       fromBytes(core::explainDecision(rules, rules.decide(link, context))));
}

void RulesDialog::accept() {
    refresh();
    counter_.reset();
    if (!rules_) {
        return;
    }
    QDialog::accept();
    const std::string base = sources_.base();
    core::applyRules(*services_.links, *rules_, {base, sent()});
}

} // namespace harvex2::ui
