#pragma once

#include <QString>

#include <array>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

// Looks at the main window as the user sees it and checks that it agrees with
// itself and with the pure calculation core: results and scenario cells blank
// exactly when an input is invalid and otherwise equal to what the core computes
// from the texts on screen; the threshold choice, its rate column and title; each
// input row's scroll bar. The window is found by its elements' names only.
class WindowConsistency {
public:
    explicit WindowConsistency(QWidget& window);

    // One line per disagreement; empty when the window is consistent.
    std::vector<std::string> Check() const;

    // Whether the four input boxes currently hold a valid set.
    bool InputsValid() const;

private:
    void CheckThreshold(std::vector<std::string>& faults) const;
    void CheckScrollBars(std::vector<std::string>& faults) const;
    void CheckBlankResults(std::vector<std::string>& faults) const;
    void CheckResults(std::vector<std::string>& faults) const;
    void CheckColors(std::vector<std::string>& faults) const;
    void CheckFocus(std::vector<std::string>& faults) const;

    template <typename T>
    T* Find(const QString& name) const;

    QWidget& window_;
    std::array<QLineEdit*, 4> boxes_{};
    std::array<QScrollBar*, 4> bars_{};
    QLineEdit* txtUserRate_;
    QLineEdit* txtAlternateRate_;
    QRadioButton* optDefault_;
    QRadioButton* optAlternate_;
    QWidget* fra100_;
    QLabel* lblUsedThreshold_;
    std::array<QLabel*, 4> lblUserRate_{};
    QLabel* lblEvapNomo_;
    QLabel* lblEvapEqn_;
    QLabel* lblAnswer_;
    std::array<std::array<QLabel*, 12>, 4> cells_{};  // lblAir1, lblRH1, lblConc1, lblWind1
    QPushButton* cmdSave_;
    QPushButton* cmdRunNomo_;
};
