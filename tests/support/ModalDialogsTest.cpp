#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>

#include "tests/support/ModalDialogs.h"

namespace {

// A dialog nobody answers fails the test, named, and is closed, so that exec() returns.
TEST(ModalWatchdog, FailsATestWhoseDialogStaysOpenAndClosesIt)
{
    const ModalWatchdog watchdog(std::chrono::milliseconds(0));
    QMessageBox box(QMessageBox::Question, "Replace?", "Replace the records file?", QMessageBox::Yes | QMessageBox::No);
    box.setObjectName("msgReplace");
    EXPECT_NONFATAL_FAILURE(box.exec(), R"(QMessageBox "msgReplace" titled "Replace?" saying "Replace the records)");
    EXPECT_FALSE(box.isVisible());
}

// An assertion inside the action returns from the action only; the dialog it leaves open
// is closed all the same.
TEST(OnNextDialog, ADialogTheActionLeavesOpenFailsTheTestAndIsClosed)
{
    QDialog dialog;
    dialog.setObjectName("dlgAsked");
    OnNextDialog([](QWidget&) {});
    EXPECT_NONFATAL_FAILURE(dialog.exec(), R"(QDialog "dlgAsked" titled "" left open)");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
