#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTableView>

#include "calc/NumberReading.h"
#include "outlook/OutlookTable.h"
#include "outlook/frmOutlook.h"
#include "ui/FileDialogs.h"
#include "settings/ForecastKey.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"

namespace {

QString KeyOverHttpText(const QString& server)
{
    return QStringLiteral("The API key is not sent to %1: over plain http anyone on the way could read it. Use the "
                          "server's https:// address, or leave the key empty.")
        .arg(server);
}

QString FetchTime(const QDateTime& fetched)
{
    return QLocale::c().toString(fetched.toLocalTime(), QStringLiteral("ddd d MMM yyyy HH:mm"));
}

QString Coordinates(double latitude, double longitude)
{
    return QStringLiteral("%1 %2, %3 %4")
        .arg(std::abs(latitude), 0, 'f', 4)
        .arg(QChar(latitude < 0 ? u'S' : u'N'))
        .arg(std::abs(longitude), 0, 'f', 4)
        .arg(QChar(longitude < 0 ? u'W' : u'E'));
}

// Asks for the units a file's header does not name; nothing when the user cancels.
std::optional<CsvImport::SourceUnits> AskUnits(QWidget* parent, const CsvImport::Result& read, UnitSystem units)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmImportUnits"));
    dialog.setWindowTitle(QStringLiteral("Units of the File"));
    auto* form = new QFormLayout(&dialog);
    // Every unit known of the quantity, the one of the units shown first chosen.
    const auto unitChoice = [&dialog, units](const char* name, Quantity quantity) {
        auto* box = new QComboBox(&dialog);
        box->setObjectName(QString::fromLatin1(name));
        for (const Units::Unit* unit : Units::Known()) {
            if (unit->quantity == quantity)
                box->addItem(Q(unit->symbol), QVariant::fromValue(static_cast<const void*>(unit)));
        }
        box->setCurrentIndex(box->findText(Q(Units::Symbol(quantity, units))));
        return box;
    };
    auto* temperature = unitChoice("cboTemperatureUnit", Quantity::Temperature);
    auto* wind = unitChoice("cboWindUnit", Quantity::Wind);
    if (read.temperatureUnitMissing)
        form->addRow(QStringLiteral("Temperatures are in"), temperature);
    if (read.windUnitMissing)
        form->addRow(QStringLiteral("Wind velocities are in"), wind);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const auto chosenUnit = [](const QComboBox* box) {
        return static_cast<const Units::Unit*>(box->currentData().value<const void*>());
    };
    CsvImport::SourceUnits chosen;
    if (read.temperatureUnitMissing)
        chosen.temperature = chosenUnit(temperature);
    if (read.windUnitMissing)
        chosen.wind = chosenUnit(wind);
    return chosen;
}

}  // namespace

void frmOutlook::AskForCsv()
{
    const QString path =
        FileDialogs::OpenFileName(this, Settings::FileKind::Csv, QStringLiteral("Import Hours from a CSV File"),
                                  QStringLiteral("CSV files (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Report(QStringLiteral("The file \"%1\" could not be read: %2").arg(QDir::toNativeSeparators(path),
                                                                           file.errorString()), true);
        return;
    }
    const CsvImport::Result read =
        CsvImport::Read(QString::fromUtf8(file.readAll()), model_->settings().units);
    CsvImport::SourceUnits chosen;
    if (read.readable && (read.temperatureUnitMissing || read.windUnitMissing)) {
        const std::optional<CsvImport::SourceUnits> asked = AskUnits(this, read, model_->settings().units);
        if (!asked)
            return;
        chosen = *asked;
    }
    ImportFile(path, chosen);
}

bool frmOutlook::ImportFile(const QString& path, const CsvImport::SourceUnits& chosen)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Report(QStringLiteral("The file \"%1\" could not be read: %2").arg(shown, file.errorString()), true);
        return false;
    }
    const CsvImport::Result read = CsvImport::Read(QString::fromUtf8(file.readAll()), model_->settings().units, chosen);
    if (!read.readable) {
        Report(QStringLiteral("The file \"%1\" could not be imported.\n%2").arg(shown, read.error), true);
        return false;
    }
    const auto unreadable = std::count_if(read.rows.begin(), read.rows.end(),
                                          [](const HourlyReading& row) { return !row.problem.isEmpty(); });
    forecast_.reset();
    site_.clear();
    source_ = QStringLiteral("From %1: %2 hours").arg(QFileInfo(path).fileName()).arg(read.rows.size());
    if (unreadable > 0)
        source_ += QStringLiteral(", %1 with a value that could not be read (marked)").arg(unreadable);
    std::vector<HourlyReading> rows = read.rows;
    for (HourlyReading& row : rows)
        row.source = RecordSource::Csv;
    model_->setReadings(std::move(rows));
    return true;
}

bool frmOutlook::PasteRows(const QString& text)
{
    const CsvImport::Result read = CsvImport::Read(text, model_->settings().units);
    if (!read.readable) {
        Report(QStringLiteral("The pasted rows could not be read.\n%1").arg(read.error), true);
        return false;
    }
    if (forecast_) {
        forecast_.reset();
        model_->setReadings({});
    }
    site_.clear();
    source_ = QStringLiteral("Typed or pasted hours");
    model_->appendReadings(read.rows);
    return true;
}

std::optional<Settings::Site> frmOutlook::SiteFromFields()
{
    bool latitudeRead = false;
    bool longitudeRead = false;
    const double latitude = QLocale::c().toDouble(txtLatitude->text().trimmed(), &latitudeRead);
    const double longitude = QLocale::c().toDouble(txtLongitude->text().trimmed(), &longitudeRead);
    if (!latitudeRead || !longitudeRead || std::abs(latitude) > 90 || std::abs(longitude) > 180)
        return std::nullopt;
    const QString name = cboSite->currentText().trimmed();
    return Settings::Site{name.isEmpty() ? Coordinates(latitude, longitude) : name, latitude, longitude};
}

void frmOutlook::FetchForecast()
{
    const std::optional<Settings::Site> site = SiteFromFields();
    if (!site) {
        Report(QStringLiteral("Type the site's latitude (-90 to 90 °N) and longitude (-180 to 180 °E) in degrees, "
                              "for instance 47.3769 and 8.5417."),
               true);
        return;
    }
    const QString server = Settings::ForecastServer();
    const QString key = key_.Get();
    if (!key.isEmpty() && !Forecast::KeyMayGoTo(QUrl(server.trimmed()))) {
        Report(KeyOverHttpText(server), true);
        return;
    }
    EndProgress();
    progress_ = new QProgressDialog(QStringLiteral("Fetching the forecast for %1 from %2…").arg(site->name, server),
                                    QStringLiteral("Cancel"), 0, 0, this);
    progress_->setObjectName(QStringLiteral("frmFetching"));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    connect(progress_, &QProgressDialog::canceled, this, [this] {
        client_.cancel();
        EndProgress();
    });
    client_.fetch({.server = server,
                   .apiKey = key,
                   .latitude = site->latitude,
                   .longitude = site->longitude,
                   .days = txtForecastDays->value()});
    progress_->show();
}

void frmOutlook::ShowForecast(const Forecast::Answer& answer, bool kept)
{
    forecast_ = answer;
    forecastKept_ = kept;
    const QString name = cboSite->currentText().trimmed();
    site_ = name.isEmpty() ? Coordinates(answer.latitude, answer.longitude) : name;
    std::vector<HourlyReading> readings = ReadingsFromForecast(answer, model_->settings().units,
                                                               txtHeightFactor->value());
    const auto gaps = std::count_if(readings.begin(), readings.end(),
                                    [](const HourlyReading& hour) { return !hour.problem.isEmpty(); });
    source_ = QStringLiteral("Forecast for %1 (%2), %3 hours in the site's time (%4)")
                  .arg(site_, Coordinates(answer.latitude, answer.longitude))
                  .arg(answer.hours.size())
                  .arg(QString::fromUtf8(answer.zone.id()));
    if (gaps > 0)
        source_ += QStringLiteral(", %1 without a forecast value (marked)").arg(gaps);
    source_ += QStringLiteral(", from %1, fetched %2").arg(Settings::ForecastServer(), FetchTime(answer.fetched));
    if (kept)
        source_ += QStringLiteral(" (kept from then: the server was not asked again)");
    model_->setReadings(std::move(readings));
}

// The site chosen in the list opens with the forecast kept for it, if any.
void frmOutlook::LoadKeptForecast()
{
    const std::vector<Settings::Site> sites = Settings::Sites();
    const auto site = std::find_if(sites.begin(), sites.end(),
                                   [this](const Settings::Site& s) { return s.name == cboSite->currentText(); });
    if (site == sites.end())
        return;
    txtLatitude->setText(QString::number(site->latitude, 'f', 4));
    txtLongitude->setText(QString::number(site->longitude, 'f', 4));
    if (const std::optional<Forecast::Answer> kept = ForecastCache::Load(CacheFolder(), site->latitude, site->longitude))
        ShowForecast(*kept, true);
}

void frmOutlook::EditServer()
{
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmForecastServer"));
    dialog.setWindowTitle(QStringLiteral("Forecast Server"));
    auto* form = new QFormLayout(&dialog);
    auto* server = new QLineEdit(Settings::ForecastServer(), &dialog);
    server->setObjectName(QStringLiteral("txtServer"));
    server->setMinimumWidth(320);
    auto* key = new QLineEdit(key_.Get(), &dialog);
    key->setObjectName(QStringLiteral("txtApiKey"));
    key->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    auto* kept = new QLabel(key_.Where() + QStringLiteral(" It is sent only over https, or over http to this "
                                                          "computer: over plain http anyone on the way could "
                                                          "read it."),
                            &dialog);
    kept->setObjectName(QStringLiteral("lblKeyKept"));
    kept->setWordWrap(true);
    form->addRow(QStringLiteral("Base URL"), server);
    form->addRow(QStringLiteral("API key (optional)"), key);
    form->addRow(kept);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QUrl url(server->text().trimmed());
    if (!url.isValid() || (url.scheme() != QStringLiteral("http") && url.scheme() != QStringLiteral("https"))) {
        Report(QStringLiteral("\"%1\" is not a web address (http:// or https://).").arg(server->text()), true);
        return;
    }
    if (!key->text().trimmed().isEmpty() && !Forecast::KeyMayGoTo(url)) {
        Report(KeyOverHttpText(server->text().trimmed()) + QStringLiteral(" Nothing was changed."), true);
        return;
    }
    Settings::SetForecastServer(server->text().trimmed());
    key_.Set(key->text().trimmed());
}

QString frmOutlook::CacheFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/forecasts");
}
