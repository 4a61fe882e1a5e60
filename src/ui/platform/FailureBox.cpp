#include "ui/platform/FailureBox.h"

namespace harvex2::ui {

using platform::FailureKind;

namespace {

std::string withFullStop(std::string text) {
    if (text.empty() || text.back() != '.') {
        text += '.';
    }
    return text;
}

} // namespace

platform::MessageRequest FailureBox::requestFor(const platform::Failure& failure) {
    platform::MessageRequest request{platform::MessageIcon::Error, "Harvex2", failure.text};
    switch (failure.kind) {
    case FailureKind::General:
        request.text = withFullStop(failure.text);
        break;
    case FailureKind::File:
        request.text = withFullStop(platform::namedFailure(failure.path, failure.text));
        break;
    case FailureKind::Folder:
    case FailureKind::Connection:
        request.caption = "Error";
        break;
    case FailureKind::Stated:
        break;
    }
    return request;
}

} // namespace harvex2::ui
