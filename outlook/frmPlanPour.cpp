#include "outlook/frmPlanPour.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTimeZone>

#include "calc/NumberReading.h"
#include "outlook/SiteSearch.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"
#include <QCoreApplication>

namespace {

template <typename T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QDateTimeEdit* HourEdit(QWidget* parent, const char* name, const QDateTime& time)
{
    auto* edit = Named(new QDateTimeEdit(time, parent), name);
    edit->setDisplayFormat(QStringLiteral("ddd d MMM yyyy HH:00"));
    edit->setCalendarPopup(true);
    return edit;
}

}  // namespace

frmPlanPour::frmPlanPour(const QString& site, double latitude, double longitude, const OutlookSettings& settings,
                         QWidget* parent)
    : QDialog(parent), units_(settings.units)
{
    setObjectName(QStringLiteral("frmPlanPour"));
    setWindowTitle(QCoreApplication::translate("frmPlanPour", "Plan a Pour"));
    auto* form = new QFormLayout(this);
    search_ = new SiteSearch(QCoreApplication::translate("frmPlanPour", "Pour"), this);
    txtPourSite = Named(new QLineEdit(site, this), "txtPourSite");
    txtPourLatitude = Named(new QLineEdit(this), "txtPourLatitude");
    txtPourLongitude = Named(new QLineEdit(this), "txtPourLongitude");
    txtPourLatitude->setAccessibleName(QCoreApplication::translate("frmOutlook", "Latitude (°N)"));
    txtPourLongitude->setAccessibleName(QCoreApplication::translate("frmOutlook", "Longitude (°E)"));
    if (!site.isEmpty()) {
        txtPourLatitude->setText(QString::number(latitude, 'f', 4));
        txtPourLongitude->setText(QString::number(longitude, 'f', 4));
    }
    lblPourZone = Named(new QLabel(this), "lblPourZone");
    SetZone({});
    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(txtPourLatitude);
    coordinates->addWidget(new QLabel(QStringLiteral("°N"), this));
    coordinates->addWidget(txtPourLongitude);
    coordinates->addWidget(new QLabel(QStringLiteral("°E"), this));

    // Tomorrow morning, the usual time a pour starts.
    const QDateTime start(QDate::currentDate().addDays(1), QTime(7, 0));
    dtpPourStart = HourEdit(this, "dtpPourStart", start);
    dtpPourEnd = HourEdit(this, "dtpPourEnd", start.addSecs(5 * 3600));

    cboPourMix = Named(new QComboBox(this), "cboPourMix");
    for (const MixPresetEntry& preset : MixPresets)
        cboPourMix->addItem(Q(preset.name), QVariant::fromValue(int(preset.preset)));
    cboPourMix->setCurrentIndex(int(settings.choice == ThresholdChoice::Default ? MixPreset::Standard : MixPreset::Custom));
    txtPourThreshold = Named(new QLineEdit(this), "txtPourThreshold");
    txtPourThreshold->setText(Q(settings.thresholdText()));
    txtPourThreshold->setAccessibleName(QCoreApplication::translate("frmPlanPour", "Threshold"));
    auto* threshold = new QHBoxLayout;
    threshold->addWidget(cboPourMix);
    threshold->addWidget(txtPourThreshold);
    threshold->addWidget(new QLabel(UnitCaptions::Symbol(Quantity::Rate, units_), this));

    optPourConcreteOffset
        = Named(new QRadioButton(QCoreApplication::translate("frmPlanPour", "Concrete = air +"), this),
                "optPourConcreteOffset");
    optPourConcreteConstant = Named(new QRadioButton(QCoreApplication::translate("frmPlanPour", "Concrete ="), this),
                                    "optPourConcreteConstant");
    txtPourConcrete = Named(new QDoubleSpinBox(this), "txtPourConcrete");
    txtPourConcrete->setRange(-60, 200);
    txtPourConcrete->setDecimals(1);
    txtPourConcrete->setValue(settings.concrete.value);
    txtPourConcrete->setAccessibleName(QCoreApplication::translate("frmPlanPour", "Where the forecast has no value"));
    (settings.concrete.kind == ConcreteRule::Kind::Constant ? optPourConcreteConstant : optPourConcreteOffset)
        ->setChecked(true);
    auto* concrete = new QHBoxLayout;
    concrete->addWidget(optPourConcreteOffset);
    concrete->addWidget(optPourConcreteConstant);
    concrete->addWidget(txtPourConcrete);
    concrete->addWidget(new QLabel(UnitCaptions::Symbol(Quantity::Temperature, units_), this));

    form->addRow(QCoreApplication::translate("frmPlanPour", "Find a site"), search_);
    form->addRow(QCoreApplication::translate("frmPlanPour", "Site"), txtPourSite);
    form->addRow(QCoreApplication::translate("frmPlanPour", "Coordinates"), coordinates);
    form->addRow(QCoreApplication::translate("frmPlanPour", "Time zone"), lblPourZone);
    form->addRow(QCoreApplication::translate("frmPlanPour", "Start"), dtpPourStart);
    form->addRow(QCoreApplication::translate("frmPlanPour", "End"), dtpPourEnd);
    form->addRow(QCoreApplication::translate("frmPlanPour", "Threshold"), threshold);
    form->addRow(QCoreApplication::translate("frmPlanPour", "Where the forecast has no value"), concrete);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);

    connect(search_, &SiteSearch::chosen, this, [this](const Geocoding::Place& place) {
        txtPourSite->setText(place.Label());
        txtPourLatitude->setText(QString::number(place.latitude, 'f', 4));
        txtPourLongitude->setText(QString::number(place.longitude, 'f', 4));
        SetZone(place.timeZone);
    });
    connect(search_, &SiteSearch::problem, this, [this](const QString& message) {
        Msg::Box(this, message, Msg::Buttons::Ok, Msg::Icon::Exclamation, windowTitle());
    });
    connect(cboPourMix, &QComboBox::currentIndexChanged, this, &frmPlanPour::ChooseMix);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        QString why;
        if (pour(why))
            accept();
        else
            Msg::Box(this, why, Msg::Buttons::Ok, Msg::Icon::Exclamation, windowTitle());
    });
}

// A preset writes its rate; Standard the system's default; Custom leaves the rate to type.
void frmPlanPour::ChooseMix()
{
    const auto preset = MixPreset(cboPourMix->currentData().toInt());
    if (preset == MixPreset::Custom)
        return;
    const std::optional<std::string_view> rate = PresetRateText(preset, units_);
    txtPourThreshold->setText(Q(rate.value_or(ThresholdsOf(units_).shallText)));
}

void frmPlanPour::SetZone(const QString& zone)
{
    zone_ = zone;
    lblPourZone->setText(zone.isEmpty() ? QCoreApplication::translate(
                                              "frmPlanPour", "this computer's (%1): find the site to use its own")
                                              .arg(QString::fromUtf8(QTimeZone::systemTimeZoneId()))
                                        : zone);
}

std::optional<PlannedPour> frmPlanPour::pour(QString& why) const
{
    bool latitudeRead = false;
    bool longitudeRead = false;
    const double latitude = QLocale::c().toDouble(txtPourLatitude->text().trimmed(), &latitudeRead);
    const double longitude = QLocale::c().toDouble(txtPourLongitude->text().trimmed(), &longitudeRead);
    if (txtPourSite->text().trimmed().isEmpty()) {
        why = QCoreApplication::translate("frmPlanPour", "Name the site, or find it by name or postcode.");
        return std::nullopt;
    }
    if (!latitudeRead || !longitudeRead || std::abs(latitude) > 90 || std::abs(longitude) > 180) {
        why = QCoreApplication::translate(
            "frmPlanPour", "Type the site's latitude (-90 to 90 °N) and longitude (-180 to 180 °E) in degrees.");
        return std::nullopt;
    }
    const QTimeZone zone = zone_.isEmpty() ? QTimeZone::systemTimeZone() : QTimeZone(zone_.toUtf8());
    const auto instant = [&zone](const QDateTimeEdit* edit) {
        const QDateTime shown = edit->dateTime();
        return QDateTime(shown.date(), QTime(shown.time().hour(), 0), zone).toUTC();
    };
    PlannedPour planned;
    planned.site = txtPourSite->text().trimmed();
    planned.latitude = latitude;
    planned.longitude = longitude;
    planned.timeZone = zone_.isEmpty() ? QString::fromUtf8(QTimeZone::systemTimeZoneId()) : zone_;
    planned.start = instant(dtpPourStart);
    planned.end = instant(dtpPourEnd);
    if (planned.end <= planned.start) {
        why = QCoreApplication::translate("frmPlanPour", "The pour's end must come after its start.");
        return std::nullopt;
    }
    planned.units = Q(Units::Code(units_));
    const std::string threshold = Std(txtPourThreshold->text().trimmed());
    if (!IsNumericText(threshold) || !(ReadNumber(threshold) > 0)) {
        why = QCoreApplication::translate("frmPlanPour", "The threshold must be a rate above 0 in %1, not \"%2\".")
                  .arg(UnitCaptions::Symbol(Quantity::Rate, units_), txtPourThreshold->text());
        return std::nullopt;
    }
    planned.threshold = ReadNumber(threshold) == ThresholdsOf(units_).shall ? QString() : Q(threshold);
    planned.mix = Q(PresetOf(MixPreset(cboPourMix->currentData().toInt())).code);
    planned.concreteConstant = optPourConcreteConstant->isChecked();
    planned.concreteValue = txtPourConcrete->value();
    return planned;
}
