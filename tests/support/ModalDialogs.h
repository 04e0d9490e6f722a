#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A modal window as a failure names it: its class, object name and title.
std::string DescribeDialog(const QWidget& dialog);

// Runs `act` on the modal dialog that the next call opens, as soon as it is shown.
// An assertion in `act` returns from `act` only, and an exception would end in Qt's
// event loop: both fail the test here, and a dialog `act` leaves open is rejected, so
// that the call that opened it returns.
void OnNextDialog(const std::function<void(QWidget&)>& act);

// While it lives, fails the running test for every modal window (dialog, message box,
// progress dialog whose progress stands still) open longer than `limit`, naming it, and
// closes it, so that a dialog nobody answers ends a test instead of hanging the run. It
// looks from the event loop: in exec() of a dialog and in any loop a test waits in.
class ModalWatchdog : public QObject {
public:
    explicit ModalWatchdog(std::chrono::milliseconds limit);
    // BRACKMERE_TEST_DIALOG_SECONDS, or 10 s; a slow build (the sanitizers) may need more.
    static std::chrono::milliseconds LimitFromEnvironment();
    // Fails and closes every modal window still open, however long.
    void closeAll(const char* why);

private:
    struct Watched {
        QPointer<QWidget> window;
        qint64 since;
        int progress;
    };
    void look();
    void failAndClose(QWidget& window, const std::string& why);

    std::chrono::milliseconds limit_;
    QElapsedTimer clock_;
    QTimer timer_;
    std::vector<Watched> watched_;
};

// A watchdog for each test while it runs; a modal window the test leaves open fails it too.
class ModalWatchdogListener : public testing::EmptyTestEventListener {
public:
    explicit ModalWatchdogListener(std::chrono::milliseconds limit) : limit_(limit) {}
    void OnTestStart(const testing::TestInfo&) override { watchdog_.emplace(limit_); }
    void OnTestEnd(const testing::TestInfo&) override
    {
        watchdog_->closeAll("left open when the test ended");
        watchdog_.reset();
    }

private:
    std::chrono::milliseconds limit_;
    std::optional<ModalWatchdog> watchdog_;
};
