#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString Data = QStringLiteral(BRACKMERE_OUTLOOK_TEST_DATA "/");

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program itself, as a user runs it, on a machine without a display: the command line
// never needs one.
TEST(CommandLineTest, RunsGiveTheirRowsAndExitStatus)
{
    QTemporaryDir folder;
    const QString hours = folder.filePath("hours.csv");
    const QString none = folder.filePath("none.csv");
    {
        QFile file(hours);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("time,air temperature (C),rh,wind (km/h)\n2026-12-08T06:00,26.7,50,16.1\n"
                   "2026-12-08T07:00,=1+1,50,16\n");
        QFile bad(none);
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("Time,Air (F),RH,Wind (mph)\n2026-12-08 06:00,200,50,5\n");
    }
    // A stream that goes on past 50 MB: one hour, then lines of blanks.
    QByteArray endless = "Time,Air (F),RH,Wind (mph)\n2026-12-08 06:00,80,50,10\n";
    endless += (QByteArray(1023, ' ') + '\n').repeated(50 * 1024);

    const struct {
        const char* name;
        QStringList arguments;
        QByteArray input;  // standard input
        int status;
        int lines;        // of standard output
        const char* out;  // a part of standard output
        const char* err;  // the start of standard error
    } runs[] = {
        {"hours converted, a bad value says why, a formula written as text", {"--outlook", hours, "--units", "si"}, {}, 0, 3,
         "Time,Air Temperature (°C),Relative Humidity (%),Wind Velocity (km/h),Concrete Temperature (°C),"
         "Nomograph Rate (kg/m²/hr),Equation Rate (kg/m²/hr),Message\n"
         "2026-12-08T06:00:00,26.7,50,16.1,26.7,0.71,0.70,Measures may be needed.\n"
         "2026-12-08T07:00:00,'=1+1,50,16,,,,\"Line 3, column 2 (air temperature (C)): \"\"=1+1\"\" is not a number.\"\n",
         ""},
        {"a meter's log averaged to hours", {"--outlook", Data + "meter-us.csv"}, {}, 0, 4,
         ",Readings,Nomograph Rate (lb/ft²/hr),Equation Rate (lb/ft²/hr),Message\n"
         "2026-07-14T11:00:00,81.3,47.0,11.9,81.3,3,0.182,0.182,Measures may be needed.\n",
         ""},
        {"every reading kept, an alternate threshold",
         {"--outlook", Data + "meter-us.csv", "--every-reading", "--threshold", "0.17"}, {}, 0, 10,
         "2026-07-14T11:20:00,81.3,47.0,11.9,81.3,0.182,0.182,Measures shall be taken.", ""},
        {"standard input in SI, concrete air + 2", {"--outlook", "-", "--units", "si", "--threshold", "1.0",
         "--concrete", "air+2"}, Contents(Data + "meter-us.csv"), 0, 4,
         "2026-07-14T11:00:00,27.4,47.0,19.2,29.4,3,1.08,1.08,Measures shall be taken.", ""},
        {"a concrete temperature of its own", {"--outlook", hours, "--concrete", "75"}, {}, 0, 3,
         "2026-12-08T06:00:00,80.1,50,10.0,75.0,0.100,0.100,OK", ""},
        {"no row computed", {"--outlook", none}, {}, 1, 2, "", "brackmere: no row of"},
        {"a stream past 50 MB", {"--outlook", "-"}, endless, 2, 2, "2026-12-08T06:00:00,80,50,10,80.0,",
         "brackmere: standard input: The input goes on past 50 MB; it was read no further."},
        {"not a text", {"--outlook", "/dev/zero"}, {}, 2, 0, "",
         "brackmere: cannot read /dev/zero: Line 1 holds binary data, not text."},
        {"no such file", {"--outlook", folder.filePath("missing.csv")}, {}, 2, 0, "", "brackmere: cannot read"},
        {"a mistyped option opens no window", {"--outlok", hours}, {}, 2, 0, "",
         "brackmere: Unknown option 'outlok'.\nUsage: brackmere"},
        {"an option without its value", {"--outlook"}, {}, 2, 0, "", "brackmere: Missing value after '--outlook'."},
        {"units without a file", {"--units", "si"}, {}, 2, 0, "", "brackmere: --units goes with --outlook FILE.csv."},
        {"units unknown", {"--outlook", hours, "--units", "metric"}, {}, 2, 0, "",
         "brackmere: --units takes us or si, not \"metric\"."},
        {"a threshold that is no rate", {"--outlook", hours, "--threshold", "high"}, {}, 2, 0, "",
         "brackmere: --threshold takes 0.1, 0.2 or another rate above 0 in lb/ft²/hr, not \"high\"."},
        {"a concrete rule unknown", {"--outlook", hours, "--concrete", "air*2"}, {}, 2, 0, "",
         "brackmere: --concrete takes air+N, air-N or N in °F, not \"air*2\"."},
        {"a file name alone", {hours}, {}, 2, 0, "", "brackmere: Unexpected argument"},
        {"the version", {"--version"}, {}, 0, 1, "brackmere 1.0.17\n", ""},
    };
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(QString::fromLatin1(name));
    for (const auto& run : runs) {
        SCOPED_TRACE(run.name);
        QProcess program;
        program.setProcessEnvironment(noDisplay);
        program.start(QStringLiteral(BRACKMERE_PROGRAM), run.arguments);
        ASSERT_TRUE(program.waitForStarted());
        for (qsizetype at = 0; at < run.input.size(); at += 1 << 20) {
            program.write(run.input.mid(at, 1 << 20));
            program.waitForBytesWritten(60000);
        }
        program.closeWriteChannel();
        ASSERT_TRUE(program.waitForFinished(120000));
        const std::string out = program.readAllStandardOutput().toStdString();
        const std::string err = program.readAllStandardError().toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), run.status) << err;
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), run.lines) << out;
        EXPECT_NE(out.find(run.out), std::string::npos) << out;
        EXPECT_TRUE(err.starts_with(run.err)) << err;
    }
}

}  // namespace
