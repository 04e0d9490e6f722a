#pragma once

#include <array>
#include <memory>

#include "calc/Calculation.h"

class ChartPanel;
class CompactComboBox;
class InputRow;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;
class ScenarioTable;

// The main window's elements under the names the rest of the program uses, built
// and placed at their design positions (pixels at 96 dpi, i.e. 15 twips a pixel).
// Like a form file: it creates and places, it never reacts.
struct frmMainForm {
    frmMainForm();
    ~frmMainForm();
    void setupUi(QMainWindow* window);
    // Every text that changes only with the language, in the language in force.
    void retranslateUi(QMainWindow* window);

    QWidget* canvas = nullptr;  // the window's inner area, in which everything is placed

    // Inputs and results.
    QFrame* fraLeftSideContainer = nullptr;
    std::array<std::unique_ptr<InputRow>, 4> rows;  // air temperature, humidity, concrete, wind
    QLineEdit* txtAirTemp = nullptr;
    QLineEdit* txtRelativeHumidity = nullptr;
    QLineEdit* txtConcreteTemp = nullptr;
    QLineEdit* txtWindVelocity = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* lblEvapNomo = nullptr;
    QLabel* lblEvapEqn = nullptr;
    QLabel* lblAnswer = nullptr;

    // Scenarios, threshold choice, legend and notes.
    QFrame* fraRightSideContainer = nullptr;
    ScenarioTable* fra100 = nullptr;
    ScenarioTable* Frame1 = nullptr;
    ScenarioTable* fraDefault = nullptr;
    QLabel* lblUsedThreshold = nullptr;
    std::array<QLabel*, 12> lblAir1{}, lblRH1{}, lblConc1{}, lblWind1{};
    std::array<QLabel*, 4> lblUserRate{};
    ScenarioTable* table(ScenarioBlock block) const;
    QGroupBox* fraPrecautionRate = nullptr;
    QRadioButton* optDefault = nullptr;
    QRadioButton* optAlternate = nullptr;
    QLineEdit* txtAlternateRate = nullptr;
    QLabel* Label43 = nullptr;
    QLabel* lblMix = nullptr;
    CompactComboBox* cboMix = nullptr;  // the mix presets, in the order of MixPresets
    QLineEdit* txtUserRate = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPushButton* cmdRunNomo = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Picture1 = nullptr;

    // Data frame and the never-visible buttons.
    QGroupBox* fraData = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdRecords = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdValid = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* txtStealFocus = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* lblDisplayEqn = nullptr;

    // The nomograph.
    ChartPanel* picRH = nullptr;
    ChartPanel* picCT = nullptr;
    ChartPanel* picWV = nullptr;
    ChartPanel* picRate = nullptr;

    // Menus.
    QMenu* mnuFile = nullptr;
    QAction* mnuOutlook = nullptr;
    QAction* mnuPourReport = nullptr;
    QAction* mnuRecordsLocation = nullptr;
    QAction* mnuCopyToServer = nullptr;
    QAction* mnuImportRecords = nullptr;
    QMenu* mnuPrintOptions = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuFilePrintTextReport = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuUnits = nullptr;
    QAction* mnuUnitsUS = nullptr;
    QAction* mnuUnitsSI = nullptr;
    QMenu* mnuLanguage = nullptr;
    std::array<QAction*, 4> mnuLanguageItems{};  // in the order of Language::All
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuMeasures = nullptr;
    QAction* mnuHelpAbout = nullptr;
};
