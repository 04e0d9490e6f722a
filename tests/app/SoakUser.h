#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/app/SoakText.h"

class FakePrintDestinations;
class MessageRecorder;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

// A random user at the main window: types, pastes and deletes in every box, clicks
// and drags the scroll bars, switches the threshold, recalculates, resizes the
// window, opens the save dialog, the records viewer and the About box and closes
// them again (answering their questions), and prints the text report to a fake
// printer. Each action runs to its end, dialogs included, before Act returns.
class SoakUser {
public:
    SoakUser(QWidget& window, MessageRecorder& messages, FakePrintDestinations& printer, SoakRandom& random);

    // Performs one action and says what it did, so that a failure can be retraced.
    std::string Act();

    // How many actions of each kind were performed.
    std::string Tally() const;

    // Faults the user ran into while acting: a dialog that did not open, a message
    // nobody expected, a prepared answer no question used. Cleared by reading.
    std::vector<std::string> TakeFaults();

private:
    using Action = std::string (SoakUser::*)();

    std::string TypeKeys();
    std::string PasteText();
    std::string ReplaceText();
    std::string EditKeys();
    std::string EnterValidSet();
    std::string MoveScrollBar();
    std::string ChooseThreshold();
    std::string ClickRedraw();
    std::string ResizeWindow();
    std::string SaveDialog();
    std::string RecordsViewer();
    std::string AboutBox();
    std::string PrintTextReport();

    // Clicks `button` with `closeDialog` armed to run inside the dialog that should open.
    bool RunDialog(QPushButton* button, const std::function<void(QWidget&)>& closeDialog);
    bool RunDialog(const std::function<void()>& open, const std::function<void(QWidget&)>& closeDialog);
    void CheckMessages();

    QLineEdit* EnabledBox(int& index);
    std::string BoxName(int index) const;

    QWidget& window_;
    MessageRecorder& messages_;
    FakePrintDestinations& printer_;
    SoakRandom& random_;
    std::array<QLineEdit*, 5> boxes_{};  // the four inputs, then txtAlternateRate
    std::array<QScrollBar*, 4> bars_{};
    std::vector<std::string> faults_;
    std::map<std::string, int> tally_;
};
