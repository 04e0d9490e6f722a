#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <algorithm>
#include <map>

#include "tests/app/MainWindowFixture.h"

namespace {

QString AccessibleText(QWidget* widget, QAccessible::Text kind)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QString();
}

using AccessibilityTest = MainWindowFixture;

// Every element the keyboard can reach tells a screen reader what it is, with the scroll
// bars shown (every reading in range) and hidden.
TEST_F(AccessibilityTest, EveryFocusableElementHasAName)
{
    struct Row {
        const char* name;
        const char* air;
        const char* rh;
        const char* conc;
        const char* wind;
    };
    const Row rows[] = {{"empty boxes", "", "", "", ""}, {"valid readings", "80", "50", "90", "10"}};
    window->show();
    for (const Row& row : rows) {
        enterInputs(row.air, row.rh, row.conc, row.wind);
        int focusable = 0;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(window.get()))
                continue;
            ++focusable;
            EXPECT_FALSE(AccessibleText(widget, QAccessible::Name).trimmed().isEmpty())
                << row.name << ": " << widget->objectName().toStdString();
        }
        EXPECT_GE(focusable, 11) << row.name;
    }
}

// Tab walks the window in reading order: each reading's box and then its scroll bar, the
// threshold choice, then the buttons.
TEST_F(AccessibilityTest, TabFollowsReadingOrder)
{
    window->show();
    enterInputs("80", "50", "90", "10");
    const QStringList expected{"txtAirTemp",      "hsbAirTemp",      "txtRelativeHumidity", "hsbRelativeHumidity",
                               "txtConcreteTemp", "hsbConcreteTemp", "txtWindVelocity",     "hsbWindVelocity",
                               "optDefault",      "cboMix",          "cmdRunNomo",          "cmdSave",
                               "cmdRecords"};
    QStringList walked;
    QWidget* at = box(QStringLiteral("txtAirTemp"));
    for (int i = 0; i < 1000 && walked.size() < expected.size(); ++i, at = at->nextInFocusChain()) {
        if ((at->focusPolicy() & Qt::TabFocus) && at->isVisibleTo(window.get()) && at->isEnabled()
            && !(qobject_cast<QRadioButton*>(at) && !static_cast<QRadioButton*>(at)->isChecked()))
            walked << at->objectName();
    }
    EXPECT_EQ(walked, expected);
}

TEST_F(AccessibilityTest, ScrollBarsAndCellsDescribeThemselves)
{
    enterInputs("80", "50", "90", "10");
    QWidget* bar = element<QScrollBar>(QStringLiteral("hsbAirTemp"));
    EXPECT_EQ(AccessibleText(bar, QAccessible::Description).toStdString(),
              "Sets the air temperature from 40 to 100 °F in steps of 1 °F");

    struct Cell {
        const char* name;
        const char* state;
    };
    // The 0.1 table's first row varies the air temperature, which lies out of range there; the
    // other cells of the row hold their readings.
    ASSERT_EQ(window->calculation().table(ScenarioBlock::May).cell(Input::AirTemp, Input::AirTemp).state,
              CellState::Failed);
    const Cell cells[] = {{"lblAir1(0)", "illegal math or outside valid limits"}, {"lblRH1(0)", "fixed input"}};
    for (const Cell& cell : cells) {
        const QString description = AccessibleText(label(QString::fromLatin1(cell.name)), QAccessible::Description);
        EXPECT_TRUE(description.endsWith(QString::fromLatin1(cell.state))) << description.toStdString();
        EXPECT_TRUE(description.contains(QStringLiteral("for the rate 0.1 lb/ft²/hr"))) << description.toStdString();
    }
    EXPECT_EQ(AccessibleText(label(QStringLiteral("lblRH1(0)")), QAccessible::Name).toStdString(),
              "RH (%) when varying air temperature");
    EXPECT_EQ(AccessibleText(element(QStringLiteral("picRH")), QAccessible::Description).toStdString(),
              "Solution path through Air Temperature 80 °F, Relative Humidity 50 %, Concrete Temperature 90 °F, "
              "Wind Velocity 10 mph to the rate 0.241 lb/ft²/hr");
}

// Save, Records, Print, Outlook and Help each have a key of their own, and no key does two things.
TEST_F(AccessibilityTest, EveryMainActionHasItsOwnKey)
{
    const QStringList keyed{"cmdSave", "cmdRecords", "mnuPrint", "mnuOutlook", "mnuHelpContents"};
    std::map<QString, QString> owners;
    const auto own = [&owners](const QString& name, const QKeySequence& key) {
        if (key.isEmpty())
            return;
        const auto [at, added] = owners.emplace(key.toString(), name);
        EXPECT_TRUE(added) << key.toString().toStdString() << " does both " << at->second.toStdString() << " and "
                           << name.toStdString();
    };
    for (QAction* action : window->findChildren<QAction*>())
        own(action->objectName(), action->shortcut());
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        own(button->objectName(), button->shortcut());
    for (const QString& name : keyed) {
        const bool hasKey = std::any_of(owners.begin(), owners.end(), [&name](const auto& o) { return o.second == name; });
        EXPECT_TRUE(hasKey) << name.toStdString();
    }
}

}  // namespace
