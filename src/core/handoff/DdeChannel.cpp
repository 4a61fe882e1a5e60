#include "core/handoff/DdeChannel.h"

#include "core/handoff/PassCalls.h"
#include "core/handoff/PassSteps.h"
#include "platform/DdeClient.h"

#include <utility>

namespace harvex2::core {

using platform::MessageButton;
using platform::MessageIcon;

namespace {

const char* const kCannotConnect = "Cannot Connect to NetVampire.\r\n\r\nMake sure you're using "
                                   "NetVampire 2.41 or higher.\r\nHarvex cannot work with "
                                   "NetVampire 2.4";

} // namespace

std::string DdeChannel::serviceApplication(const std::string& executable) {
    const auto name = executable.find_last_of("/\\");
    const auto dot = executable.rfind('.');
    if (dot == std::string::npos || (name != std::string::npos && dot < name)) {
        return executable;
    }
    return executable.substr(0, dot);
}

std::string DdeChannel::requestItem(const AddingRow& row) {
    // A comma would end the field early and let a link add fields of its own. In a link it
    // becomes "%2C", which web servers read as a comma; a path cannot be written another way,
    // so one holding a comma is left out and Net Vampire picks the place itself.
    std::string item;
    item.reserve(row.url.size() + row.target.size() + 2);
    for (const char c : row.url) {
        item += c == ',' ? std::string_view("%2C") : std::string_view(&c, 1);
    }
    item += ',';
    if (row.target.find(',') == std::string::npos) {
        item += row.target;
    }
    return item + ',';
}

void DdeChannel::start(AddingPassContext& context, const NetVampireLocation& location,
                       std::function<void()> done) {
    done_ = std::move(done);
    // Connecting may start Net Vampire and wait for its service.
    context.calls->run<Conversation>(
        [&client = client_, application = serviceApplication(location.executable)] {
            return Conversation(client.connect(std::string(NetVampireContract::kDdeService),
                                               std::string(NetVampireContract::kDdeTopic),
                                               application));
        },
        [this, &context](Conversation conversation) {
            connected(context, std::move(conversation));
        });
}

void DdeChannel::interrupt() {
    if (conversation_) {
        conversation_->interrupt();
        conversation_.reset();
    }
}

void DdeChannel::connected(AddingPassContext& context, Conversation conversation) {
    if (!conversation) {
        PassSteps::Recover(context, true, kCannotConnect);
        end();
        return;
    }
    conversation_ = std::move(conversation);
    context.window.hidePleaseWait();
    addRow(context, 0);
}

void DdeChannel::end() {
    conversation_.reset();
    std::exchange(done_, {})();
}

void DdeChannel::addRow(AddingPassContext& context, std::size_t row) {
    if (row == context.rows.count()) {
        end();
        return;
    }
    PassSteps::beginRow(context, row);
    context.calls->run<std::optional<std::string>>(
        [conversation = conversation_, item = requestItem(context.rows.at(row))] {
            return conversation->request(item);
        },
        [this, &context, row](std::optional<std::string> reply) { answered(context, row, reply); });
}

void DdeChannel::answered(AddingPassContext& context, std::size_t row,
                          const std::optional<std::string>& reply) {
    if (!reply) {
        context.rows.setStatus(row, "Failed, NV not responding.", RowPicture::Fatal);
        context.prompts.message(
            {MessageIcon::Error, "Harvex2", "Net Vampire is not responding", {MessageButton::Ok}});
        context.rows.setOutcome(row, RowOutcome::Fatal);
        // The window stays open on the row that did not answer.
        context.passEnded = true;
        end();
        return;
    }
    if (reply->empty()) {
        context.rows.setStatus(row, "Added", RowPicture::Added);
        PassSteps::countAdded(context.settings);
    } else {
        refuse(context, row, *reply);
    }
    context.window.setProgressPosition(static_cast<int>(row));
    addRow(context, row + 1);
}

void DdeChannel::refuse(AddingPassContext& context, std::size_t row, const std::string& reply) {
    std::string status = context.rows.at(row).status;
    if (context.settings.mode == TargetProgram::NetVampire3) {
        status = reply;
    } else if (reply.find("Invalid") != std::string::npos) {
        status = "Failed - invalid URL";
    } else if (reply.find("Local file") != std::string::npos) {
        status = "Failed - local file in use";
    }
    context.rows.setStatus(row, std::move(status), RowPicture::Refused);
    context.rows.setOutcome(row, RowOutcome::Refused);
    context.allOk = false;
}

} // namespace harvex2::core
