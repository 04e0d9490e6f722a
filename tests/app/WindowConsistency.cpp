#include "tests/app/WindowConsistency.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "calc/InputSet.h"
#include "calc/NomographRun.h"
#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/ScenarioSolver.h"
#include "calc/ScrollBarValue.h"
#include "calc/Single.h"
#include "tests/app/SoakText.h"
#include "ui/WidgetColors.h"

namespace {

constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t LightRed = 0x0000FF;
constexpr std::uint32_t SuccessfulColor = 7572479;
constexpr std::uint32_t FixedColor = 12376239;
constexpr std::uint32_t FailedColor = 16298431;

constexpr std::array<InputRange, 4> Ranges{InputRanges::AirTemp, InputRanges::RelativeHumidity,
                                           InputRanges::ConcreteTemp, InputRanges::WindVelocity};
constexpr std::array<const char*, 4> BoxNames{"txtAirTemp", "txtRelativeHumidity", "txtConcreteTemp",
                                              "txtWindVelocity"};
constexpr std::array<const char*, 4> BarNames{"hsbAirTemp", "hsbRelativeHumidity", "hsbConcreteTemp",
                                              "hsbWindVelocity"};
constexpr std::array<const char*, 4> CellArrays{"lblAir1", "lblRH1", "lblConc1", "lblWind1"};

const QString TitleStart = QStringLiteral("Variation Scenarios to Get Evaporation Rate of ");
const QString TitleEnd = QStringLiteral(" lb/ft²/hr");

std::string Std(const QString& text)
{
    return text.toStdString();
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

void ExpectText(std::vector<std::string>& faults, const QWidget* element, const QString& shown,
                const QString& expected)
{
    if (shown != expected)
        faults.push_back(Std(element->objectName()) + " shows " + SoakText::Describe(shown) + ", expected " +
                         SoakText::Describe(expected));
}

void ExpectFlag(std::vector<std::string>& faults, const QWidget* element, const char* what, bool actual,
                bool expected)
{
    if (actual != expected)
        faults.push_back(Std(element->objectName()) + (actual ? " is " : " is not ") + what);
}

void ExpectColor(std::vector<std::string>& faults, const QWidget* element, const char* which, std::uint32_t actual,
                 std::uint32_t expected)
{
    if (actual != expected)
        faults.push_back(Std(element->objectName()) + " " + which + " colour " + std::to_string(actual) +
                         ", expected " + std::to_string(expected));
}

}  // namespace

template <typename T>
T* WindowConsistency::Find(const QString& name) const
{
    T* found = window_.findChild<T*>(name);
    if (!found)
        throw std::runtime_error("the window has no element " + Std(name));
    return found;
}

WindowConsistency::WindowConsistency(QWidget& window)
    : window_(window),
      txtUserRate_(Find<QLineEdit>(QStringLiteral("txtUserRate"))),
      txtAlternateRate_(Find<QLineEdit>(QStringLiteral("txtAlternateRate"))),
      optDefault_(Find<QRadioButton>(QStringLiteral("optDefault"))),
      optAlternate_(Find<QRadioButton>(QStringLiteral("optAlternate"))),
      fra100_(Find<QWidget>(QStringLiteral("fra100"))),
      lblUsedThreshold_(Find<QLabel>(QStringLiteral("lblUsedThreshold"))),
      lblEvapNomo_(Find<QLabel>(QStringLiteral("lblEvapNomo"))),
      lblEvapEqn_(Find<QLabel>(QStringLiteral("lblEvapEqn"))),
      lblAnswer_(Find<QLabel>(QStringLiteral("lblAnswer"))),
      cmdSave_(Find<QPushButton>(QStringLiteral("cmdSave"))),
      cmdRunNomo_(Find<QPushButton>(QStringLiteral("cmdRunNomo")))
{
    for (int row = 0; row < 4; ++row) {
        boxes_[row] = Find<QLineEdit>(QString::fromLatin1(BoxNames[row]));
        bars_[row] = Find<QScrollBar>(QString::fromLatin1(BarNames[row]));
        lblUserRate_[row] = Find<QLabel>(QStringLiteral("lblUserRate(%1)").arg(row));
    }
    for (int column = 0; column < 4; ++column)
        for (int i = 0; i < 12; ++i)
            cells_[column][i] = Find<QLabel>(QStringLiteral("%1(%2)").arg(QLatin1String(CellArrays[column])).arg(i));
}

bool WindowConsistency::InputsValid() const
{
    InputSet values;
    return GoodInputs({Std(boxes_[0]->text()), Std(boxes_[1]->text()), Std(boxes_[2]->text()),
                       Std(boxes_[3]->text())},
                      values);
}

std::vector<std::string> WindowConsistency::Check() const
{
    std::vector<std::string> faults;
    CheckThreshold(faults);
    CheckScrollBars(faults);
    if (InputsValid())
        CheckResults(faults);
    else
        CheckBlankResults(faults);
    CheckColors(faults);
    CheckFocus(faults);
    return faults;
}

// Exactly one option is chosen; the hidden threshold, the rate column, the title,
// the alternate box and the 0.1 table follow it.
void WindowConsistency::CheckThreshold(std::vector<std::string>& faults) const
{
    const bool useDefault = optDefault_->isChecked();
    ExpectFlag(faults, optAlternate_, "checked", optAlternate_->isChecked(), !useDefault);
    ExpectText(faults, txtUserRate_, txtUserRate_->text(),
               useDefault ? QStringLiteral("0.2") : txtAlternateRate_->text());
    ExpectFlag(faults, txtAlternateRate_, "enabled", txtAlternateRate_->isEnabled(), !useDefault);
    ExpectFlag(faults, fra100_, "shown", !fra100_->isHidden(), useDefault);

    const QString rate = Q(NumberFormat::General(ReadNumber(Std(txtUserRate_->text()))));
    for (QLabel* cell : lblUserRate_)
        ExpectText(faults, cell, cell->text(), rate);
    const QString ratePart = useDefault ? QStringLiteral(".2") : Q(NumberFormat::CompactText(Std(txtUserRate_->text())));
    ExpectText(faults, lblUsedThreshold_, lblUsedThreshold_->text(), TitleStart + ratePart + TitleEnd);
}

void WindowConsistency::CheckScrollBars(std::vector<std::string>& faults) const
{
    for (int row = 0; row < 4; ++row) {
        const std::optional<int> position = ScrollBarValueFor(Std(boxes_[row]->text()), Ranges[row]);
        QScrollBar* bar = bars_[row];
        ExpectFlag(faults, bar, "shown", !bar->isHidden(), position.has_value());
        if (position && bar->value() != *position)
            faults.push_back(Std(bar->objectName()) + " stands at " + std::to_string(bar->value()) + ", expected " +
                             std::to_string(*position) + " for " + SoakText::Describe(boxes_[row]->text()));
    }
}

void WindowConsistency::CheckBlankResults(std::vector<std::string>& faults) const
{
    for (QLabel* label : {lblEvapNomo_, lblEvapEqn_, lblAnswer_})
        ExpectText(faults, label, label->text(), QString());
    for (const auto& column : cells_)
        for (QLabel* cell : column)
            ExpectText(faults, cell, cell->text(), QString());
    ExpectFlag(faults, cmdSave_, "enabled", cmdSave_->isEnabled(), false);
    ExpectFlag(faults, cmdRunNomo_, "enabled", cmdRunNomo_->isEnabled(), false);
}

void WindowConsistency::CheckResults(std::vector<std::string>& faults) const
{
    InputSet values;
    GoodInputs({Std(boxes_[0]->text()), Std(boxes_[1]->text()), Std(boxes_[2]->text()), Std(boxes_[3]->text())},
               values);
    const std::string threshold = Std(txtUserRate_->text());
    const ThresholdChoice choice = optDefault_->isChecked() ? ThresholdChoice::Default : ThresholdChoice::Alternate;
    const RunCaptions run = CalculateRun(values, choice, threshold);
    ExpectText(faults, lblEvapNomo_, lblEvapNomo_->text(), Q(run.nomoCaption));
    ExpectText(faults, lblEvapEqn_, lblEvapEqn_->text(), Q(run.eqnCaption));
    ExpectText(faults, lblAnswer_, lblAnswer_->text(), Q(run.answer.text));
    ExpectColor(faults, lblAnswer_, "fore", WidgetColors::ForeColor(lblAnswer_), run.answer.red ? LightRed : Black);

    const std::array<QString, 4> fixed{Q(NumberFormat::General(values.AirTemp)),
                                       Q(NumberFormat::General(values.RelativeHumidity)),
                                       Q(NumberFormat::General(values.ConcreteTemp)),
                                       Q(NumberFormat::General(values.WindVelocity))};
    const std::array<float, 3> thresholds{0.1f, 0.2f, ToSingle(ReadNumber(threshold))};
    for (int table = 0; table < 3; ++table) {
        const std::array<ScenarioOutcome, 4> outcomes = SolveScenarios(values, thresholds[table]);
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column) {
                QLabel* cell = cells_[column][4 * table + row];
                ExpectText(faults, cell, cell->text(), column == row ? Q(outcomes[row].text()) : fixed[column]);
                if (column == row) {
                    const bool failed = outcomes[row].failed || outcomes[row].outsideLimits;
                    ExpectColor(faults, cell, "back", WidgetColors::BackColor(cell),
                                failed ? FailedColor : SuccessfulColor);
                }
            }
    }
    ExpectFlag(faults, cmdSave_, "enabled", cmdSave_->isEnabled(), true);
    ExpectFlag(faults, cmdRunNomo_, "enabled", cmdRunNomo_->isEnabled(), true);
}

// Fixed cells never change colour; with no solution every varied cell is back in
// the successful colour that the blanking gives it.
void WindowConsistency::CheckColors(std::vector<std::string>& faults) const
{
    const bool valid = InputsValid();
    for (int column = 0; column < 4; ++column)
        for (int i = 0; i < 12; ++i) {
            QLabel* cell = cells_[column][i];
            if (i % 4 != column)
                ExpectColor(faults, cell, "back", WidgetColors::BackColor(cell), FixedColor);
            else if (!valid)
                ExpectColor(faults, cell, "back", WidgetColors::BackColor(cell), SuccessfulColor);
        }
}

// The scroll bars never keep the keyboard focus.
void WindowConsistency::CheckFocus(std::vector<std::string>& faults) const
{
    if (auto* bar = qobject_cast<QScrollBar*>(window_.focusWidget()))
        faults.push_back(Std(bar->objectName()) + " has the keyboard focus");
}
