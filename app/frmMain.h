#pragma once

// The calculator's main window: the composition root of the program.
//
// How an input change flows to what is shown:
//   1. Typing into an input box (or a scroll bar writing its whole-number value
//      back) runs InputTextChanged: VisibilityHsb shows or hides the row's scroll
//      bar, then UnlockRateButton recalculates.
//   2. UnlockRateButton erases the last solution path (ClearMyPics), blanks the
//      rates, the message and the scenario tables (DefaultScenarios), and asks
//      GoodInputs whether the four boxes hold a valid set.
//   3. If they do, DoCalculation asks the pure core (calc/) for the nomograph
//      reading, the equation rate, the captions and the precaution message, draws
//      the solution path over the chart (ui/NomographChart), shows the captions,
//      fills the scenario tables (DoScenarios, solved by calc/ScenarioSolver) and
//      enables "Save Data".
//   4. Every caller sets "Redraw Nomograph Solution" enabled from the result; that
//      state is how printing, the text report and the resize handler know that a
//      solution exists.
// The threshold in force lives only as the text of the hidden txtUserRate; its
// change recalculates the same way. Setting a text, a scroll-bar value or an
// option button runs its handler before the assignment returns (Qt emits
// synchronously, and only on a real change), and the handlers rely on that.

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <vector>
#include <memory>

#include "calc/InputSet.h"
#include "calc/NomographRun.h"
#include "ui/NomographPanels.h"

class QLineEdit;
class QScrollBar;
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

    // The recalculation entry: true when the inputs were valid and the calculation ran.
    bool UnlockRateButton();
    bool GoodInputs();
    void DoCalculation();

    const InputSet& inputs() const { return inputs_; }
    const NomographSolution& solution() const { return solution_; }
    std::uint32_t solutionLineColor() const { return SolutionLineColor; }

    // Chart panels and window colours.
    void ClearMyPics();
    void PicsAutoRedraw(bool Setting);
    void ChangeFormColor(std::uint32_t NewColor);
    void ChangeGraphColor(std::uint32_t NewColor);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // Printing.
    void cmdPrint_Click();
    void mnuPrint_Click();
    void mnuFilePrintTextReport_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Start-up and layout.
    void Form_Load();
    void Form_Resize();
    void PlaceAtDesignSize();
    double logicalDpi() const;
    QSize MenuBarExtent() const;
    QSize MinimumInnerArea() const;
    void ApplyMinimumSize();
    void RecalculateAndUnlockRedraw();

    // Inputs.
    void VisibilityHsb(QScrollBar* MyScroll, QLineEdit* myText, float lowLimit, float upLimit);
    void InputTextChanged(int row);
    void ScrollBarMoved(int row);

    // Threshold choice.
    void optDefault_Click();
    void optAlternate_Click();
    void txtAlternateRate_Change();
    void txtUserRate_Change();
    void RetitleThresholdTable();
    ThresholdChoice thresholdChoice() const;

    // Scenarios.
    void DefaultScenarios();
    void DoScenarios();

    // Buttons and menus.
    void cmdRunNomo_Click();
    void cmdSave_Click();
    void cmdRecords_Click();
    void ReturnRecordInputs(const ReturnedInputs& record);
    void cmdValid_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();

    NomographPanels panels() const;
    std::vector<std::function<void()>> RecordsStartupSteps();
    void connectHandlers();
    InputTexts inputTexts() const;

    std::unique_ptr<frmMainForm> ui;
    std::unique_ptr<RecordsStore> records_;
    InputSet inputs_;
    NomographSolution solution_;
    std::uint32_t SolutionLineColor = 0x9DFFFF;
    bool startupCompleted_ = false;
};
