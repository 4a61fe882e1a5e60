#pragma once

#include <QObject>

class QTabBar;

namespace harvex2::ui {

// Lights up the heading of the tab under the mouse in the highlight colour.
class HotTabs : public QObject {
    Q_OBJECT
public:
    explicit HotTabs(QTabBar& bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void light(int hot);

    QTabBar& bar_;
    int hot_ = -1;
};

} // namespace harvex2::ui
