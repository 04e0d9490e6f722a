#include "tests/support/ModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QProgressDialog>

#include <algorithm>
#include <exception>

namespace {

constexpr std::chrono::milliseconds LookEvery{100};
constexpr std::chrono::seconds DefaultLimit{10};

std::vector<QPointer<QWidget>> OpenModalWindows()
{
    std::vector<QPointer<QWidget>> open;
    const QWidget* active = QApplication::activeModalWidget();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && (window->isModal() || window->testAttribute(Qt::WA_ShowModal) || window == active))
            open.emplace_back(window);
    }
    return open;
}

// Cancel, as the user would: a progress dialog's work learns of it only from cancel().
void Reject(QWidget& window)
{
    if (auto* progress = qobject_cast<QProgressDialog*>(&window))
        progress->cancel();
    else if (auto* dialog = qobject_cast<QDialog*>(&window))
        dialog->reject();
    else
        window.close();
}

}  // namespace

std::string DescribeDialog(const QWidget& dialog)
{
    std::string described = std::string(dialog.metaObject()->className()) + " \"" + dialog.objectName().toStdString()
                            + "\" titled \"" + dialog.windowTitle().toStdString() + '"';
    if (const auto* box = qobject_cast<const QMessageBox*>(&dialog))
        described += " saying \"" + box->text().toStdString() + '"';
    return described;
}

namespace {

// The call may wait in an event loop of its own before its dialog shows (the keychain's,
// for one): the dialog is looked for again, 10 ms later, until it shows or 3 s have passed.
constexpr int DialogTries = 300;

void ActOnDialog(const std::function<void(QWidget&)>& act, int triesLeft)
{
    QTimer::singleShot(triesLeft == DialogTries ? 0 : 10, qApp, [act, triesLeft] {
        const QPointer<QWidget> dialog = QApplication::activeModalWidget();
        if (!dialog && triesLeft > 0) {
            ActOnDialog(act, triesLeft - 1);
            return;
        }
        if (!dialog) {
            ADD_FAILURE() << "no dialog opened";
            return;
        }
        const std::string described = DescribeDialog(*dialog);
        try {
            act(*dialog);
        } catch (const std::exception& error) {
            ADD_FAILURE() << described << ": " << error.what();
        }
        if (dialog && dialog->isVisible()) {
            ADD_FAILURE() << described << " left open; rejected";
            Reject(*dialog);
        }
    });
}

}  // namespace

void OnNextDialog(const std::function<void(QWidget&)>& act)
{
    ActOnDialog(act, DialogTries);
}

ModalWatchdog::ModalWatchdog(std::chrono::milliseconds limit) : limit_(limit)
{
    clock_.start();
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::look);
    timer_.start(LookEvery);
}

std::chrono::milliseconds ModalWatchdog::LimitFromEnvironment()
{
    bool ok = false;
    const double seconds = qEnvironmentVariable("BRACKMERE_TEST_DIALOG_SECONDS").toDouble(&ok);
    if (!ok || seconds <= 0)
        return DefaultLimit;
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
}

void ModalWatchdog::closeAll(const char* why)
{
    for (const QPointer<QWidget>& window : OpenModalWindows()) {
        if (window)
            failAndClose(*window, why);
    }
    watched_.clear();
}

// A window is timed from when it was first seen open, and a progress dialog from when
// its value last changed.
void ModalWatchdog::look()
{
    const qint64 now = clock_.elapsed();
    std::vector<Watched> stillOpen;
    for (const QPointer<QWidget>& window : OpenModalWindows()) {
        if (!window)
            continue;
        const auto* progress = qobject_cast<const QProgressDialog*>(window.data());
        const int value = progress ? progress->value() : 0;
        const auto seen = std::find_if(watched_.begin(), watched_.end(),
                                       [&](const Watched& watched) { return watched.window == window; });
        const Watched watched = seen != watched_.end() && seen->progress == value ? *seen : Watched{window, now, value};
        if (now - watched.since >= limit_.count())
            failAndClose(*window, "still open after " + QString::number(limit_.count() / 1000.0).toStdString() + " s");
        else
            stillOpen.push_back(watched);
    }
    watched_ = std::move(stillOpen);
}

void ModalWatchdog::failAndClose(QWidget& window, const std::string& why)
{
    ADD_FAILURE() << "modal " << DescribeDialog(window) << ' ' << why << "; closed it";
    Reject(window);
}
