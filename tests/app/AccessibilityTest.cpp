#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>
#include <QAction>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <algorithm>
#include <map>

#include "outlook/OutlookHours.h"
#include "outlook/frmOutlook.h"
#include "outlook/frmPlanPour.h"
#include "pour/PourReport.h"
#include "pour/frmPourReport.h"
#include "records/RecordsStore.h"
#include "records/frmView.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/RecordsFiles.h"

namespace {

QString AccessibleText(QWidget* widget, QAccessible::Text kind)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QString();
}

using AccessibilityTest = MainWindowFixture;

// The named elements of `window` that Tab reaches, in the order it reaches them from `first`.
QStringList TabWalk(QWidget* window, QWidget* first)
{
    QStringList walked;
    QWidget* at = first;
    do {
        if ((at->focusPolicy() & Qt::TabFocus) && at->isVisibleTo(window) && at->isEnabled()
            && !(qobject_cast<QRadioButton*>(at) && !static_cast<QRadioButton*>(at)->isChecked()))
            walked << at->objectName();
        at = at->nextInFocusChain();
    } while (at != first && walked.size() < 200);
    walked.removeIf([](const QString& name) { return name.isEmpty() || name.startsWith(u"qt_"); });
    return walked;
}

QStringList Unnamed(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool inner = qobject_cast<QAbstractSpinBox*>(widget->parentWidget())
                           || qobject_cast<QComboBox*>(widget->parentWidget());  // named by its owner
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window) && !inner
            && AccessibleText(widget, QAccessible::Name).trimmed().isEmpty())
            unnamed << widget->objectName() + u':' + QString::fromLatin1(widget->metaObject()->className());
    }
    return unnamed;
}

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

// The outlook, Plan a Pour, the pour report and the records viewer name every element Tab
// reaches, and Tab walks each in reading order.
TEST_F(AccessibilityTest, TheOtherWindowsNameTheirElementsInReadingOrder)
{
    RecordsStore store;
    ASSERT_TRUE(OpenStore(store, RecordsPath::ForThisProgram()).empty());
    frmPlanPour plan(QStringLiteral("North yard"), 47.37, 8.54, OutlookSettings{});
    frmPourReport report(PourReport{}, store);
    frmView viewer(store);
    struct Row {
        QWidget* window;
        QString first;
        QStringList walk;
    };
    const Row rows[] = {
        {window->ShowOutlook(), "cboSite",
         QStringList{"cboSite", "txtLatitude", "txtLongitude", "txtForecastDays", "cmdFetch", "cmdServer", "cmdImport",
                     "cmdPaste", "cmdAddHour", "chkEveryReading", "cboSun", "optConcreteOffset", "txtConcrete",
                     "txtWindowHours", "optSafeBelowThreshold", "txtSiteSearch", "cmdFindSite", "cmdPlanPour",
                     "tblHours", "cmdClose"}},
        {&plan, "txtPourSiteSearch",
         QStringList{"txtPourSiteSearch", "cmdPourFindSite", "txtPourSite", "txtPourLatitude", "txtPourLongitude",
                     "dtpPourStart", "dtpPourEnd", "cboPourMix", "txtPourThreshold", "optPourConcreteOffset",
                     "txtPourConcrete"}},
        {&report, "txtSite",
         QStringList{"txtSite", "txtPour", "dtpDate", "txtPreparedBy", "grdMeasures", "txtOtherMeasures", "txtRemarks",
                     "cmdSavePdf", "cmdPrint", "cmdClose"}},
        {&viewer, "cboFilterSite",
         QStringList{"cboFilterSite", "chkFilterDates", "cboShowUnits", "DBGrid1", "cmdImport", "cmdShowDeleted",
                     "cmdPourReports", "chkHeaders", "chkRecID", "cmdExit"}},
    };
    for (const Row& row : rows) {
        row.window->show();
        EXPECT_EQ(Unnamed(row.window).join(u' ').toStdString(), "") << row.window->objectName().toStdString();
        EXPECT_EQ(TabWalk(row.window, row.window->findChild<QWidget*>(row.first)).join(u' ').toStdString(),
                  row.walk.join(u' ').toStdString());
    }
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
