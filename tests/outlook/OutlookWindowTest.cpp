#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "outlook/OutlookChart.h"
#include "outlook/OutlookTable.h"
#include "outlook/frmOutlook.h"
#include "ui/frmMeasures.h"
#include "records/LoginName.h"
#include "settings/Settings.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/RecordingTarget.h"

namespace {

const QString Hours = QStringLiteral(
    "Time\tAir Temperature (°F)\tRH\tWind (mph)\tConcrete (°F)\n"
    "2026-12-08 06:00\t80\t50\t10\t90\n"
    "2026-12-08 07:00\t70\t70\t5\t70\n"
    "2026-12-08 08:00\t120\t50\t10\t90\n"
    "2026-12-08 09:00\t60\t40\t12\t75\n");

// Answers every connection with the recorded forecast.
class RecordedForecastServer : public QTcpServer {
public:
    explicit RecordedForecastServer(QByteArray answer) : answer_(std::move(answer))
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                request = socket->readAll().split('\r').first();
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                              + QByteArray::number(answer_.size()) + "\r\nConnection: close\r\n\r\n" + answer_);
                socket->disconnectFromHost();
            });
        });
        listen(QHostAddress::LocalHost);
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }
    QByteArray request;  // the last request line

private:
    QByteArray answer_;
};

// The saved records, each as the values of the columns named.
QList<QStringList> SavedRecords(const QString& columns)
{
    QList<QStringList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outlook"));
        db.setDatabaseName(RecordsPath::ForThisProgram());
        db.open();
        QSqlQuery saved(QStringLiteral("SELECT %1 FROM tblBrackmere ORDER BY RecID").arg(columns), db);
        while (saved.next()) {
            QStringList row;
            for (int c = 0; c < saved.record().count(); ++c)
                row << saved.value(c).toString();
            rows << row;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("outlook"));
    return rows;
}

class OutlookTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        outlook = window->ShowOutlook();
    }
    void TearDown() override
    {
        Settings::SetUnits(UnitSystem::US);
        MainWindowFixture::TearDown();
    }
    QString cell(int row, int column) const { return outlook->table()->index(row, column).data().toString(); }
    void choose(int row) const { outlook->findChild<QTableView*>("tblHours")->selectRow(row); }
    void type(int row, int column, const QString& text) const
    {
        outlook->table()->setData(outlook->table()->index(row, column), text, Qt::EditRole);
    }
    void useThreshold(const QString& rate)
    {
        element<QRadioButton>("optAlternate")->click();
        box("txtAlternateRate")->setText(rate);
    }

    frmOutlook* outlook = nullptr;
};

// Each hour is computed by the calculator's own core: chosen, it shows the same results
// in the main window, in either system and with an alternate threshold.
TEST_F(OutlookTest, HoursGiveTheMainWindowsResultsAndInvalidOnesSayWhy)
{
    ASSERT_TRUE(outlook->PasteRows(Hours));
    ASSERT_EQ(outlook->table()->rowCount(), 4);
    EXPECT_EQ(cell(2, OutlookTable::Message), "The air temperature 120 °F is outside 40 to 100 °F.");
    EXPECT_EQ(cell(2, OutlookTable::Equation), "");

    const auto expectSameAsWindow = [&](const char* trace) {
        SCOPED_TRACE(trace);
        for (int row : {0, 1, 3}) {
            choose(row);
            EXPECT_EQ(box("txtAirTemp")->text(), cell(row, OutlookTable::Air));
            EXPECT_EQ(caption("lblEvapNomo"), cell(row, OutlookTable::Nomograph)) << row;
            EXPECT_EQ(caption("lblEvapEqn"), cell(row, OutlookTable::Equation)) << row;
            EXPECT_EQ(caption("lblAnswer"), cell(row, OutlookTable::Message)) << row;
        }
    };
    expectSameAsWindow("US");
    EXPECT_EQ(cell(0, OutlookTable::Equation), "0.241");
    window->SetUnits(UnitSystem::SI);
    EXPECT_EQ(cell(0, OutlookTable::Air), "26.7") << "the hours follow the window's units";
    expectSameAsWindow("SI");
    element<QRadioButton>("optAlternate")->click();
    box("txtAlternateRate")->setText("0.6");
    expectSameAsWindow("alternate threshold");
}

TEST_F(OutlookTest, AForecastFillsTheHoursAndOpensAgainWithoutTheNetwork)
{
    QFile recorded(QStringLiteral(BRACKMERE_OUTLOOK_TEST_DATA "/forecast.json"));
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    RecordedForecastServer server(recorded.readAll());
    Settings::SetForecastServer(server.url());
    outlook->findChild<QComboBox*>("cboSite")->setCurrentText("Test site");
    outlook->findChild<QLineEdit*>("txtLatitude")->setText("47.3769");
    outlook->findChild<QLineEdit*>("txtLongitude")->setText("8.5417");
    outlook->findChild<QSpinBox*>("txtForecastDays")->setValue(3);
    outlook->FetchForecast();
    ASSERT_TRUE(QTest::qWaitFor([&] { return outlook->table()->rowCount() == 168; }, 5000));
    EXPECT_TRUE(server.request.contains("&forecast_days=3 ") && Settings::ForecastDays() == 3) << server.request.data();
    EXPECT_TRUE(outlook->sourceText().startsWith("Forecast for Test site (47.3769 N, 8.5417 E), 168 hours")) << outlook->sourceText().toStdString();
    EXPECT_EQ(outlook->windowsText(), "Every hour of this forecast has passed: fetch a new one to find a window.")
        << "the recorded week lies in the past";

    // The wind is the 10 m forecast brought to the surface; a factor of 1 leaves it.
    const double adjusted = cell(0, OutlookTable::Wind).toDouble();
    outlook->findChild<QDoubleSpinBox*>("txtHeightFactor")->setValue(1.0);
    EXPECT_NEAR(cell(0, OutlookTable::Wind).toDouble() * Units::ForecastWindHeightFactor, adjusted, 0.1);
    EXPECT_EQ(cell(0, OutlookTable::Concrete), cell(0, OutlookTable::Air)) << "air + 0 by default";
    messages.clear();

    // Assumed values are in italics, here and in the chart's tooltip and the printout, with a legend.
    const auto italic = [&](int column) {
        return outlook->table()->index(0, column).data(Qt::FontRole).value<QFont>().italic();
    };
    EXPECT_EQ((std::vector<bool>{italic(OutlookTable::Air), italic(OutlookTable::Concrete), italic(OutlookTable::Wind)}),
              (std::vector<bool>{false, true, true}));
    const QString tip = OutlookChart::HourTip(outlook->chart()->data(), 0);
    EXPECT_TRUE(tip.contains("concrete <i>") && tip.contains("wind <i>")) << tip.toStdString();
    {
        FakePrintDestinations destinations;
        outlook->PrintOutlook();
        QStringList italics;
        for (const RecordedText& text : destinations.printed.texts)
            italics << (text.italic ? text.text : QString());
        EXPECT_TRUE(italics.contains("Italics: assumed values. Concrete: air + 0.0 °F (the rule)."));
        EXPECT_TRUE(italics.contains("Wind: the 10 m forecast as given.")) << "at a factor of 1";
        EXPECT_TRUE(italics.contains(cell(0, OutlookTable::Concrete)));
    }

    // Its hours are saved with the site's name and where their values came from, which the
    // viewer and its export show.
    outlook->findChild<QTableView*>("tblHours")->selectRow(0);
    ASSERT_EQ(outlook->SaveSelectedAsRecords(), 1);
    EXPECT_EQ(SavedRecords("Site, Source, ConcreteRule, WindFactor"),
              (QList<QStringList>{{"Test site", "Forecast", "air + 0.0 °F", "1"}}));
    {
        FakePrintDestinations destinations;
        destinations.saveFileName = folder.filePath("export.csv");
        OnNextDialog([](QWidget& viewer) {
            Element<QPushButton>(viewer, "cmdExportCsv")->click();
            Element<QPushButton>(viewer, "cmdExit")->click();
        });
        element<QPushButton>("cmdRecords")->click();
        QFile exported(destinations.saveFileName);
        ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
        const QByteArray text = exported.readAll();
        EXPECT_TRUE(text.endsWith(",Test site," + LoginName().toUtf8() + ",,Forecast,air + 0.0 °F,1,Standard\r\n")) << text.right(80).toStdString();
    }
    messages.clear();

    // The answer is kept: with the server gone the outlook opens with it, marked as kept.
    server.close();
    delete outlook;
    outlook = window->ShowOutlook();
    EXPECT_EQ(outlook->table()->rowCount(), 168);
    EXPECT_TRUE(outlook->sourceText().contains("(kept from then")) << outlook->sourceText().toStdString();
}

// The Server dialog says why a key goes only over https or to this computer, and refuses
// a server on plain http elsewhere with a key.
TEST_F(OutlookTest, TheServerDialogSendsNoKeyOverPlainHttp)
{
    const QString server = Settings::ForecastServer();
    QString why;
    OnNextDialog([&why](QWidget& dialog) {
        why = Element<QLabel>(dialog, "lblKeyKept")->text();
        Element<QLineEdit>(dialog, "txtServer")->setText("http://forecast.example.org");
        Element<QLineEdit>(dialog, "txtApiKey")->setText("secret");
        qobject_cast<QDialog*>(&dialog)->accept();
    });
    outlook->findChild<QPushButton*>("cmdServer")->click();
    EXPECT_TRUE(why.contains("It is sent only over https, or over http to this computer: over plain http anyone on "
                             "the way could read it.")) << why.toStdString();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "The API key is not sent to http://forecast.example.org: over plain http anyone on the way could read "
              "it. Use the server's https:// address, or leave the key empty. Nothing was changed.");
    EXPECT_EQ(Settings::ForecastServer(), server);
}

// A meter's log comes in as the means of its clock hours, the count of readings shown; at
// the user's choice every reading is a row. A file over the size limit is refused.
TEST_F(OutlookTest, AMetersLogIsAveragedToHoursOrKeptReadingByReading)
{
    ASSERT_TRUE(outlook->ImportFile(QStringLiteral(BRACKMERE_OUTLOOK_TEST_DATA "/meter-metric.csv")));
    EXPECT_EQ(outlook->sourceText(), "From meter-metric.csv (UTF-8): 2 hours, the means of 4 readings, "
                                     "1 unreadable reading left out of the means");
    auto* table = outlook->findChild<QTableView*>("tblHours");
    EXPECT_FALSE(table->isColumnHidden(OutlookTable::ReadingCount));
    EXPECT_EQ(cell(0, OutlookTable::ReadingCount), "2 of 3");
    EXPECT_EQ(cell(0, OutlookTable::Air), "81.5");
    outlook->findChild<QCheckBox*>("chkEveryReading")->click();
    EXPECT_EQ(outlook->table()->rowCount(), 4) << "the file is read again";
    EXPECT_TRUE(table->isColumnHidden(OutlookTable::ReadingCount));
    EXPECT_EQ(cell(2, OutlookTable::Message), "Line 8, column 4 (Relative Humidity): \"--\" is not a number.");

    QTemporaryDir folder;
    QFile large(folder.filePath("large.csv"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(60 * 1024 * 1024));
    large.close();
    EXPECT_FALSE(outlook->ImportFile(large.fileName()));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, QStringLiteral("The file \"%1\" is 60 MB; the outlook reads files of up to "
                                                          "50 MB.").arg(QDir::toNativeSeparators(large.fileName())));
    messages.clear();
    EXPECT_EQ(outlook->table()->rowCount(), 4) << "the hours shown stay";
}

// Chosen hours become records, dated by their hour, the note naming the source; the
// outlook prints on as many pages as its hours take.
TEST_F(OutlookTest, HoursBecomeRecordsAndTheOutlookPrintsOnAsManyPagesAsItTakes)
{
    ASSERT_TRUE(outlook->PasteRows(Hours));
    auto* table = outlook->findChild<QTableView*>("tblHours");
    table->selectAll();
    EXPECT_EQ(outlook->SaveSelectedAsRecords(), 3) << "the hour that cannot be computed is left out";
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "3 hours saved as records. 1 selected hours could not be computed and were not saved.");
    const QList<QStringList> saved = SavedRecords("RecordTime, AirTemp, ConcreteTemp, RH, WindVelocity, EvapRate, "
                                                  "RateNote, MiscNote, RateThreshold, Units, SavedBy, Site");
    ASSERT_EQ(saved.size(), 3);
    EXPECT_TRUE(saved[0][0].startsWith("06:00:00") || saved[0][0].startsWith("6:00:00")) << saved[0][0].toStdString();
    EXPECT_EQ(saved[0].mid(1), (QStringList{"80", "90", "50", "10", "0.241", "Measures shall be taken.",
                                            "Pour-day outlook: Typed or pasted hours", "0.2", "US", LoginName(), ""}))
        << "no site for typed hours";
    EXPECT_EQ(SavedRecords("Source, ConcreteRule, WindFactor").value(0), (QStringList{"Typed", "", ""}));

    messages.clear();
    FakePrintDestinations destinations;
    outlook->PrintOutlook();
    EXPECT_EQ(destinations.printed.jobsEnded, 1);
    EXPECT_EQ(destinations.printed.orientation, QPageLayout::Portrait);
    QStringList printed;
    for (const RecordedText& text : destinations.printed.texts)
        printed << text.text;
    for (const QString& expected : {QStringLiteral("Pour-Day Outlook"), QStringLiteral("Page 1 of 1"),
                                    QStringLiteral("Tue 2026-12-08 09:00"), QStringLiteral("Measures shall be taken.")})
        EXPECT_TRUE(printed.contains(expected)) << expected.toStdString();

    // A thousand hours more: every hour is printed whole, under the table's heading repeated
    // on every page, in type no smaller than 8 pt (the fonts are given for a painter scaled
    // to points, so a font's size is its recorded size in device pixels of that scale).
    QString many = QStringLiteral("Time\tAir\tRH\tWind\n");
    for (int h = 0; h < 1000; ++h)
        many += QDateTime(QDate(2027, 1, 1), QTime(0, 0)).addSecs(3600 * h).toString("yyyy-MM-dd HH:mm") + "\t70\t50\t5\n";
    ASSERT_TRUE(outlook->PasteRows(many));
    destinations.printed = {};
    outlook->PrintOutlook();
    const auto& texts = destinations.printed.texts;
    const int pages = destinations.printed.page + 1;
    EXPECT_GT(pages, 15);

    const QRegularExpression hourRow(QStringLiteral("^\\w{3} \\d{4}-\\d\\d-\\d\\d \\d\\d:00$"));
    const auto count = [&](const auto& match) { return int(std::count_if(texts.begin(), texts.end(), match)); };
    EXPECT_EQ(count([&](const RecordedText& t) { return hourRow.match(t.text).hasMatch(); }), 1004);
    EXPECT_EQ(count([](const RecordedText& t) { return t.text == "Thu 2027-02-11 15:00"; }), 1);
    const QString timeHeading = outlook->table()->headerData(OutlookTable::Time, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(count([&](const RecordedText& t) { return t.text == timeHeading; }), pages);
    EXPECT_EQ(count([&](const RecordedText& t) { return t.text == QStringLiteral("Page %1 of %1").arg(pages); }), 1);
    const auto smallest = std::min_element(texts.begin(), texts.end(), [](const RecordedText& a, const RecordedText& b) {
        return a.fontSize < b.fontSize;
    });
    EXPECT_GE(smallest->fontSize * RecordingDevice::Dpi / 72.0, 8.0 - 1e-9) << smallest->text.toStdString();
}

// Equation rates 0.061 (OK), 0.148 and 0.162 (may be needed, borderline), 0.267 (shall be taken, borderline).
const QString Afternoon = QStringLiteral(
    "Time\tAir (°F)\tRH\tWind (mph)\tConcrete (°F)\n"
    "2026-12-08 10:00\t70\t50\t5\t70\n"
    "2026-12-08 11:00\t80\t45\t8\t82\n"
    "2026-12-08 12:00\t80\t45\t9\t82\n"
    "2026-12-08 13:00\t85\t40\t12\t88\n");

// Above the threshold in force an hour names the hottest concrete that brings the rate down
// to it: typed in, that figure is no longer above, a degree more is.
TEST_F(OutlookTest, ConcreteAtMostBringsTheRateDownToTheThreshold)
{
    ASSERT_TRUE(outlook->PasteRows(Afternoon));
    const auto header = [&] {
        return outlook->table()->headerData(OutlookTable::CoolTo, Qt::Horizontal, Qt::DisplayRole).toString().replace(
            '\n', ' ');
    };
    EXPECT_EQ(header(), "Concrete at most (°F)");
    EXPECT_EQ(cell(2, OutlookTable::CoolTo), "") << "not above the threshold";
    for (UnitSystem units : {UnitSystem::US, UnitSystem::SI}) {
        window->SetUnits(units);
        SCOPED_TRACE(header().toStdString());
        const QString atMost = cell(3, OutlookTable::CoolTo);
        ASSERT_FALSE(atMost.isEmpty());
        type(3, OutlookTable::Concrete, atMost);
        EXPECT_NE(cell(3, OutlookTable::Message), "Measures shall be taken.");
        EXPECT_EQ(cell(3, OutlookTable::CoolTo), "");
        type(3, OutlookTable::Concrete, QString::number(atMost.toInt() + 1));
        EXPECT_EQ(cell(3, OutlookTable::Message), "Measures shall be taken.");
        choose(3);
        outlook->findChild<QPushButton*>("cmdMeasures")->click();
        const QString unit = units == UnitSystem::US ? "°F" : "°C";
        EXPECT_EQ(Element<QLabel>(*outlook->findChild<frmMeasures*>(), "lblCoolTo")->text(),
                  QStringLiteral("Cool the concrete to %1 %2 or below").arg(cell(3, OutlookTable::CoolTo), unit));
    }
    EXPECT_EQ(header(), "Concrete at most (°C)");
    // Below a low alternate threshold even the coldest concrete in range is too warm.
    window->SetUnits(UnitSystem::US);
    useThreshold("0.05");
    type(0, OutlookTable::Air, "40");
    type(0, OutlookTable::Humidity, "0");
    type(0, OutlookTable::Wind, "25");
    type(0, OutlookTable::Concrete, "40");
    EXPECT_EQ(cell(0, OutlookTable::Message), "Measures shall be taken.");
    EXPECT_EQ(cell(0, OutlookTable::CoolTo), "") << "none in range reaches the threshold";
}

// An hour is borderline when the ±40 % band about its equation rate (0.241) holds rates on
// both sides of the threshold in force: 0.6 × 0.241 = 0.1446 and 1.4 × 0.241 = 0.3374.
TEST_F(OutlookTest, AnHourIsBorderlineWhereItsBandCrossesTheThreshold)
{
    ASSERT_TRUE(outlook->PasteRows(Hours));
    ASSERT_EQ(cell(0, OutlookTable::Equation), "0.241");
    const struct {
        const char* name;
        const char* threshold;
        bool borderline;
    } rows[] = {
        {"band wholly above", "0.144", false}, {"lower edge", "0.145", true},
        {"upper edge", "0.337", true},         {"band wholly below", "0.338", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        useThreshold(row.threshold);
        EXPECT_EQ(cell(0, OutlookTable::Band), row.borderline ? "borderline" : "");
        EXPECT_EQ(outlook->chart()->data().points[0].borderline, row.borderline);
    }
}

// The safe window counts its borderline hours; "OK" only leaves the hours that may need measures out.
TEST_F(OutlookTest, TheSafeWindowFollowsTheChosenCriterion)
{
    ASSERT_TRUE(outlook->PasteRows(Afternoon));
    EXPECT_TRUE(outlook->windowsText().startsWith("Longest safe window: Tue 8 Dec 10:00 to 13:00, 3 h, "
                                                  "2 borderline hours.")) << outlook->windowsText().toStdString();
    outlook->findChild<QRadioButton*>("optSafeOkOnly")->click();
    EXPECT_TRUE(outlook->windowsText().startsWith("Longest safe window: Tue 8 Dec 10:00 to 11:00, 1 h."))
        << outlook->windowsText().toStdString();
    EXPECT_EQ(Settings::SafeHours(), SafeCriterion::OkOnly);
    outlook->findChild<QRadioButton*>("optSafeBelowThreshold")->click();
    EXPECT_EQ(Settings::SafeHours(), SafeCriterion::BelowThreshold);
}

// The sun on the slab goes with the hours into their records and changes no number.
TEST_F(OutlookTest, TheSunOnTheSlabIsRecordedAndChangesNoNumber)
{
    ASSERT_TRUE(outlook->PasteRows(Hours));
    const QString rate = cell(0, OutlookTable::Equation);
    auto* sun = outlook->findChild<QComboBox*>("cboSun");
    EXPECT_EQ(sun->currentText(), "Unknown");
    sun->setCurrentIndex(sun->findText("Sunny"));
    EXPECT_EQ(outlook->table()->settings().sun, SunOnSlab::Sunny);
    EXPECT_EQ(cell(0, OutlookTable::Equation), rate);
    choose(0);
    ASSERT_EQ(outlook->SaveSelectedAsRecords(), 1);
    EXPECT_EQ(SavedRecords("MiscNote").value(0).value(0),
              "Pour-day outlook: Typed or pasted hours; sun on the slab: sunny");
}

// Each reading is drawn at its hour: two equal hours draw the equation's line from the
// plot's left edge to its middle, not from a quarter to three quarters.
TEST_F(OutlookTest, EachReadingIsDrawnAtItsHour)
{
    ASSERT_TRUE(outlook->PasteRows(QStringLiteral("Time\tAir\tRH\tWind\tConcrete\n2026-12-08 10:00\t70\t50\t5\t70\n"
                                                  "2026-12-08 11:00\t70\t50\t5\t70\n")));
    QImage image(600, 300, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        OutlookChart::Paint(painter, image.rect(), outlook->chart()->data());
    }
    const auto count = [&](auto test, bool byRow, int at) {
        int n = 0;
        for (int i = 0; i < (byRow ? image.width() : image.height()); ++i)
            n += test(QColor(byRow ? image.pixel(i, at) : image.pixel(at, i))) ? 1 : 0;
        return n;
    };
    const auto blue = [](const QColor& c) { return c.blue() > 120 && c.red() < 60 && c.green() < 60; };
    const auto dark = [](const QColor& c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; };
    int lineRow = 0;
    for (int y = 0; y < image.height(); ++y)
        lineRow = count(blue, true, y) > count(blue, true, lineRow) ? y : lineRow;
    int lineStart = 0;
    while (lineStart < image.width() && !blue(QColor(image.pixel(lineStart, lineRow))))
        ++lineStart;
    int plotLeft = 0;
    while (plotLeft < image.width() && count(dark, false, plotLeft) < image.height() / 3)
        ++plotLeft;
    EXPECT_NEAR(lineStart, plotLeft, 3);
    EXPECT_GT(count(blue, true, lineRow), image.width() / 3) << "the line runs for an hour";
}

// Add Hour leaves the calculator's readings as they are; hours typed here are replaced by a
// file or a forecast only when the user agrees; deleted hours come back with Edit, Undo.
TEST_F(OutlookTest, TypedHoursAreReplacedOnlyWhenTheUserAgreesAndDeletedOnesComeBack)
{
    enterInputs("80", "50", "90", "10");
    ASSERT_TRUE(outlook->PasteRows(Hours));
    outlook->findChild<QPushButton*>("cmdAddHour")->click();
    EXPECT_EQ(outlook->table()->rowCount(), 5);
    EXPECT_EQ(box("txtAirTemp")->text(), "80") << "the new hour has no readings to show";

    const QString meter = QStringLiteral(BRACKMERE_OUTLOOK_TEST_DATA "/meter-metric.csv");
    messages.answerNext(Msg::Answer::No);
    EXPECT_FALSE(outlook->ImportFile(meter));
    EXPECT_EQ(outlook->table()->rowCount(), 5);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Replace the 5 hours shown, typed or edited here, with the hours of "
                                           "meter-metric.csv? They are not kept anywhere else.");
    outlook->findChild<QLineEdit*>("txtLatitude")->setText("47.3769");
    outlook->findChild<QLineEdit*>("txtLongitude")->setText("8.5417");
    messages.answerNext(Msg::Answer::No);
    outlook->FetchForecast();
    EXPECT_EQ(outlook->findChild<QWidget*>("frmFetching"), nullptr) << "nothing fetched";
    EXPECT_EQ(outlook->table()->rowCount(), 5);
    messages.answerNext(Msg::Answer::Yes);
    EXPECT_TRUE(outlook->ImportFile(meter));
    EXPECT_EQ(outlook->table()->rowCount(), 2);
    messages.clear();

    ASSERT_TRUE(outlook->PasteRows(Hours));
    const QString source = outlook->sourceText();
    const auto airs = [&] {
        QStringList column;
        for (int row = 0; row < outlook->table()->rowCount(); ++row)
            column << cell(row, OutlookTable::Air);
        return column;
    };
    const QStringList before = airs();
    auto* undo = outlook->findChild<QAction*>("mnuUndoDelete");
    EXPECT_FALSE(undo->isEnabled());
    auto* table = outlook->findChild<QTableView*>("tblHours");
    table->selectRow(1);
    outlook->findChild<QPushButton*>("cmdDeleteHours")->click();
    EXPECT_EQ(outlook->table()->rowCount(), 5);
    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(airs(), before);
    EXPECT_EQ(outlook->sourceText(), source);
    table->selectRow(0);
    outlook->findChild<QPushButton*>("cmdDeleteHours")->click();
    type(0, OutlookTable::Air, "75");
    EXPECT_FALSE(undo->isEnabled()) << "an edit after the deletion would be lost";
}

// The outlook fits a 1024 × 768 screen; its pour report begins from the hours shown.
TEST_F(OutlookTest, TheOutlookFitsASmallScreenAndOffersAPourReport)
{
    outlook->show();
    EXPECT_LT(outlook->minimumSizeHint().width(), 1000);
    EXPECT_LT(outlook->minimumSizeHint().height(), 700);
    EXPECT_LE(outlook->frameGeometry().width(), 1024);
    EXPECT_LE(outlook->frameGeometry().height(), 740);
    ASSERT_TRUE(outlook->PasteRows(Hours));
    QString hours;
    OnNextDialog([&hours](QWidget& dialog) {
        hours = Element<QLabel>(dialog, "lblHours")->text();
        Element<QPushButton>(dialog, "cmdClose")->click();
    });
    auto* report = outlook->findChild<QPushButton*>("cmdPourReport");
    ASSERT_TRUE(report->isEnabled()) << "the main window answers it";
    report->click();
    EXPECT_TRUE(hours.startsWith(QStringLiteral("%1 hours. ").arg(outlook->table()->rowCount())))
        << hours.toStdString();
}

}  // namespace
