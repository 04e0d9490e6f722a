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
#include "records/RecordsPath.h"
#include "records/RecordsSchema.h"
#include "tests/support/Elements.h"
#include "tests/support/MessageRecorder.h"

// The real main window, started against a fresh records file in a folder of its own,
// with a recorder standing in for the user at every message box.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(RecordsSchema::CreateRecordsFile(RecordsPath::ForThisProgram(), error)) << error.toStdString();
        window = std::make_unique<frmMain>();
        ASSERT_TRUE(window->startupCompleted());
        EXPECT_TRUE(messages.messages().empty()) << "start-up showed a message";
    }

    template <typename T = QWidget>
    T* element(const QString& name) const
    {
        return Element<T>(*window, name);
    }
    QLineEdit* box(const QString& name) const { return element<QLineEdit>(name); }
    QLabel* label(const QString& name) const { return element<QLabel>(name); }
    QString caption(const QString& name) const { return label(name)->text(); }

    void enterInputs(const QString& air, const QString& rh, const QString& conc, const QString& wind)
    {
        box("txtAirTemp")->setText(air);
        box("txtRelativeHumidity")->setText(rh);
        box("txtConcreteTemp")->setText(conc);
        box("txtWindVelocity")->setText(wind);
    }

    // Destroyed in reverse: the window first, then the folder it used.
    QTemporaryDir folder;
    RecordsPath::ScopedProgramFolder programFolder{folder.path()};
    MessageRecorder messages;
    std::unique_ptr<frmMain> window;
};
