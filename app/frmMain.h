#pragma once

// The calculator's main window: the composition root of the program.
//
// The window owns one CalculationRequest: the four readings as typed, the unit system,
// the threshold choice and the alternate rate. Widgets write into it from their change
// signals; nothing is read back from a widget.
//
// How an input change flows to what is shown:
//   1. Typing into an input box (or a scroll bar writing its whole-number value
//      back) runs InputTextChanged: the reading goes into the request, VisibilityHsb
//      shows or hides the row's scroll bar, then UnlockRateButton recalculates.
//   2. UnlockRateButton erases the last solution path (ClearMyPics), blanks the
//      rates, the message and the scenario tables (DefaultScenarios), and asks
//      GoodInputs whether the request holds a valid set.
//   3. If it does, DoCalculation asks the pure core (calc/Calculate) for one value
//      holding everything a recalculation shows: readings, both rates and their
//      captions, the message and its class, the scenario tables with their titles.
//      It draws the solution path over the chart (ui/NomographChart), shows that
//      value and enables "Save Data". The save dialog, the report, printing and the
//      outlook read the same value, never a label.
//   4. "A solution exists" is calculation().valid; "Redraw Nomograph Solution" is
//      enabled from it.
// The threshold choice flows through the option buttons, txtAlternateRate and the mix
// presets of cboMix into the request; the hidden txtUserRate mirrors the threshold in force, and its change
// recalculates. Setting a text, a scroll-bar value or an option button runs its handler
// before the assignment returns (Qt emits synchronously, and only on a real change);
// the handlers rely on it.

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "calc/Calculation.h"
#include "calc/NomographGeometry.h"
#include "ui/NomographPanels.h"

class QLineEdit;
class QScrollBar;
class frmMeasures;
class ForecastKey;
class frmOutlook;
struct PourReport;
class RecordsStore;
struct ReturnedInputs;
struct frmMainForm;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // False when the user chose to stop during start-up: the window must not be shown.
    bool startupCompleted() const { return startupCompleted_; }

    // The calculation run (frmMain.cpp). UnlockRateButton is the recalculation entry:
    // true when the inputs were valid and the calculation ran.
    bool UnlockRateButton();
    bool GoodInputs();
    void DoCalculation();

    // What the last recalculation produced, and the values the window keeps from it.
    const Calculation& calculation() const { return calculation_; }
    const InputSet& inputs() const { return inputs_; }
    const NomographSolution& solution() const { return solution_; }
    std::uint32_t solutionLineColor() const { return SolutionLineColor; }

    // Units (frmMainUnits.cpp): converts the input boxes and the alternate threshold,
    // relabels the window and the chart, and recalculates.
    UnitSystem units() const { return request_.units; }
    void SetUnits(UnitSystem units);

    // Chart panels and window colours (frmMainChart.cpp).
    void ClearMyPics();
    void PicsAutoRedraw(bool Setting);
    void ChangeFormColor(std::uint32_t NewColor);
    void ChangeGraphColor(std::uint32_t NewColor);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // The pour-day outlook (frmMainDialogs.cpp), made on first use; it follows the
    // window's units and threshold in force.
    frmOutlook* ShowOutlook();
    // The next planned pour and its state in the status bar, shown at start-up when a pour
    // is planned (frmMainPours.cpp).
    void ShowNextPlannedPour();

    // Printing (frmMainOutput.cpp).
    void cmdPrint_Click();
    void mnuPrint_Click();
    void mnuFilePrintTextReport_Click();

protected:
    // Layout (frmMainLayout.cpp).
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new language: every text is shown again in it.
    void changeEvent(QEvent* event) override;

private:
    // Start-up (frmMainStartup.cpp).
    void Form_Load();
    std::vector<std::function<void()>> RecordsStartupSteps();

    // Layout (frmMainLayout.cpp).
    void Form_Resize();
    void PlaceAtDesignSize();
    double logicalDpi() const;
    QSize MenuBarExtent() const;
    QSize MinimumInnerArea() const;
    void ApplyMinimumSize();

    // The calculation run and what it shows (frmMain.cpp).
    void ShowCalculation();
    void ShowScenarioHeads(const std::array<ScenarioCells, 3>& tables);
    void DescribeNomograph();
    void DescribeScenarioCell(ScenarioBlock block, Input varied, Input column);
    void RecalculateAndUnlockRedraw();

    // Inputs (frmMain.cpp).
    void VisibilityHsb(QScrollBar* MyScroll, const std::string& myText, float lowLimit, float upLimit);
    void InputTextChanged(int row, const QString& text);
    void ScrollBarMoved(int row, int value);

    // Threshold choice (frmMain.cpp).
    void optDefault_Click();
    void optAlternate_Click();
    void txtAlternateRate_Change(const QString& text);
    void txtUserRate_Change();
    void ShowThresholdInForce();

    // Mix presets (frmMain.cpp): a preset chosen sets the threshold through the option
    // buttons and the alternate rate; a threshold changed otherwise shows the preset it fits.
    void cboMix_Click(MixPreset preset);
    void ShowMix(MixPreset preset);

    // Scenarios (frmMain.cpp).
    void DefaultScenarios();
    void DoScenarios();

    // Units (frmMainUnits.cpp).
    void ShowUnitCaptions();
    void ConvertAlternateRate(UnitSystem from);
    void ConvertInputBoxes(UnitSystem from);
    void PutReadings(const Readings& texts);

    // Chart (frmMainChart.cpp): a full redraw, chart and path, in the pattern every
    // redraw follows; the chart's description is kept while the panel width and units stay.
    NomographPanels panels() const;
    void RedrawChart();
    const std::vector<NomographGeometry::Item>& ChartDescription();

    // Buttons, menus and dialogs (frmMainDialogs.cpp).
    void cmdRunNomo_Click();
    void cmdSave_Click();
    void cmdRecords_Click();
    void ReturnRecordInputs(const ReturnedInputs& record);
    void cmdValid_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void mnuMeasures_Click();
    // A pour report of the readings shown, of the outlook's hours, or of records; the
    // outlook's request for one is handled by PourReportFromOutlook.
    void mnuPourReport_Click();
    void PourReportFromOutlook();
    void ShowPourReport(const PourReport& report, QWidget* parent);
    void UpdateMeasures();
    void UpdateOutlook();
    void mnuRecordsLocation_Click();
    void mnuCopyToServer_Click();
    void mnuImportRecords_Click();
    void WarnIfRecordsOnNetworkFile();
    void UpdateRecordsMenu();

    // Language (frmMain.cpp).
    void mnuLanguage_Click(const QString& code);
    void ShowLanguage();

    void connectHandlers();

    std::unique_ptr<frmMainForm> ui;
    std::unique_ptr<RecordsStore> records_;
    CalculationRequest request_;
    InputSet inputs_;
    NomographSolution solution_;
    Calculation calculation_;
    std::uint32_t SolutionLineColor = 0;
    bool startupCompleted_ = false;

    struct KeptChart {
        UnitSystem units;
        int rhWidth;
        std::vector<NomographGeometry::Item> items;
    };
    std::unique_ptr<KeptChart> chart_;
    std::unique_ptr<ForecastKey> forecastKey_;  // the outlook's, kept for the session
    QPointer<frmOutlook> outlook_;
    QPointer<frmMeasures> measures_;
};
