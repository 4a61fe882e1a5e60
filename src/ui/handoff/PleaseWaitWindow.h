#pragma once

#include <cstdint>
#include <string>

#include <QWidget>

class QLabel;

namespace harvex2::ui {

// The small window a pass shows while it connects to the download manager.
class PleaseWaitWindow : public QWidget {
    Q_OBJECT
public:
    explicit PleaseWaitWindow(std::int32_t mode, QWidget* parent = nullptr);

    // Shows the window over the middle of `owner`, kept on the owner's screen, and paints it
    // at once: the pass goes on without giving the event loop a turn.
    void showOver(const QWidget& owner);
    // The line is painted at once: the pass goes on without giving the event loop a turn.
    void setStatus(const std::string& status);
    // ReGet's icon for target program 1, aria2's for 3, Net Vampire's otherwise.
    void choosePictures(std::int32_t mode);

private:
    QLabel* addIcon(const char* name, const QPixmap& picture);

    QLabel* netVampireIcon_;
    QLabel* reGetIcon_;
    QLabel* aria2Icon_;
    QLabel* status_;
};

} // namespace harvex2::ui
