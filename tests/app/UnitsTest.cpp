#include <QAction>
#include <QGroupBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>

#include "settings/Settings.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalDialogs.h"

namespace {

class UnitsTest : public MainWindowFixture {
protected:
    void TearDown() override
    {
        Settings::SetUnits(UnitSystem::US);
        MainWindowFixture::TearDown();
    }
    QAction* action(const char* name) const { return element<QAction>(name); }
    QStringList boxes() const
    {
        return {box("txtAirTemp")->text(), box("txtRelativeHumidity")->text(), box("txtConcreteTemp")->text(),
                box("txtWindVelocity")->text()};
    }
};

// Switching converts the four readings exactly, writes them with one decimal and
// recalculates; every caption that names a unit follows.
TEST_F(UnitsTest, SwitchingConvertsTheReadingsAndRelabelsTheWindow)
{
    EXPECT_TRUE(action("mnuUnitsUS")->isChecked());
    EXPECT_EQ(action("mnuUnitsSI")->text(), "SI (°C, km/h, kg/m²/hr)");
    enterInputs("80", "50", "90", "10");
    action("mnuUnitsSI")->trigger();
    EXPECT_FALSE(action("mnuUnitsUS")->isChecked());
    EXPECT_EQ(boxes(), (QStringList{"26.7", "50", "32.2", "16.1"}));
    EXPECT_EQ(caption("lblEvapEqn"), "1.17") << "0.2398 lb/ft2/hr at the rounded readings";
    EXPECT_EQ(caption("lblAnswer"), "Measures shall be taken.");
    EXPECT_EQ(element<QScrollBar>("hsbAirTemp")->value(), 27);
    EXPECT_EQ(caption("lblAir1(0)"), "40.5") << "the 0.5 kg/m2/hr table, in C";

    const std::pair<const char*, const char*> captions[] = {
        {"Label3", "Air Temperature (°C)"},
        {"Label4", "Wind Velocity (km/h)"},
        {"Label29", "4.4"},
        {"Label33(3)", "40.2"},
        {"Label14", "Ta (°C)"},
        {"Label18", "Evap (kg/m²/hr)"},
        {"Label9", "Variation Scenarios to Get Evaporation Rate of 0.5 kg/m²/hr"},
        {"lblUsedThreshold", "Variation Scenarios to Get Evaporation Rate of 1.0 kg/m²/hr"},
        {"lblUserRate(0)", "1"},
        {"Label43", "kg/m²/hr"},
    };
    for (const auto& [name, text] : captions)
        EXPECT_EQ(caption(name), QString::fromUtf8(text)) << name;
    EXPECT_EQ(element<QGroupBox>("Frame3")->title(), "Rate of Evaporation (kg/m²/hr)");
    EXPECT_TRUE(caption("lblDisplayEqn").startsWith("E = 5.275 × ([Tc + 17.78]^2.5"));
    EXPECT_EQ(element<QRadioButton>("optDefault")->text(), "Use default rate of 1.0 kg/m²/hr");

    action("mnuUnitsUS")->trigger();
    EXPECT_EQ(boxes(), (QStringList{"80.1", "50", "90.0", "10.0"}));
    EXPECT_EQ(caption("lblEvapEqn"), "0.241");
    EXPECT_EQ(caption("Label3"), "Air Temperature (°F)");
    EXPECT_EQ(caption("lblUsedThreshold"), "Variation Scenarios to Get Evaporation Rate of .2 lb/ft²/hr");
}

// The alternate threshold keeps its meaning across systems; the choice is remembered.
TEST_F(UnitsTest, TheAlternateRateFollowsAndTheChoiceIsRemembered)
{
    action("mnuUnitsSI")->trigger();
    EXPECT_EQ(box("txtAlternateRate")->text(), "0.25") << "one start value for the other";
    element<QRadioButton>("optAlternate")->click();
    box("txtAlternateRate")->setText("0.5");
    action("mnuUnitsUS")->trigger();
    EXPECT_EQ(box("txtAlternateRate")->text(), "0.102");
    EXPECT_EQ(box("txtUserRate")->text(), "0.102");
    EXPECT_EQ(caption("lblUsedThreshold"), "Variation Scenarios to Get Evaporation Rate of .102 lb/ft²/hr");

    action("mnuUnitsSI")->trigger();
    window.reset();
    window = std::make_unique<frmMain>();
    EXPECT_EQ(window->units(), UnitSystem::SI);
    EXPECT_TRUE(action("mnuUnitsSI")->isChecked());
    EXPECT_EQ(box("txtAlternateRate")->text(), "0.25");
    EXPECT_EQ(caption("Label3"), "Air Temperature (°C)");
}

// Typed SI readings go through the bars as US ones do, except that a range end that is
// not a whole unit (4.4 °C) keeps its decimals: the bar stands at the nearest unit inside.
TEST_F(UnitsTest, TypedSIRangeEndsKeepTheirDecimals)
{
    action("mnuUnitsSI")->trigger();
    const struct {
        const char* box;
        const char* typed;
        const char* kept;
        int bar;
    } cases[] = {
        {"txtAirTemp", "4.4", "4.4", 5},       {"txtAirTemp", "37.8", "37.8", 37},
        {"txtConcreteTemp", "4.5", "4.5", 5},  {"txtAirTemp", "4.6", "5", 5},
        {"txtConcreteTemp", "37.6", "37.6", 37}, {"txtAirTemp", "26.7", "27", 27},
    };
    for (const auto& c : cases) {
        box(c.box)->setText("20");
        box(c.box)->setText(c.typed);
        EXPECT_EQ(box(c.box)->text(), c.kept) << c.box << " " << c.typed;
        const QString bar = QString(c.box).replace("txt", "hsb");
        EXPECT_EQ(element<QScrollBar>(bar)->value(), c.bar) << c.typed;
    }
}

// Records keep the system they were saved in; a record returned to the other system
// is converted, its threshold too.
TEST_F(UnitsTest, RecordsKeepTheirSystemAndReturnConverted)
{
    action("mnuUnitsSI")->trigger();
    enterInputs("27", "50", "32", "16");
    OnNextDialog([](QWidget& dialog) {
        EXPECT_EQ(Element<QLabel>(dialog, "Label3")->text(), "Air Temperature (°C)");
        EXPECT_EQ(Element<QLabel>(dialog, "lblER")->text(), "1.14");
        Element<QPushButton>(dialog, "cmdAccept")->click();
    });
    element<QPushButton>("cmdSave")->click();

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("units"));
        db.setDatabaseName(RecordsPath::ForThisProgram());
        ASSERT_TRUE(db.open());
        QSqlQuery saved(QStringLiteral("SELECT AirTemp, EvapRate, RateThreshold, Units FROM tblBrackmere"), db);
        ASSERT_TRUE(saved.next());
        EXPECT_EQ(saved.value(0).toString(), "27");
        EXPECT_EQ(saved.value(1).toString(), "1.14");
        EXPECT_EQ(saved.value(2).toDouble(), 1.0);
        EXPECT_EQ(saved.value(3).toString(), "SI");
        ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral(
            "INSERT INTO tblBrackmere (RecordDate, RecordTime, AirTemp, ConcreteTemp, RH, WindVelocity, RateThreshold,"
            " Units) VALUES ('1/2/24', '9:00:00 AM', '70', '90', '50', '10', 0.1, 'US')")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("units"));

    OnNextDialog([](QWidget& viewer) {
        Element<QTableView>(viewer, "DBGrid1")->selectRow(1);
        Element<QPushButton>(viewer, "cmdReturn")->click();
    });
    element<QPushButton>("cmdRecords")->click();
    EXPECT_EQ(boxes(), (QStringList{"21.1", "50", "32.2", "16.1"})) << "the air bar moves from 27 to 21";
    EXPECT_TRUE(element<QRadioButton>("optAlternate")->isChecked());
    EXPECT_EQ(box("txtAlternateRate")->text(), "0.49") << "0.1 lb/ft2/hr";
    messages.clear();
}

}  // namespace
