#include "outlook/frmOutlook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "calc/Calculation.h"
#include "calc/NomographRun.h"
#include "outlook/OutlookChart.h"
#include "outlook/OutlookTable.h"
#include "outlook/SiteTime.h"
#include "records/RecordsStore.h"
#include "ui/TabOrder.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"
#include "ui/WindowFont.h"
#include "ui/frmMeasures.h"
#include <QCoreApplication>

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

template <typename T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A caption that names the element it stands before, for a screen reader.
QLabel* Caption(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

}  // namespace

frmOutlook::frmOutlook(RecordsStore& store, ForecastKey& key, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store), key_(key), model_(new OutlookTable(this))
{
    setObjectName(QStringLiteral("frmOutlook"));
    setWindowTitle(QCoreApplication::translate("frmOutlook", "Pour-Day Outlook"));
    setFont(WindowFont());
    BuildElements();
    ConnectHandlers();

    OutlookSettings settings;
    settings.concrete = {Settings::ConcreteIsConstant() ? ConcreteRule::Kind::Constant : ConcreteRule::Kind::AirPlusOffset,
                         ConcreteRuleValue(settings.units)};
    settings.safeHours = Settings::SafeHours();
    model_->setSettings(settings);
    LoadKeptForecast();
    // As large as a 1024 × 768 screen leaves room for, and no larger.
    resize(980, 700);
}

frmOutlook::~frmOutlook() = default;

// Every column as wide as its caption, the time as its longest form with the zone it is
// shown in, the band as its mark; the message takes the rest.
void frmOutlook::FitColumns()
{
    QHeaderView* header = tblHours->horizontalHeader();
    for (int column = 0; column < OutlookTable::Message; ++column)
        tblHours->setColumnWidth(column, header->sectionSizeHint(column) + 8);
    tblHours->setColumnWidth(OutlookTable::Band,
                             std::max(header->sectionSizeHint(OutlookTable::Band),
                                      tblHours->fontMetrics().horizontalAdvance(OutlookTable::BorderlineMark()) + 16));
    tblHours->setColumnWidth(OutlookTable::Time,
                             std::max(header->sectionSizeHint(OutlookTable::Time),
                                      tblHours->fontMetrics().horizontalAdvance(
                                          OutlookTable::WidestTimeText(model_->hours())) + 16));
}

void frmOutlook::BuildElements()
{
    auto* forecast = Named(new QGroupBox(QCoreApplication::translate("frmOutlook", "Forecast"), this), "fraForecast");
    cboSite = Named(new QComboBox(forecast), "cboSite");
    cboSite->setEditable(true);
    cboSite->setMinimumContentsLength(16);
    cboSite->lineEdit()->setPlaceholderText(QCoreApplication::translate("frmOutlook", "Site name"));
    for (const Settings::Site& site : Settings::Sites())
        cboSite->addItem(site.name);
    txtLatitude = Named(new QLineEdit(forecast), "txtLatitude");
    txtLongitude = Named(new QLineEdit(forecast), "txtLongitude");
    for (QLineEdit* box : {txtLatitude, txtLongitude})
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-180.00000")) + 12);
    txtForecastDays = Named(new QSpinBox(forecast), "txtForecastDays");
    txtForecastDays->setRange(Settings::MinForecastDays, Settings::MaxForecastDays);
    txtForecastDays->setSuffix(QCoreApplication::translate("frmOutlook", " days"));
    txtForecastDays->setToolTip(
        QCoreApplication::translate("frmOutlook",
                                    "How many days the forecast covers, 1 to 16. Hours past a model's "
                                    "horizon may come without values."));
    txtForecastDays->setValue(Settings::ForecastDays());
    cmdFetch = MakeButton(forecast, "cmdFetch", QCoreApplication::translate("frmOutlook", "Fetch Forecast"));
    cmdServer = MakeButton(forecast, "cmdServer", QCoreApplication::translate("frmOutlook", "Server…"));
    auto* forecastRow = new QHBoxLayout(forecast);
    forecastRow->addWidget(Caption(QCoreApplication::translate("frmOutlook", "Site"), cboSite));
    forecastRow->addWidget(cboSite, 1);
    forecastRow->addWidget(Caption(QCoreApplication::translate("frmOutlook", "Latitude (°N)"), txtLatitude));
    forecastRow->addWidget(txtLatitude);
    forecastRow->addWidget(Caption(QCoreApplication::translate("frmOutlook", "Longitude (°E)"), txtLongitude));
    forecastRow->addWidget(txtLongitude);
    forecastRow->addWidget(txtForecastDays);
    forecastRow->addWidget(cmdFetch);
    forecastRow->addWidget(cmdServer);

    auto* rows = Named(new QGroupBox(QCoreApplication::translate("frmOutlook", "Hours"), this), "fraHours");
    cmdImport = MakeButton(rows, "cmdImport", QCoreApplication::translate("frmOutlook", "Import CSV…"));
    cmdPaste = MakeButton(rows, "cmdPaste", QCoreApplication::translate("frmOutlook", "Paste Rows"));
    cmdAddHour = MakeButton(rows, "cmdAddHour", QCoreApplication::translate("frmOutlook", "Add Hour"));
    cmdDeleteHours = MakeButton(rows, "cmdDeleteHours", QCoreApplication::translate("frmOutlook", "Delete Hours"));
    chkEveryReading
        = Named(new QCheckBox(QCoreApplication::translate("frmOutlook", "Every reading"), rows), "chkEveryReading");
    chkEveryReading->setToolTip(
        QCoreApplication::translate("frmOutlook",
                                    "A meter's readings one row each, rather than the means of each "
                                    "clock hour; an imported file is read again."));
    cboSun = Named(new QComboBox(rows), "cboSun");
    // The list speaks the language; the words kept with the hours stay English (SunWords).
    static const char* const sunShown[]
        = {QT_TRANSLATE_NOOP("frmOutlook", "Sunny"), QT_TRANSLATE_NOOP("frmOutlook", "Shaded"),
           QT_TRANSLATE_NOOP("frmOutlook", "Unknown")};
    static_assert(std::size(sunShown) == std::size(AllSunOnSlab));
    for (std::size_t i = 0; i < std::size(AllSunOnSlab); ++i)
        cboSun->addItem(QCoreApplication::translate("frmOutlook", sunShown[i]), int(AllSunOnSlab[i]));
    cboSun->setCurrentIndex(cboSun->findData(int(SunOnSlab::Unknown)));
    cboSun->setToolTip(
        QCoreApplication::translate("frmOutlook",
                                    "Recorded and printed with the hours; it changes no rate. Direct sun can double "
                                    "what shade gives, but no published model of its effect yet agrees well "
                                    "enough with measured evaporation."));
    auto* sunLabel = new QLabel(QCoreApplication::translate("frmOutlook", "Sun on the slab"), rows);
    sunLabel->setBuddy(cboSun);
    auto* rowButtons = new QHBoxLayout(rows);
    for (QPushButton* button : {cmdImport, cmdPaste, cmdAddHour, cmdDeleteHours})
        rowButtons->addWidget(button);
    rowButtons->addWidget(chkEveryReading);
    rowButtons->addSpacing(16);
    rowButtons->addStretch();
    rowButtons->addWidget(sunLabel);
    rowButtons->addWidget(cboSun);

    auto* rules = Named(new QGroupBox(QCoreApplication::translate("frmOutlook", "Where the source has no value"), this),
                        "fraRules");
    optConcreteOffset = Named(new QRadioButton(QCoreApplication::translate("frmOutlook", "Concrete = air +"), rules),
                              "optConcreteOffset");
    optConcreteConstant = Named(new QRadioButton(QCoreApplication::translate("frmOutlook", "Concrete ="), rules),
                                "optConcreteConstant");
    txtConcrete = Named(new QDoubleSpinBox(rules), "txtConcrete");
    txtConcrete->setRange(-60, 200);
    txtConcrete->setDecimals(1);
    lblConcreteUnit = new QLabel(rules);
    txtHeightFactor = Named(new QDoubleSpinBox(rules), "txtHeightFactor");
    txtHeightFactor->setRange(0.1, 1.0);
    txtHeightFactor->setDecimals(2);
    txtHeightFactor->setSingleStep(0.01);
    txtHeightFactor->setToolTip(
        QCoreApplication::translate("frmOutlook",
                                    "Forecast wind is given 10 m above ground; the nomograph wants it about "
                                    "0.5 m above the slab. 0.65 is the 1/7 power law; 1 leaves it."));
    auto* rulesRow = new QHBoxLayout(rules);
    rulesRow->addWidget(optConcreteOffset);
    rulesRow->addWidget(optConcreteConstant);
    rulesRow->addWidget(txtConcrete);
    rulesRow->addWidget(lblConcreteUnit);
    rulesRow->addSpacing(12);
    rulesRow->addWidget(Caption(QCoreApplication::translate("frmOutlook", "Wind height factor"), txtHeightFactor));
    rulesRow->addWidget(txtHeightFactor);
    rulesRow->addStretch();

    // The safe window's own radio buttons, in a box of their own so that they exclude only each other.
    auto* safe = Named(new QGroupBox(QCoreApplication::translate("frmOutlook", "Safe window"), this), "fraSafeWindow");
    txtWindowHours = Named(new QSpinBox(safe), "txtWindowHours");
    txtWindowHours->setRange(1, 48);
    txtWindowHours->setSuffix(QStringLiteral(" h"));
    txtWindowHours->setToolTip(
        QCoreApplication::translate("frmOutlook", "The next window looked for is at least this long."));
    optSafeBelowThreshold
        = Named(new QRadioButton(QCoreApplication::translate("frmOutlook", "Below the threshold"), safe),
                "optSafeBelowThreshold");
    optSafeBelowThreshold->setToolTip(
        QCoreApplication::translate("frmOutlook", "Hours not above the threshold in force are safe."));
    optSafeOkOnly
        = Named(new QRadioButton(QCoreApplication::translate("frmOutlook", "“OK” only"), safe), "optSafeOkOnly");
    auto* safeRow = new QHBoxLayout(safe);
    safeRow->addWidget(Caption(QCoreApplication::translate("frmOutlook", "At least"), txtWindowHours));
    safeRow->addWidget(txtWindowHours);
    safeRow->addWidget(optSafeBelowThreshold);
    safeRow->addWidget(optSafeOkOnly);

    tblHours = Named(new QTableView(this), "tblHours");
    tblHours->setModel(model_);
    tblHours->setAccessibleName(rows->title());
    tblHours->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblHours->horizontalHeader()->setStretchLastSection(true);
    tblHours->verticalHeader()->setDefaultSectionSize(tblHours->fontMetrics().height() + 4);
    FitColumns();
    // A new set of hours resets the header's sizes, and a new unit system its captions.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { FitColumns(); });
    connect(model_, &QAbstractItemModel::headerDataChanged, this, [this] { FitColumns(); });
    chart_ = Named(new OutlookChart(this), "picRateOverTime");
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(tblHours);
    split->addWidget(chart_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    lblWindow = Named(new QLabel(this), "lblWindow");
    lblWindow->setWordWrap(true);
    QFont bold = lblWindow->font();
    bold.setBold(true);
    lblWindow->setFont(bold);
    lblSource = Named(new QLabel(this), "lblSource");
    lblSource->setWordWrap(true);
    lblSource->setTextFormat(Qt::PlainText);

    cmdShowHour = MakeButton(this, "cmdShowHour", QCoreApplication::translate("frmOutlook", "Show Hour in Calculator"));
    cmdSaveRecords
        = MakeButton(this, "cmdSaveRecords", QCoreApplication::translate("frmOutlook", "Save Hours as Records"));
    cmdMeasures = MakeButton(this, "cmdMeasures", QCoreApplication::translate("frmOutlook", "Measures…"));
    cmdMeasures->setToolTip(QCoreApplication::translate(
        "frmOutlook", "What a crew does against plastic cracking for the selected hour's class."));
    cmdPourReport = MakeButton(this, "cmdPourReport", QCoreApplication::translate("frmOutlook", "Pour Report…"));
    cmdPrint = MakeButton(this, "cmdPrint", QCoreApplication::translate("frmOutlook", "Print…"));
    cmdPdf = MakeButton(this, "cmdPdf", QCoreApplication::translate("frmOutlook", "Save as PDF…"));
    cmdClose = MakeButton(this, "cmdClose", QCoreApplication::translate("frmOutlook", "Close"));
    auto* actions = new QHBoxLayout;
    for (QPushButton* button : {cmdShowHour, cmdSaveRecords, cmdMeasures})
        actions->addWidget(button);
    actions->addStretch();
    for (QPushButton* button : {cmdPourReport, cmdPrint, cmdPdf, cmdClose})
        actions->addWidget(button);

    auto* menus = new QMenuBar(this);
    QMenu* edit = menus->addMenu(QCoreApplication::translate("frmOutlook", "&Edit"));
    edit->setObjectName(QStringLiteral("mnuOutlookEdit"));
    mnuUndo = edit->addAction(QCoreApplication::translate("frmOutlook", "&Undo Delete Hours"));
    mnuUndo->setObjectName(QStringLiteral("mnuUndoDelete"));
    mnuUndo->setShortcut(QKeySequence::Undo);
    edit->addSeparator();
    for (QPushButton* button : {cmdPaste, cmdAddHour})
        connect(edit->addAction(button->text()), &QAction::triggered, button, &QPushButton::click);

    auto* choices = new QHBoxLayout;
    choices->addWidget(rules, 1);
    choices->addWidget(safe);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(forecast);
    layout->addWidget(rows);
    layout->addLayout(choices);
    BuildPlannedPours(layout);
    // Tab reads the window top to bottom: the planned pours stand between the choices and the hours.
    SetTabOrder(this, {"optSafeOkOnly", "txtSiteSearch", "cmdFindSite", "lstSiteMatches", "cmdPlanPour",
                       "cmdDeletePour", "lstPlannedPours", "tblHours"});
    layout->addWidget(split, 1);
    layout->addWidget(lblWindow);
    layout->addWidget(lblSource);
    layout->addLayout(actions);

    const bool constant = Settings::ConcreteIsConstant();
    (constant ? optConcreteConstant : optConcreteOffset)->setChecked(true);
    txtConcrete->setValue(ConcreteRuleValue(UnitSystem::US));
    txtHeightFactor->setValue(Settings::HeightFactor());
    txtWindowHours->setValue(Settings::WindowHours());
    (Settings::SafeHours() == SafeCriterion::OkOnly ? optSafeOkOnly : optSafeBelowThreshold)->setChecked(true);
    UpdatePourReport();
}

void frmOutlook::ConnectHandlers()
{
    connect(model_, &OutlookTable::hoursChanged, this, &frmOutlook::Refresh);
    connect(tblHours->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ChooseHour(current.row()); });
    connect(chart_, &OutlookChart::hourClicked, this, [this](std::size_t hour) {
        tblHours->selectRow(int(hour));
        ChooseHour(int(hour));
    });
    connect(cboSite, &QComboBox::currentIndexChanged, this, [this] { LoadKeptForecast(); });
    connect(txtForecastDays, &QSpinBox::valueChanged, this, [](int days) { Settings::SetForecastDays(days); });
    connect(cmdFetch, &QPushButton::clicked, this, &frmOutlook::FetchForecast);
    connect(cmdServer, &QPushButton::clicked, this, &frmOutlook::EditServer);
    connect(cmdImport, &QPushButton::clicked, this, &frmOutlook::AskForCsv);
    connect(cmdPaste, &QPushButton::clicked, this, [this] { PasteRows(QGuiApplication::clipboard()->text()); });
    connect(cmdAddHour, &QPushButton::clicked, this, &frmOutlook::AddHour);
    connect(cmdDeleteHours, &QPushButton::clicked, this, &frmOutlook::DeleteHours);
    connect(chkEveryReading, &QCheckBox::toggled, this, [this] {
        if (imported_ && !forecast_)
            ImportFile(imported_->path, imported_->units);
    });
    // The count of readings shows only where hours are a meter's means.
    const auto showCount = [this] {
        const std::vector<HourlyReading>& rows = model_->readings();
        const bool any = std::any_of(rows.begin(), rows.end(), [](const auto& row) { return row.averaged.any(); });
        tblHours->setColumnHidden(OutlookTable::ReadingCount, !any);
    };
    showCount();
    connect(model_, &QAbstractItemModel::modelReset, this, showCount);
    connect(model_, &QAbstractItemModel::rowsInserted, this, showCount);
    for (QRadioButton* option : {optConcreteOffset, optConcreteConstant})
        connect(option, &QRadioButton::toggled, this, [this](bool on) { if (on) ApplyRules(); });
    connect(txtConcrete, &QDoubleSpinBox::valueChanged, this, &frmOutlook::ApplyRules);
    connect(txtHeightFactor, &QDoubleSpinBox::valueChanged, this, &frmOutlook::ApplyRules);
    connect(txtWindowHours, &QSpinBox::valueChanged, this, [this] {
        Settings::SetWindowHours(txtWindowHours->value());
        Refresh();
    });
    for (QRadioButton* option : {optSafeBelowThreshold, optSafeOkOnly}) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            const SafeCriterion criterion =
                optSafeOkOnly->isChecked() ? SafeCriterion::OkOnly : SafeCriterion::BelowThreshold;
            Settings::SetSafeHours(criterion);
            OutlookSettings settings = model_->settings();
            settings.safeHours = criterion;
            model_->setSettings(settings);
        });
    }
    connect(cboSun, &QComboBox::currentIndexChanged, this, [this] {
        OutlookSettings settings = model_->settings();
        settings.sun = SunOnSlab(cboSun->currentData().toInt());
        model_->setSettings(settings);
    });
    connect(model_, &OutlookTable::readingEdited, this, &frmOutlook::MarkEdited);
    connect(mnuUndo, &QAction::triggered, this, &frmOutlook::UndoDelete);
    connect(cmdMeasures, &QPushButton::clicked, this, &frmOutlook::ShowMeasures);
    connect(cmdPourReport, &QPushButton::clicked, this, &frmOutlook::pourReportRequested);
    connect(tblHours->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmOutlook::UpdateMeasures);
    connect(cmdShowHour, &QPushButton::clicked, this, [this] { ChooseHour(tblHours->currentIndex().row()); });
    connect(cmdSaveRecords, &QPushButton::clicked, this, &frmOutlook::SaveSelectedAsRecords);
    connect(cmdPrint, &QPushButton::clicked, this, &frmOutlook::PrintOutlook);
    connect(cmdPdf, &QPushButton::clicked, this, &frmOutlook::SaveOutlookPdf);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    connect(&client_, &ForecastClient::progress, this, [this](qint64 received, qint64 total) {
        if (progress_ && total > 0) {
            progress_->setMaximum(int(total));
            progress_->setValue(int(received));
        }
    });
    connect(&client_, &ForecastClient::finished, this, [this](const Forecast::Answer& answer) {
        EndProgress();
        if (!ForecastCache::Store(CacheFolder(), answer))
            Report(QCoreApplication::translate("frmOutlook",
                                               "The forecast could not be kept for use without the network in \"%1\".")
                       .arg(CacheFolder()),
                   false);
        if (const std::optional<Settings::Site> site = SiteFromFields())
            Settings::RememberSite(*site);
        ShowForecast(answer, false);
    });
    connect(&client_, &ForecastClient::failed, this, [this](const QString& message) {
        EndProgress();
        Report(message + QCoreApplication::translate("frmOutlook", "\nThe hours shown are unchanged."), true);
    });
}

void frmOutlook::SetCalculation(const CalculationRequest& request)
{
    OutlookSettings settings = model_->settings();
    const UnitSystem from = settings.units;
    const UnitSystem units = request.units;
    if (from == units && settings.choice == request.choice && settings.thresholdText() == request.thresholdText())
        return;
    settings.units = units;
    settings.choice = request.choice;
    settings.alternateText = request.alternateText;
    if (from == units) {
        model_->setSettings(settings);
        return;
    }
    std::vector<HourlyReading> readings = model_->readings();
    for (HourlyReading& reading : readings) {
        for (Input input : AllInputs)
            reading.readings[input] = ConvertReadingText(input, reading.readings[input], from, units);
    }
    {
        const QSignalBlocker quiet(txtConcrete);
        txtConcrete->setValue(ConcreteRuleValue(units));
    }
    settings.concrete.value = txtConcrete->value();
    model_->setSettings(settings);
    if (forecast_)
        ShowForecast(*forecast_, forecastKept_);
    else
        model_->setReadings(std::move(readings));
}

// The rule's value is kept in degrees F (a temperature, or a difference of them) and
// shown in the units of the table.
double frmOutlook::ConcreteRuleValue(UnitSystem units) const
{
    const double kept = Settings::ConcreteValue();
    const Units::Unit& shown = SystemOf(units).unit(Quantity::Temperature);
    return Settings::ConcreteIsConstant() ? shown.FromModel(kept) : shown.DifferenceFromModel(kept);
}

void frmOutlook::ApplyRules()
{
    const bool constant = optConcreteConstant->isChecked();
    const double shown = txtConcrete->value();
    const Units::Unit& unit = SystemOf(model_->settings().units).unit(Quantity::Temperature);
    Settings::SetConcreteRule(constant, constant ? unit.ToModel(shown) : unit.DifferenceToModel(shown));
    Settings::SetHeightFactor(txtHeightFactor->value());
    OutlookSettings settings = model_->settings();
    settings.concrete = {optConcreteConstant->isChecked() ? ConcreteRule::Kind::Constant
                                                          : ConcreteRule::Kind::AirPlusOffset,
                         txtConcrete->value()};
    model_->setSettings(settings);
    if (forecast_)
        ShowForecast(*forecast_, forecastKept_);
}

void frmOutlook::EndProgress()
{
    if (progress_)
        progress_->close();
}

void frmOutlook::Refresh()
{
    const UnitSystem units = model_->settings().units;
    lblConcreteUnit->setText(UnitCaptions::Symbol(Quantity::Temperature, units));
    txtHeightFactor->setEnabled(forecast_.has_value());

    const std::vector<OutlookHour>& hours = model_->hours();
    // A forecast's hours before the present hour at the site have passed.
    const QDateTime notBefore = forecast_ ? SiteTime::PresentHour(forecast_->zone) : QDateTime();
    const int minimum = txtWindowHours->value();
    const PourWindow::Found found = FindWindows(hours, minimum, notBefore);
    const SafeCriterion criterion = model_->settings().safeHours;
    OutlookChartData data = OutlookChartData::From(hours, model_->settings(), found);
    data.minimumHours = minimum;
    data.windAdjusted = forecast_.has_value();
    data.heightFactor = txtHeightFactor->value();
    chart_->setData(std::move(data));
    windows_ = hours.empty() ? QCoreApplication::translate(
                   "frmOutlook", "No hours yet: fetch a forecast, import a CSV file or paste rows.")
                             : DescribeWindows(hours, found, minimum, notBefore, criterion);
    lblWindow->setText(windows_);
    lblSource->setText(source_);
    const bool any = !hours.empty();
    for (QPushButton* button : {cmdShowHour, cmdSaveRecords, cmdPrint, cmdPdf, cmdDeleteHours, cmdMeasures})
        button->setEnabled(any);
    mnuUndo->setEnabled(canUndo());
    const ThresholdPolicy thresholds = ThresholdsOf(units);
    optSafeOkOnly->setToolTip(
        QCoreApplication::translate("frmOutlook",
                                    "Only hours whose rate is at or below %1 %2, the message “OK”, "
                                    "are safe.")
            .arg(QString::fromStdString(RateText(thresholds.may, units)), UnitCaptions::Symbol(Quantity::Rate, units)));
    UpdatePourReport();
    UpdateMeasures();
}

QString frmOutlook::windowsText() const
{
    return windows_;
}

QString frmOutlook::sourceText() const
{
    return source_;
}

// An hour without a single reading (one just added) leaves the calculator as it is.
void frmOutlook::ChooseHour(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    const OutlookHour& hour = model_->hours()[std::size_t(row)];
    const Readings& given = hour.reading.readings;
    const bool none = std::all_of(AllInputs.begin(), AllInputs.end(),
                                  [&given](Input input) { return Q(given[input]).trimmed().isEmpty(); });
    if (!none)
        emit hourChosen(hour.used);
}

void frmOutlook::ShowMeasures()
{
    if (!measures_) {
        measures_ = new frmMeasures(this);
        measures_->setAttribute(Qt::WA_DeleteOnClose);
    }
    UpdateMeasures();
    measures_->show();
    measures_->raise();
}

// The measures pane follows the selected hour, the first when none is.
void frmOutlook::UpdateMeasures()
{
    if (!measures_ || model_->rowCount() == 0)
        return;
    const int row = std::max(0, tblHours->currentIndex().row());
    measures_->ShowFor(model_->hours()[std::size_t(row)].result);
    measures_->setWindowTitle(QCoreApplication::translate("frmOutlook", "Measures: %1")
                                  .arg(OutlookTable::TimeText(model_->hours()[std::size_t(row)].reading.time)));
}

void frmOutlook::UpdatePourReport()
{
    const bool answered = isSignalConnected(QMetaMethod::fromSignal(&frmOutlook::pourReportRequested));
    cmdPourReport->setEnabled(answered && model_->rowCount() > 0);
    cmdPourReport->setToolTip(
        answered ? QCoreApplication::translate("frmOutlook", "A pour report of these hours, to print or save as PDF.")
                 : QCoreApplication::translate("frmOutlook", "The pour report is not available in this window."));
}

void frmOutlook::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&frmOutlook::pourReportRequested) && cmdPourReport)
        UpdatePourReport();
}

void frmOutlook::disconnectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&frmOutlook::pourReportRequested) && cmdPourReport)
        UpdatePourReport();
}

bool frmOutlook::MayReplaceTyped(const QString& what)
{
    if (!typed_ || model_->rowCount() == 0)
        return true;
    return Msg::Box(this,
                    QCoreApplication::translate(
                        "frmOutlook",
                        "Replace the %1 hours shown, typed or edited here, with %2? They are not kept "
                        "anywhere else.")
                        .arg(model_->rowCount())
                        .arg(what),
                    Msg::Buttons::YesNo, Msg::Icon::Question, windowTitle())
           == Msg::Answer::Yes;
}

void frmOutlook::MarkEdited()
{
    typed_ = true;
    if (forecast_) {
        forecast_.reset();
        source_ = QCoreApplication::translate("frmOutlook", "Forecast hours, edited");
    } else if (imported_) {
        imported_.reset();
        source_ += QCoreApplication::translate("frmOutlook", ", edited");
    }
    lblSource->setText(source_);
}

void frmOutlook::AddHour()
{
    HourlyReading reading;
    const auto& readings = model_->readings();
    const QDateTime now = QDateTime::currentDateTime();
    reading.time = readings.empty() || !readings.back().time.isValid()
                       ? SiteWallClock(now.date(), QTime(now.time().hour(), 0))
                       : readings.back().time.addSecs(3600);
    MarkEdited();
    model_->appendReadings({reading});
    tblHours->setCurrentIndex(model_->index(model_->rowCount() - 1, OutlookTable::Air));
    tblHours->edit(tblHours->currentIndex());
}

void frmOutlook::DeleteHours()
{
    std::vector<int> rows;
    for (const QModelIndex& index : tblHours->selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty())
        return;
    BeforeDelete before{.readings = model_->readings(),
                        .source = source_,
                        .site = site_,
                        .forecast = forecast_,
                        .forecastKept = forecastKept_,
                        .imported = imported_,
                        .typed = typed_};
    // Once hours are gone the rest no longer follow the forecast or the file.
    const bool wasTyped = typed_;
    MarkEdited();
    typed_ = wasTyped;
    model_->removeHours(rows);
    before.revision = model_->revision();
    undo_ = std::move(before);
    mnuUndo->setEnabled(true);
}

bool frmOutlook::canUndo() const
{
    return undo_ && undo_->revision == model_->revision();
}

void frmOutlook::UndoDelete()
{
    if (!canUndo())
        return;
    BeforeDelete kept = std::move(*undo_);
    undo_.reset();
    source_ = kept.source;
    site_ = kept.site;
    forecast_ = std::move(kept.forecast);
    forecastKept_ = kept.forecastKept;
    imported_ = std::move(kept.imported);
    typed_ = kept.typed;
    model_->setReadings(std::move(kept.readings));
}

void frmOutlook::Report(const QString& text, bool error)
{
    Msg::Box(this, text, Msg::Buttons::Ok, error ? Msg::Icon::Exclamation : Msg::Icon::Information, windowTitle());
}
