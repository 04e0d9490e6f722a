#include <QCheckBox>
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
#include "outlook/HourlyMeans.h"
#include "outlook/OutlookTable.h"
#include "outlook/sources/TextDecoding.h"
#include "outlook/frmOutlook.h"
#include "ui/FileDialogs.h"
#include "settings/ForecastKey.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"
#include <QCoreApplication>

namespace {

QString KeyOverHttpText(const QString& server)
{
    return QCoreApplication::translate(
               "frmOutlook",
               "The API key is not sent to %1: over plain http anyone on the way could read it. Use the "
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
std::optional<CsvImport::SourceUnits> AskUnits(QWidget* parent, const CsvImport::Start& read, UnitSystem units)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmImportUnits"));
    dialog.setWindowTitle(QCoreApplication::translate("frmOutlook", "Units of the File"));
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
        form->addRow(QCoreApplication::translate("frmOutlook", "Temperatures are in"), temperature);
    if (read.windUnitMissing)
        form->addRow(QCoreApplication::translate("frmOutlook", "Wind velocities are in"), wind);
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
    const QString path = FileDialogs::OpenFileName(
        this, Settings::FileKind::Csv, QCoreApplication::translate("frmOutlook", "Import Hours from a CSV File"),
        QCoreApplication::translate("frmOutlook", "CSV files and logs (*.csv *.txt *.dat);;All files (*)"));
    if (path.isEmpty())
        return;
    const std::optional<ImportedRows> read = ReadFile(path, {});
    if (!read)
        return;
    if (!read->start.temperatureUnitMissing && !read->start.windUnitMissing) {
        ShowImported(path, *read, {});
        return;
    }
    if (const std::optional<CsvImport::SourceUnits> asked = AskUnits(this, read->start, model_->settings().units))
        ImportFile(path, *asked);
}

// A file of up to 50 MB, its rows as the table shows them: a meter's readings averaged to
// hours as they are read, so that only the hours are held.
std::optional<frmOutlook::ImportedRows> frmOutlook::ReadFile(const QString& path, const CsvImport::SourceUnits& chosen)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (info.isFile() && info.size() > CsvImport::MaxSourceBytes) {
        Report(QCoreApplication::translate("frmOutlook", "The file \"%1\" is %2; the outlook reads files of up to %3.")
                   .arg(shown, CsvImport::SizeText(info.size()), CsvImport::SizeText(CsvImport::MaxSourceBytes)),
               true);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Report(QCoreApplication::translate("frmOutlook", "The file \"%1\" could not be read: %2")
                   .arg(shown, file.errorString()),
               true);
        return std::nullopt;
    }
    CsvImport::Reader reader(file, CsvImport::MaxSourceBytes, model_->settings().units, chosen);
    ImportedRows read;
    read.start = reader.start();
    HourlyMeans::Rows rows(reader, chkEveryReading->isChecked());
    // A large log takes a second or two: it shows how far it has come and can be cancelled.
    QProgressDialog progress(QCoreApplication::translate("frmOutlook", "Reading %1…").arg(shown),
                             QCoreApplication::translate("frmOutlook", "Cancel"), 0,
                             int(info.isFile() ? info.size() / 1024 : 0), this);
    progress.setObjectName(QStringLiteral("frmReading"));
    progress.setWindowModality(Qt::WindowModal);
    std::size_t shownAt = 0;
    for (HourlyReading row; rows.next(row);) {
        read.rows.push_back(std::move(row));
        if (rows.readings() - shownAt >= 8192) {
            shownAt = rows.readings();
            progress.setValue(int(file.pos() / 1024));
            if (progress.wasCanceled())
                return std::nullopt;
        }
    }
    read.averaged = rows.averaged();
    read.readings = rows.readings();
    const QString error = read.start.readable ? reader.stopped() : read.start.error;
    if (!error.isEmpty()) {
        Report(
            QCoreApplication::translate("frmOutlook", "The file \"%1\" could not be imported.\n%2").arg(shown, error),
            true);
        return std::nullopt;
    }
    return read;
}

bool frmOutlook::ImportFile(const QString& path, const CsvImport::SourceUnits& chosen)
{
    const std::optional<ImportedRows> read = ReadFile(path, chosen);
    return read && ShowImported(path, *read, chosen);
}

bool frmOutlook::ShowImported(const QString& path, const ImportedRows& read, const CsvImport::SourceUnits& chosen)
{
    if (!MayReplaceTyped(QCoreApplication::translate("frmOutlook", "the hours of %1").arg(QFileInfo(path).fileName())))
        return false;
    const auto unreadable = std::count_if(read.rows.begin(), read.rows.end(),
                                          [](const HourlyReading& row) { return !row.problem.isEmpty(); });
    int leftOut = 0;
    for (const HourlyReading& row : read.rows)
        leftOut += row.averaged.used > 0 ? row.averaged.leftOut : 0;
    forecast_.reset();
    site_.clear();
    imported_ = {path, chosen};
    source_ = QCoreApplication::translate("frmOutlook", "From %1 (%2): ")
                  .arg(QFileInfo(path).fileName(), read.start.encoding);
    if (read.averaged)
        source_ += QCoreApplication::translate("frmOutlook", "%1 hours, the means of %2 readings")
                       .arg(read.rows.size())
                       .arg(read.readings);
    else
        source_ += QStringLiteral("%1 %2").arg(read.rows.size()).arg(chkEveryReading->isChecked()
                                                                         ? QStringLiteral("readings")
                                                                         : QStringLiteral("hours"));
    if (unreadable > 0)
        source_ += QCoreApplication::translate("frmOutlook", ", %1 with a value that could not be read (marked)")
                       .arg(unreadable);
    if (leftOut > 0)
        source_ += leftOut == 1
                       ? QCoreApplication::translate("frmOutlook", ", 1 unreadable reading left out of the means")
                       : QCoreApplication::translate("frmOutlook", ", %1 unreadable readings left out of the means")
                             .arg(leftOut);
    std::vector<HourlyReading> rows = read.rows;
    for (HourlyReading& row : rows)
        row.source = RecordSource::Csv;
    typed_ = false;
    model_->setReadings(std::move(rows));
    return true;
}

bool frmOutlook::PasteRows(const QString& text)
{
    const CsvImport::Result read = CsvImport::Read(text, model_->settings().units);
    if (!read.readable) {
        Report(QCoreApplication::translate("frmOutlook", "The pasted rows could not be read.\n%1").arg(read.error),
               true);
        return false;
    }
    if (forecast_) {
        forecast_.reset();
        model_->setReadings({});
    }
    site_.clear();
    imported_.reset();
    typed_ = true;
    source_ = QCoreApplication::translate("frmOutlook", "Typed or pasted hours");
    const bool averaged = !chkEveryReading->isChecked() && HourlyMeans::FinerThanHourly(read.rows);
    model_->appendReadings(averaged ? HourlyMeans::Average(read.rows) : read.rows);
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
        Report(QCoreApplication::translate(
                   "frmOutlook",
                   "Type the site's latitude (-90 to 90 °N) and longitude (-180 to 180 °E) in degrees, "
                   "for instance 47.3769 and 8.5417."),
               true);
        return;
    }
    if (!MayReplaceTyped(QCoreApplication::translate("frmOutlook", "the forecast for %1").arg(site->name)))
        return;
    const QString server = Settings::ForecastServer();
    const QString key = key_.Get();
    if (!key.isEmpty() && !Forecast::KeyMayGoTo(QUrl(server.trimmed()))) {
        Report(KeyOverHttpText(server), true);
        return;
    }
    EndProgress();
    progress_ = new QProgressDialog(
        QCoreApplication::translate("frmOutlook", "Fetching the forecast for %1 from %2…").arg(site->name, server),
        QCoreApplication::translate("frmOutlook", "Cancel"), 0, 0, this);
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
    typed_ = false;
    const QString name = cboSite->currentText().trimmed();
    site_ = name.isEmpty() ? Coordinates(answer.latitude, answer.longitude) : name;
    std::vector<HourlyReading> readings = ReadingsFromForecast(answer, model_->settings().units,
                                                               txtHeightFactor->value());
    const auto gaps = std::count_if(readings.begin(), readings.end(),
                                    [](const HourlyReading& hour) { return !hour.problem.isEmpty(); });
    source_ = QCoreApplication::translate("frmOutlook", "Forecast for %1 (%2), %3 hours in the site's time (%4)")
                  .arg(site_, Coordinates(answer.latitude, answer.longitude))
                  .arg(answer.hours.size())
                  .arg(QString::fromUtf8(answer.zone.id()));
    if (gaps > 0)
        source_ += QCoreApplication::translate("frmOutlook", ", %1 without a forecast value (marked)").arg(gaps);
    source_ += QCoreApplication::translate("frmOutlook", ", from %1, fetched %2")
                   .arg(Settings::ForecastServer(), FetchTime(answer.fetched));
    if (kept)
        source_ += QCoreApplication::translate("frmOutlook", " (kept from then: the server was not asked again)");
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
    const std::optional<Forecast::Answer> kept = ForecastCache::Load(CacheFolder(), site->latitude, site->longitude);
    if (kept && MayReplaceTyped(QCoreApplication::translate("frmOutlook", "the forecast kept for %1").arg(site->name)))
        ShowForecast(*kept, true);
}

void frmOutlook::EditServer()
{
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmForecastServer"));
    dialog.setWindowTitle(QCoreApplication::translate("frmOutlook", "Forecast Server"));
    auto* form = new QFormLayout(&dialog);
    auto* server = new QLineEdit(Settings::ForecastServer(), &dialog);
    server->setObjectName(QStringLiteral("txtServer"));
    server->setMinimumWidth(320);
    auto* key = new QLineEdit(key_.Get(), &dialog);
    key->setObjectName(QStringLiteral("txtApiKey"));
    key->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    auto* kept = new QLabel(key_.Where()
                                + QCoreApplication::translate("frmOutlook",
                                                              " It is sent only over https, or over http to this "
                                                              "computer: over plain http anyone on the way could "
                                                              "read it."),
                            &dialog);
    kept->setObjectName(QStringLiteral("lblKeyKept"));
    kept->setWordWrap(true);
    auto* geocoding = new QLineEdit(Settings::GeocodingServer(), &dialog);
    geocoding->setObjectName(QStringLiteral("txtGeocodingServer"));
    form->addRow(QCoreApplication::translate("frmOutlook", "Base URL"), server);
    form->addRow(QCoreApplication::translate("frmOutlook", "Geocoding service (Find Site)"), geocoding);
    form->addRow(QCoreApplication::translate("frmOutlook", "API key (optional)"), key);
    form->addRow(kept);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QUrl url(server->text().trimmed());
    if (!url.isValid() || (url.scheme() != QStringLiteral("http") && url.scheme() != QStringLiteral("https"))) {
        Report(QCoreApplication::translate("frmOutlook", "\"%1\" is not a web address (http:// or https://).")
                   .arg(server->text()),
               true);
        return;
    }
    if (!key->text().trimmed().isEmpty() && !Forecast::KeyMayGoTo(url)) {
        Report(KeyOverHttpText(server->text().trimmed())
                   + QCoreApplication::translate("frmOutlook", " Nothing was changed."),
               true);
        return;
    }
    const QUrl geocodingUrl(geocoding->text().trimmed());
    if (!geocodingUrl.isValid() ||
        (geocodingUrl.scheme() != QStringLiteral("http") && geocodingUrl.scheme() != QStringLiteral("https"))) {
        Report(QCoreApplication::translate("frmOutlook", "\"%1\" is not a web address (http:// or https://).")
                   .arg(geocoding->text()),
               true);
        return;
    }
    Settings::SetGeocodingServer(geocoding->text().trimmed());
    Settings::SetForecastServer(server->text().trimmed());
    key_.Set(key->text().trimmed());
}

QString frmOutlook::CacheFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/forecasts");
}
