#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>

#include "outlook/PlannedPoursPanel.h"
#include "outlook/SiteSearch.h"
#include "outlook/frmOutlook.h"
#include "records/RecordsStore.h"
#include "settings/Settings.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalDialogs.h"
#include "tests/watch/WatchServer.h"

namespace {

class PlannedPoursWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Settings::SetGeocodingServer(geocoding.base);
        outlook = window->ShowOutlook();
    }
    // Finds "Zurich" in a search box and chooses the match.
    static void Find(QWidget& in, const QString& prefix)
    {
        Element<QLineEdit>(in, "txt" + prefix + "SiteSearch")->setText("Zurich");
        Element<QPushButton>(in, "cmd" + prefix + "FindSite")->click();
        auto* matches = Element<QListWidget>(in, "lst" + prefix + "SiteMatches");
        ASSERT_TRUE(QTest::qWaitFor([matches] { return matches->count() == 1; }, 5000));
        EXPECT_EQ(matches->item(0)->text(), "Zurich, Switzerland (47.3667, 8.5500)");
        emit matches->itemActivated(matches->item(0));
    }

    JsonServer geocoding{[](const QString& path, const QUrlQuery& query) -> QByteArray {
        if (path != "/v1/search" || query.queryItemValue("name") != "Zurich")
            return {};
        return R"({"results":[{"name":"Zurich","admin1":"Zurich","country":"Switzerland","latitude":47.36667,)"
               R"("longitude":8.55,"timezone":"Europe/Zurich"}]})";
    }};
    frmOutlook* outlook = nullptr;
};

// A site found by name fills the forecast's site; a pour planned there is kept in the
// records with the site's zone and listed with its state, the next one named.
TEST_F(PlannedPoursWindowTest, APourPlannedAtASiteFoundByNameIsListed)
{
    Find(*outlook, "");
    EXPECT_EQ(element<QComboBox>("cboSite")->currentText(), "Zurich, Switzerland");
    EXPECT_EQ(box("txtLatitude")->text(), "47.3667");
    EXPECT_EQ(element<QLabel>("lblNextPour")->text(), "No pour is planned.");

    const QDate tomorrow = QDate::currentDate().addDays(1);
    OnNextDialog([&](QWidget& dialog) {
        EXPECT_EQ(Element<QLineEdit>(dialog, "txtPourSite")->text(), "Zurich, Switzerland");
        Find(dialog, "Pour");
        EXPECT_EQ(Element<QLabel>(dialog, "lblPourZone")->text(), "Europe/Zurich");
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        Element<QDateTimeEdit>(dialog, "dtpPourStart")->setDateTime(QDateTime(tomorrow, QTime(12, 0)));
        Element<QDateTimeEdit>(dialog, "dtpPourEnd")->setDateTime(QDateTime(tomorrow, QTime(7, 0)));
        ok->click();
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(messages.messages()[0].text, "The pour's end must come after its start.");
        EXPECT_TRUE(dialog.isVisible());
        Element<QDateTimeEdit>(dialog, "dtpPourStart")->setDateTime(QDateTime(tomorrow, QTime(7, 0)));
        Element<QDateTimeEdit>(dialog, "dtpPourEnd")->setDateTime(QDateTime(tomorrow, QTime(12, 0)));
        Element<QComboBox>(dialog, "cboPourMix")->setCurrentIndex(int(MixPreset::LowBleed));
        EXPECT_EQ(Element<QLineEdit>(dialog, "txtPourThreshold")->text(), "0.1");
        ok->click();
    });
    element<QPushButton>("cmdPlanPour")->click();

    const std::vector<PlannedPour>& pours = outlook->plannedPours()->pours();
    ASSERT_EQ(pours.size(), 1u);
    EXPECT_EQ(pours[0].timeZone, "Europe/Zurich");
    EXPECT_EQ(pours[0].start, QDateTime(tomorrow, QTime(7, 0), QTimeZone("Europe/Zurich")).toUTC());
    EXPECT_EQ(pours[0].threshold, "0.1");
    EXPECT_EQ(pours[0].mix, "LowBleed");
    auto* list = element<QListWidget>("lstPlannedPours");
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().endsWith("07:00 to 12:00 CET: not checked yet")) << list->item(0)->text().toStdString();

    Settings::SetLastPourState(pours[0].id, {"at-risk", QDateTime::currentDateTimeUtc()});
    outlook->ShowPlannedPour(pours[0].id);
    EXPECT_TRUE(element<QLabel>("lblNextPour")->text().startsWith(
        QStringLiteral("Next: Pour %1 at Zurich, Switzerland, ").arg(pours[0].id)));
    EXPECT_TRUE(list->item(0)->text().contains(": at risk (checked ")) << list->item(0)->text().toStdString();
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(messages.messages().size(), 1u);
}

// The window names the next planned pour and its state when it starts; without one it
// shows no status bar at all, as before.
TEST_F(PlannedPoursWindowTest, TheMainWindowNamesTheNextPourAtStart)
{
    EXPECT_FALSE(window->findChild<QStatusBar*>());
    window.reset();
    PlannedPour pour;
    pour.site = "Quay 4";
    pour.timeZone = "UTC";
    pour.start = QDateTime(QDate::currentDate().addDays(2), QTime(6, 0), Qt::UTC);
    pour.end = pour.start.addSecs(4 * 3600);
    PlannedPour ended = pour;
    ended.start = pour.start.addDays(-5);
    ended.end = ended.start.addSecs(3600);
    {
        RecordsStore store;
        store.UseDatabasePath(RecordsPath::ForThisProgram());
        store.OpenDatabase();
        ASSERT_FALSE(PlannedPours::Add(store.database(), ended).isValid());
        ASSERT_FALSE(PlannedPours::Add(store.database(), pour).isValid());
    }
    Settings::SetLastPourState(pour.id, {"borderline", QDateTime::currentDateTimeUtc()});
    window = std::make_unique<frmMain>();
    ASSERT_TRUE(window->startupCompleted());
    EXPECT_EQ(element<QLabel>("lblMainNextPour")->text().section(" (checked", 0, 0),
              QStringLiteral("Next planned pour: Pour %1 at Quay 4, %2 06:00 to 10:00 UTC: borderline")
                  .arg(pour.id)
                  .arg(QLocale::c().toString(pour.start.date(), "ddd d MMM")));
}

}  // namespace
