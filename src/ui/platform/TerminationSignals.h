#pragma once

#include <QObject>

class QSocketNotifier;

namespace harvex2::ui {

// Turns SIGTERM, SIGHUP and SIGINT, as a logout or a terminal sends them, into received(),
// emitted from the event loop, so that the program can save and close as its own Exit does.
// The handler only writes a byte to a pipe the event loop watches. One object at a time;
// its end restores the default actions.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    void received();

private:
    void drain();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace harvex2::ui
