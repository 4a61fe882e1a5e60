#include "ui/shell/ListUndo.h"

#include "core/shell/LinkList.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QEvent>

namespace harvex2::ui {

namespace {

core::UndoHistory::KeepAsking askThrough(platform::Prompts* prompts) {
    return [prompts](std::size_t bytes) {
        if (!prompts) {
            return true;
        }
        const std::string megabytes = std::to_string(bytes >> 20);
        return prompts->message({platform::MessageIcon::Question,
                                 "Harvex2",
                                 "Keeping this change undoable takes " + megabytes +
                                     " MB of memory. Keep it undoable?",
                                 {platform::MessageButton::Yes, platform::MessageButton::No}}) ==
               platform::MessageButton::Yes;
    };
}

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

ListUndo::ListUndo(core::LinkList& links, platform::Prompts* prompts, QObject* parent)
    : QObject(parent), links_(links), history_(askThrough(prompts)) {
    links_.setHistory(&history_);
    QCoreApplication::instance()->installEventFilter(this);
}

bool ListUndo::eventFilter(QObject* watched, QEvent* event) {
    if (isUserInput(event->type())) {
        history_.endChange();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace harvex2::ui
