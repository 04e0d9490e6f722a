#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <memory>

#include "app/frmMain.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordsFolder.h"

// The real main window, started against a fresh records file in a temporary
// folder, with a recorder standing in for the user at every message box.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        records = std::make_unique<RecordsFolder>(folder.path());
        window = std::make_unique<frmMain>();
        ASSERT_TRUE(window->startupCompleted());
        EXPECT_TRUE(messages.messages().empty()) << "start-up showed a message";
    }

    template <typename T = QWidget>
    T* element(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no element " << name.toStdString();
        return found;
    }
    QLineEdit* box(const QString& name) const { return element<QLineEdit>(name); }
    QLabel* label(const QString& name) const { return element<QLabel>(name); }
    QString caption(const QString& name) const { return label(name)->text(); }

    void enterInputs(const QString& air, const QString& rh, const QString& conc, const QString& wind)
    {
        box(QStringLiteral("txtAirTemp"))->setText(air);
        box(QStringLiteral("txtRelativeHumidity"))->setText(rh);
        box(QStringLiteral("txtConcreteTemp"))->setText(conc);
        box(QStringLiteral("txtWindVelocity"))->setText(wind);
    }

    // Destroyed in reverse: the window first, then the records folder it used.
    QTemporaryDir folder;
    std::unique_ptr<RecordsFolder> records;
    MessageRecorder messages;
    std::unique_ptr<frmMain> window;
};
