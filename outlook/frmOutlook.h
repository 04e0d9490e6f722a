#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "outlook/CsvImport.h"
#include "outlook/Forecast.h"
#include "outlook/ForecastClient.h"
#include "outlook/OutlookHours.h"
#include "settings/Settings.h"

class OutlookChart;
class QAction;
class frmMeasures;
class PlannedPoursPanel;
class QVBoxLayout;
class SiteSearch;
class OutlookTable;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class ForecastKey;
class RecordsStore;

// The pour-day outlook: hours typed, pasted, imported from a CSV file or fetched from a
// forecast server, each computed by the calculator's core against the threshold in
// force, the rates drawn over time and the safe pour windows found. A window of its
// own beside the calculator, which it follows in units and threshold; choosing an hour
// puts its readings into the calculator. Hours typed or edited here are replaced by a
// source only when the user agrees, and deleted hours can be brought back (Edit, Undo).
class frmOutlook : public QWidget {
    Q_OBJECT
public:
    // `store` receives the hours saved as records; it may be closed. `key` is the forecast
    // server's API key, kept for the session beyond this window.
    frmOutlook(RecordsStore& store, ForecastKey& key, QWidget* parent = nullptr);
    ~frmOutlook() override;

    // What the hours are computed with, as the calculator holds it. Readings already in
    // the table are converted when the units change.
    void SetCalculation(const CalculationRequest& request);

    // Sources. Each replaces the hours shown, except pasting, which adds to them; a source
    // that cannot be read leaves them as they are and says why. Hours typed or edited are
    // replaced only when the user agrees.
    bool ImportFile(const QString& path, const CsvImport::SourceUnits& chosen = {});
    bool PasteRows(const QString& text);
    void FetchForecast();
    void ShowForecast(const Forecast::Answer& answer, bool kept);

    // Output.
    void PrintOutlook();
    void SaveOutlookPdf();
    // Saves the selected computed hours as records, one per hour; returns how many.
    int SaveSelectedAsRecords();

    // Deleted hours back as they were, with where they came from; only while nothing else
    // changed the hours since.
    void UndoDelete();
    bool canUndo() const;
    // Planned pours (frmOutlookPours.cpp): shows the pour's site and forecast.
    void ShowPlannedPour(qint64 id);
    PlannedPoursPanel* plannedPours() const { return pours_; }
    SiteSearch* siteSearch() const { return siteSearch_; }

    OutlookTable* table() const { return model_; }
    OutlookChart* chart() const { return chart_; }
    QString windowsText() const;
    QString sourceText() const;

signals:
    // The readings of an hour the user chose, in the units shown.
    void hourChosen(const Readings& readings);
    // The user asked for a pour report of the hours shown (cmdPourReport).
    void pourReportRequested();

protected:
    // cmdPourReport is enabled only while something answers pourReportRequested.
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;

private:
    void BuildElements();
    void BuildPlannedPours(QVBoxLayout* layout);
    void ConnectHandlers();
    void ApplyRules();
    double ConcreteRuleValue(UnitSystem units) const;
    void Refresh();
    void ChooseHour(int row);
    void ShowMeasures();
    void UpdateMeasures();
    void UpdatePourReport();
    // Whether hours typed or edited here may be replaced by `what`: asks the user.
    bool MayReplaceTyped(const QString& what);
    // An hour was typed over: the hours are no longer a source's as it gave them.
    void MarkEdited();
    void AskForCsv();
    // A file's rows as the table shows them.
    struct ImportedRows {
        CsvImport::Start start;
        std::vector<HourlyReading> rows;
        bool averaged = false;      // a meter's readings, as the means of clock hours
        std::size_t readings = 0;   // the rows of the file
    };
    std::optional<ImportedRows> ReadFile(const QString& path, const CsvImport::SourceUnits& chosen);
    bool ShowImported(const QString& path, const ImportedRows& read, const CsvImport::SourceUnits& chosen);
    void AddHour();
    void DeleteHours();
    void LoadKeptForecast();
    void EditServer();
    std::optional<Settings::Site> SiteFromFields();
    void FitColumns();
    QString CacheFolder() const;
    void Report(const QString& text, bool error);
    void EndProgress();

    RecordsStore& store_;
    ForecastKey& key_;
    OutlookTable* model_;
    QTableView* tblHours;
    OutlookChart* chart_;
    QLabel* lblWindow;
    QLabel* lblSource;
    QComboBox* cboSite;
    QLineEdit* txtLatitude;
    QLineEdit* txtLongitude;
    QSpinBox* txtForecastDays;
    QPushButton* cmdFetch;
    QPushButton* cmdServer;
    QPushButton* cmdImport;
    QPushButton* cmdPaste;
    QPushButton* cmdAddHour;
    QPushButton* cmdDeleteHours;
    QCheckBox* chkEveryReading;
    QRadioButton* optConcreteOffset;
    QRadioButton* optConcreteConstant;
    QDoubleSpinBox* txtConcrete;
    QLabel* lblConcreteUnit;
    QDoubleSpinBox* txtHeightFactor;
    QSpinBox* txtWindowHours;
    QComboBox* cboSun;
    QRadioButton* optSafeBelowThreshold;
    QRadioButton* optSafeOkOnly;
    QAction* mnuUndo;
    QPushButton* cmdMeasures;
    QPushButton* cmdPourReport;
    QPushButton* cmdShowHour;
    QPushButton* cmdSaveRecords;
    QPushButton* cmdPrint;
    QPushButton* cmdPdf;
    QPushButton* cmdClose;
    SiteSearch* siteSearch_;
    PlannedPoursPanel* pours_;

    ForecastClient client_;
    QPointer<QProgressDialog> progress_;
    // The forecast the hours came from, kept so that a new height factor or concrete
    // rule can be applied to it; none for other sources.
    std::optional<Forecast::Answer> forecast_;
    bool forecastKept_ = false;
    QString source_;   // where the hours came from, as the window and the printout say it
    QString windows_;  // the safe windows found, in words
    QString site_;  // the forecast's site, saved with its hours; empty for other sources
    // The file the hours were imported from, read again when the choice of every reading
    // changes; none once the hours came from elsewhere or were added to.
    struct Imported {
        QString path;
        CsvImport::SourceUnits units;
    };
    std::optional<Imported> imported_;
    bool typed_ = false;  // some hours were typed, pasted or edited here
    // The hours as they were before the last deletion, and the table's revision after it.
    struct BeforeDelete {
        std::vector<HourlyReading> readings;
        QString source;
        QString site;
        std::optional<Forecast::Answer> forecast;
        bool forecastKept = false;
        std::optional<Imported> imported;
        bool typed = false;
        int revision = 0;
    };
    std::optional<BeforeDelete> undo_;
    QPointer<frmMeasures> measures_;
};
