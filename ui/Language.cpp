#include "ui/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "settings/Settings.h"

namespace Language {
namespace {

const char* const CurrentProperty = "brackmereLanguage";
const QString ProgramCatalogue = QStringLiteral("brackmereProgramCatalogue");
const QString QtCatalogue = QStringLiteral("brackmereQtCatalogue");

bool Spoken(const QString& code)
{
    for (const Entry& entry : All) {
        if (code == QLatin1String(entry.code))
            return true;
    }
    return false;
}

// "es_MX.UTF-8" and "es" both speak "es"; "C" and "POSIX" speak none.
QString LanguageOf(const QString& locale)
{
    return locale.section(u'_', 0, 0).section(u'.', 0, 0).section(u'@', 0, 0).toLower();
}

void Replace(const QString& name, std::unique_ptr<QTranslator> translator)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (auto* old = app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (!translator)
        return;
    translator->setObjectName(name);
    translator->setParent(app);
    QCoreApplication::installTranslator(translator.release());
}

}  // namespace

QString FromEnvironment()
{
    // LANGUAGE is a list by preference ("es:fr"); the others name one locale.
    for (const QString& wanted : qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts)) {
        if (Spoken(LanguageOf(wanted)))
            return LanguageOf(wanted);
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            return Spoken(LanguageOf(locale)) ? LanguageOf(locale) : QStringLiteral("en");
    }
    return QStringLiteral("en");
}

QString Chosen()
{
    const QString chosen = Settings::Language();
    return Spoken(chosen) ? chosen : FromEnvironment();
}

bool Apply(const QString& code)
{
    const bool spoken = Spoken(code);
    const QString language = spoken ? code : QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    if (language != QLatin1String("en")) {
        program = std::make_unique<QTranslator>();
        if (!program->load(QStringLiteral(":/i18n/brackmere_%1.qm").arg(language)))
            program.reset();
        // Qt's own texts (standard buttons, file dialogs), when the system has them.
        qt = std::make_unique<QTranslator>();
        if (!qt->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt.reset();
    }
    QCoreApplication::instance()->setProperty(CurrentProperty, language);
    // Dates and counts follow the language too; English keeps the system's locale as always.
    QLocale::setDefault(language == QLatin1String("en") ? QLocale::system() : Numbers());
    Replace(QtCatalogue, std::move(qt));
    Replace(ProgramCatalogue, std::move(program));
    return spoken;
}

QString Current()
{
    const QString current = QCoreApplication::instance()->property(CurrentProperty).toString();
    return current.isEmpty() ? QStringLiteral("en") : current;
}

QLocale Numbers()
{
    const QString language = Current();
    if (language == QLatin1String("en"))
        return QLocale::c();
    // The system's own locale where it speaks the language (es_MX writes a decimal point,
    // es_ES a comma); the language's usual one otherwise.
    const QString system = QLocale::system().name();
    QLocale locale(LanguageOf(system) == language ? system : language);
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

}  // namespace Language
