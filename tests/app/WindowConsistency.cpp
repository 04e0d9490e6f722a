#include "tests/app/WindowConsistency.h"

#include "ui/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <array>

#include "calc/NomographRun.h"
#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/ScenarioSolver.h"
#include "calc/ScrollBarValue.h"
#include "calc/Single.h"
#include "tests/support/Elements.h"
#include "ui/WidgetColors.h"

namespace {

constexpr std::array<InputRange, 4> Ranges{InputRanges::AirTemp, InputRanges::RelativeHumidity,
                                           InputRanges::ConcreteTemp, InputRanges::WindVelocity};
constexpr std::array<const char*, 4> BoxNames{"txtAirTemp", "txtRelativeHumidity", "txtConcreteTemp",
                                              "txtWindVelocity"};
constexpr std::array<const char*, 4> BarNames{"hsbAirTemp", "hsbRelativeHumidity", "hsbConcreteTemp",
                                              "hsbWindVelocity"};
constexpr std::array<const char*, 4> CellArrays{"lblAir1", "lblRH1", "lblConc1", "lblWind1"};

Readings Texts(const QWidget& window)
{
    Readings texts;
    for (Input input : AllInputs)
        texts[input] = Element<QLineEdit>(window, QLatin1String(BoxNames[int(input)]))->text().toStdString();
    return texts;
}

// Collects disagreements between what an element shows and what it should.
struct Faults {
    std::vector<std::string> lines;

    void add(const QWidget* element, const std::string& what)
    {
        lines.push_back(element->objectName().toStdString() + what);
    }
    void text(const QWidget* element, const QString& shown, const QString& expected)
    {
        if (shown != expected)
            add(element, " shows " + DescribeText(shown) + ", expected " + DescribeText(expected));
    }
    void text(const QLabel* label, const QString& expected) { text(label, label->text(), expected); }
    void flag(const QWidget* element, const char* what, bool actual, bool expected)
    {
        if (actual != expected)
            add(element, (actual ? " is " : " is not ") + std::string(what));
    }
    void color(const QWidget* element, std::uint32_t actual, std::uint32_t expected)
    {
        if (actual != expected)
            add(element, " colour " + std::to_string(actual) + ", expected " + std::to_string(expected));
    }
};

}  // namespace

std::string DescribeText(const QString& text)
{
    constexpr int Shown = 40;
    QString shown;
    for (QChar c : text.left(Shown)) {
        const bool plain = c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'"' && c != u'\\';
        shown += plain ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    const std::string cut = text.size() > Shown ? "... (" + std::to_string(text.size()) + " characters)" : "";
    return '"' + shown.toStdString() + '"' + cut;
}

bool InputsValid(const QWidget& window)
{
    InputSet values;
    return GoodInputs(Texts(window), values);
}

std::vector<std::string> CheckWindowConsistency(const QWidget& window)
{
    Faults faults;

    // The hidden threshold, the rate column, the title, the alternate box and the 0.1
    // table follow the chosen option.
    const bool useDefault = Element<QRadioButton>(window, "optDefault")->isChecked();
    auto* optAlternate = Element<QRadioButton>(window, "optAlternate");
    auto* txtAlternateRate = Element<QLineEdit>(window, "txtAlternateRate");
    auto* txtUserRate = Element<QLineEdit>(window, "txtUserRate");
    auto* fra100 = Element<QWidget>(window, "fra100");
    const std::string threshold = txtUserRate->text().toStdString();
    faults.flag(optAlternate, "checked", optAlternate->isChecked(), !useDefault);
    // The window holds what was typed as UTF-8: a lone surrogate reads back as a replacement.
    faults.text(txtUserRate, txtUserRate->text(),
                useDefault ? QStringLiteral("0.2") : Q(Std(txtAlternateRate->text())));
    faults.flag(txtAlternateRate, "enabled", txtAlternateRate->isEnabled(), !useDefault);
    faults.flag(fra100, "shown", !fra100->isHidden(), useDefault);
    for (int row = 0; row < 4; ++row)
        faults.text(Element<QLabel>(window, QStringLiteral("lblUserRate(%1)").arg(row)),
                    Q(NumberFormat::General(ReadNumber(threshold))));
    faults.text(Element<QLabel>(window, "lblUsedThreshold"),
                "Variation Scenarios to Get Evaporation Rate of "
                    + (useDefault ? QStringLiteral(".2") : Q(NumberFormat::CompactText(threshold))) + " lb/ft²/hr");

    const Readings texts = Texts(window);
    for (int row = 0; row < 4; ++row) {
        const std::optional<int> position = ScrollBarValueFor(texts[Input(row)], Ranges[row]);
        auto* bar = Element<QScrollBar>(window, QLatin1String(BarNames[row]));
        faults.flag(bar, "shown", !bar->isHidden(), position.has_value());
        if (position && bar->value() != *position)
            faults.add(bar, " stands at " + std::to_string(bar->value()) + ", expected "
                                + std::to_string(*position) + " for " + DescribeText(Q(texts[Input(row)])));
    }

    // Results and scenario cells: blank for an invalid set, else the core's. Fixed
    // cells keep their colour; a varied cell shows failure only for a solution.
    InputSet values;
    const bool valid = GoodInputs(texts, values);
    RunCaptions run;
    if (valid)
        run = CalculateRun(values, useDefault ? ThresholdChoice::Default : ThresholdChoice::Alternate, threshold);
    faults.text(Element<QLabel>(window, "lblEvapNomo"), Q(run.nomoCaption));
    faults.text(Element<QLabel>(window, "lblEvapEqn"), Q(run.eqnCaption));
    auto* lblAnswer = Element<QLabel>(window, "lblAnswer");
    faults.text(lblAnswer, Q(run.answer.text));
    if (valid)
        faults.color(lblAnswer, WidgetColors::ForeColor(lblAnswer),
                     run.answer.red() ? Colors::MessageWarning : Colors::MessageNormal);
    for (const char* name : {"cmdSave", "cmdRunNomo"}) {
        auto* button = Element<QPushButton>(window, name);
        faults.flag(button, "enabled", button->isEnabled(), valid);
    }

    const std::array<float, 3> thresholds{0.1f, 0.2f, ToSingle(ReadNumber(threshold))};
    const std::array<float, 4> inputs{values.AirTemp, values.RelativeHumidity, values.ConcreteTemp,
                                      values.WindVelocity};
    for (int table = 0; table < 3; ++table) {
        std::array<ScenarioOutcome, 4> outcomes{};
        if (valid)
            outcomes = SolveScenarios(values, thresholds[table]);
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column) {
                const QString name = QStringLiteral("%1(%2)").arg(CellArrays[column]).arg(4 * table + row);
                QLabel* cell = Element<QLabel>(window, name);
                const bool varied = column == row;
                const bool failed = valid && (outcomes[row].failed || outcomes[row].outsideLimits);
                faults.text(cell, !valid   ? QString()
                                  : varied ? Q(outcomes[row].text())
                                           : Q(NumberFormat::General(inputs[column])));
                faults.color(cell, WidgetColors::BackColor(cell),
                             !varied   ? Colors::FixedInput
                             : failed ? Colors::FailedVariation
                                      : Colors::SuccessfulVariation);
            }
    }

    return faults.lines;
}
