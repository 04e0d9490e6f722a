#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

#include "ui/Language.h"
#include "app/CommandLine.h"
#include "app/frmMain.h"
#include "outlook/OutlookTable.h"
#include "outlook/frmOutlook.h"
#include "watch/WatchReport.h"
#include "calc/Measures.h"
#include "calc/NomographRun.h"
#include "calc/Readings.h"
#include "calc/UnitSystems.h"
#include "settings/Settings.h"
#include "tests/app/MainWindowFixture.h"
#include "ui/QtText.h"

namespace {

const QStringList Translated{QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("de")};

std::multiset<QString> Placeholders(const QString& text)
{
    std::multiset<QString> found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found.insert(match.captured());
    return found;
}

// Every message of every catalogue is translated, with the placeholders of its source.
TEST(TranslationsTest, EveryCatalogueIsCompleteWithItsPlaceholders)
{
    for (const QString& language : Translated) {
        QFile file(QStringLiteral(BRACKMERE_TS_DIR "/brackmere_%1.ts").arg(language));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (xml.name() == QLatin1String("translation")) {
                const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                ++messages;
                EXPECT_FALSE(unfinished || translation.isEmpty())
                    << language.toStdString() << " lacks: " << source.toStdString();
                EXPECT_EQ(Placeholders(source), Placeholders(translation))
                    << language.toStdString() << ": " << source.toStdString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(messages, 80) << language.toStdString();
    }
}

// The core's texts are translated where they are shown: each one the core can produce has
// an entry in every compiled catalogue.
TEST(TranslationsTest, EveryCoreTextHasATranslation)
{
    std::vector<std::string> texts{std::string(Measures::NoRate), std::string(UnitSystems::US.menuText),
                                   std::string(UnitSystems::SI.menuText)};
    for (Precaution precaution : {Precaution::Ok, Precaution::May, Precaution::Shall}) {
        const Measures::Advice& advice = Measures::For(precaution);
        texts.emplace_back(advice.summary);
        texts.insert(texts.end(), advice.measures.begin(), advice.measures.end());
    }
    for (Input input : AllInputs) {
        texts.emplace_back(ReadingNames[input].caption);
        texts.emplace_back(ReadingNames[input].inSentence);
    }
    for (const MixPresetEntry& mix : MixPresets) {
        texts.emplace_back(mix.name);
        texts.emplace_back(mix.shortName);
    }
    const ThresholdPolicy us = ThresholdsOf(UnitSystem::US);
    for (const char* rate : {"0.05", "0.15", "0.3"})
        texts.push_back(ClassifyRate(rate, ThresholdChoice::Default, "0.2", us).text);
    for (const QString& language : Translated) {
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QStringLiteral(":/i18n/brackmere_%1.qm").arg(language)));
        for (const std::string& key : texts) {
            EXPECT_FALSE(catalogue.translate("Core", key.c_str()).isEmpty())
                << language.toStdString() << " lacks: " << key;
        }
    }
}

TEST(TranslationsTest, TheEnvironmentChoosesALanguageTheProgramSpeaks)
{
    struct Row {
        const char* name;
        const char* language;
        const char* lcAll;
        const char* lang;
        const char* expected;
    };
    const Row rows[] = {
        {"nothing set", "", "", "", "en"},
        {"C locale", "", "", "C.UTF-8", "en"},
        {"Mexican Spanish", "", "", "es_MX.UTF-8", "es"},
        {"Canadian French", "", "", "fr_CA.UTF-8", "fr"},
        {"Austrian German with a modifier", "", "", "de_AT.UTF-8@euro", "de"},
        {"unspoken Portuguese", "", "", "pt_BR.UTF-8", "en"},
        {"LANGUAGE first spoken entry", "pt:fr:de", "", "es_ES.UTF-8", "fr"},
        {"LC_ALL over LANG", "", "de_DE.UTF-8", "es_ES.UTF-8", "de"},
    };
    const QByteArray saved[] = {qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    for (const Row& row : rows) {
        qputenv("LANGUAGE", row.language);
        qputenv("LC_ALL", row.lcAll);
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", row.lang);
        EXPECT_EQ(Language::FromEnvironment().toStdString(), row.expected) << row.name;
    }
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 4; ++i)
        qputenv(names[i], saved[i]);
}

// The command line speaks the environment's language: a refusal and the help.
TEST(TranslationsTest, TheCommandLineSpeaksTheLanguageApplied)
{
    struct BackToEnglish {
        ~BackToEnglish() { Language::Apply("en"); }
    } backToEnglish;
    const QStringList arguments{"brackmere", "--outlook", "x.csv", "--units", "metric"};
    Language::Apply("de");
    EXPECT_EQ(CommandLine::Parse(arguments).refusal.toStdString(), "--units erwartet us oder si, nicht „metric“.");
    EXPECT_TRUE(CommandLine::HelpText().startsWith("Aufruf: brackmere")) << CommandLine::HelpText().toStdString();
    Language::Apply("en");
    EXPECT_EQ(CommandLine::Parse(arguments).refusal.toStdString(), "--units takes us or si, not \"metric\".");
}

// The outlook's table, the watch and the command line's newer options speak each language.
TEST(TranslationsTest, TheOutlookAndTheWatchSpeakTheLanguageApplied)
{
    struct BackToEnglish {
        ~BackToEnglish() { Language::Apply("en"); }
    } backToEnglish;
    struct Sample {
        const char* language;
        const char* airHeading;
        const char* noPour;
        const char* daysRefused;
    };
    const Sample samples[] = {
        {"es", "Aire (°C)", "No hay ningún colado planificado en los próximos 3 días.\n",
         "--days admite un número de días de 1 a 15, no \"0\"."},
        {"fr", "Air (°C)", "Aucun coulage n'est planifié dans les 3 prochains jours.\n",
         "--days prend un nombre de jours de 1 à 15, pas « 0 »."},
        {"de", "Luft (°C)", "In den kommenden 3 Tagen ist keine Betonage geplant.\n",
         "--days erwartet eine Zahl von Tagen von 1 bis 15, nicht „0“."},
        {"en", "Air (°C)", "No pour is planned in the coming 3 days.\n",
         "--days takes a number of days from 1 to 15, not \"0\"."},
    };
    for (const Sample& sample : samples) {
        Language::Apply(sample.language);
        EXPECT_EQ(OutlookTable::Heading(OutlookTable::Air, UnitSystem::SI).toStdString(), sample.airHeading);
        EXPECT_EQ(WatchReport::Text({}, QDateTime::currentDateTimeUtc(), 3).toStdString(), sample.noPour);
        EXPECT_EQ(CommandLine::Parse({"brackmere", "--watch", "--days", "0"}).refusal.toStdString(),
                  sample.daysRefused);
    }
}

class LanguageWindowTest : public MainWindowFixture {
protected:
    void TearDown() override { Language::Apply(QStringLiteral("en")); }

    // The window hears of a new language through a posted event, as it would in the event loop.
    void choose(const char* objectName)
    {
        element<QAction>(QString::fromLatin1(objectName))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    QString menuTitle(const char* objectName) { return element<QMenu>(QString::fromLatin1(objectName))->title(); }
};

TEST_F(LanguageWindowTest, TheMenuSwitchesEveryTextAndBackToTheExactEnglish)
{
    enterInputs("80", "50", "90", "10");
    const QString englishAnswer = caption("lblAnswer");
    struct Sample {
        const char* language;
        const char* item;
        const char* fileMenu;
        const char* saveButton;
        const char* airCaption;
        const char* answer;
    };
    const Sample samples[] = {
        {"es", "mnuLanguageEs", "&Archivo", "Guardar datos", "Temperatura del aire (°F)", "Deben tomarse medidas."},
        {"fr", "mnuLanguageFr", "&Fichier", "Garder les données", "Température de l'air (°F)",
         "Des mesures doivent être prises."},
        {"de", "mnuLanguageDe", "&Datei", "Daten sichern", "Lufttemperatur (°F)", "Maßnahmen sind zu ergreifen."},
    };
    for (const Sample& sample : samples) {
        choose(sample.item);
        EXPECT_EQ(menuTitle("mnuFile").toStdString(), sample.fileMenu) << sample.language;
        EXPECT_EQ(element<QPushButton>(QStringLiteral("cmdSave"))->text().toStdString(), sample.saveButton);
        EXPECT_EQ(caption("Label3").toStdString(), sample.airCaption) << sample.language;
        EXPECT_EQ(caption("lblAnswer").toStdString(), sample.answer) << sample.language;
        EXPECT_TRUE(element<QAction>(QString::fromLatin1(sample.item))->isChecked());
        EXPECT_EQ(Settings::Language().toStdString(), sample.language);
    }
    choose("mnuLanguageEn");
    EXPECT_EQ(menuTitle("mnuFile"), QStringLiteral("&File"));
    EXPECT_EQ(element<QPushButton>(QStringLiteral("cmdSave"))->text(), QStringLiteral("Save Data"));
    EXPECT_EQ(caption("Label3"), QStringLiteral("Air Temperature (°F)"));
    EXPECT_EQ(caption("Label35").left(10), QStringLiteral("Wind speed"));
    EXPECT_EQ(caption("lblAnswer"), englishAnswer);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Brackmere - Concrete Curing Evaporation Rate Calculator "));
}

// The outlook opened after a choice of language speaks it: its title, buttons and table headings.
TEST_F(LanguageWindowTest, TheOutlookOpensInTheLanguageChosen)
{
    choose("mnuLanguageEs");
    frmOutlook* outlook = window->ShowOutlook();
    EXPECT_EQ(outlook->windowTitle().toStdString(), "Pronóstico del día de colado");
    EXPECT_EQ(outlook->findChild<QPushButton*>("cmdFetch")->text().toStdString(), "Obtener pronóstico");
    EXPECT_EQ(outlook->findChild<QPushButton*>("cmdPourReport")->text().toStdString(), "Informe de colado…");
    outlook->close();
}

// A language that writes decimal commas shows them in rates and cells and takes them typed;
// the request keeps the number with a point, and English shows points again.
TEST_F(LanguageWindowTest, NumbersFollowTheLanguageAndKeepTheirValue)
{
    choose("mnuLanguageDe");
    // Typed as a person types it: the whole number first, which puts the scroll bar there.
    enterInputs("80", "50", "90", "10");
    box(QStringLiteral("txtConcreteTemp"))->setText(QStringLiteral("90,4"));
    ASSERT_TRUE(window->calculation().valid);
    EXPECT_EQ(box(QStringLiteral("txtConcreteTemp"))->text(), QStringLiteral("90,4"));
    EXPECT_EQ(window->calculation().request.readings[Input::ConcreteTemp], "90.4");
    const QString rate = caption("lblEvapEqn");
    EXPECT_TRUE(rate.contains(u',') && !rate.contains(u'.')) << rate.toStdString();
    EXPECT_TRUE(caption("lblUserRate(0)").contains(u',')) << caption("lblUserRate(0)").toStdString();
    EXPECT_TRUE(element<QRadioButton>(QStringLiteral("optDefault"))->text().contains(QStringLiteral("0,2")));

    choose("mnuLanguageEn");
    EXPECT_EQ(caption("lblEvapEqn"), QString(rate).replace(u',', u'.'));
    EXPECT_EQ(caption("lblUserRate(0)"), QStringLiteral("0.2"));
    EXPECT_EQ(element<QRadioButton>(QStringLiteral("optDefault"))->text(), QStringLiteral("Use default rate of 0.2 lb/ft²/hr"));
}

}  // namespace
