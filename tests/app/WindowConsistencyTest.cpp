#include <QSignalBlocker>

#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowConsistency.h"
#include "ui/WidgetColors.h"

// The soak's judge must see real faults, or a green soak means nothing: after each step
// the window is either as the program leaves it or in a state the program never leaves
// it in, which the judge must report on the named element.
namespace {

using WindowConsistencyTest = MainWindowFixture;

TEST_F(WindowConsistencyTest, FindsTheProgramsOwnStatesConsistentAndReportsOthers)
{
    const auto quietly = [](QLineEdit* box, const QString& text) {
        const QSignalBlocker quiet(box);
        box->setText(text);
    };
    const struct { const char* step; std::function<void()> act; const char* reported; } steps[] = {
        {"start-up", [] {}, ""},
        {"a valid set", [&] { enterInputs("80", "50", "90", "10"); }, ""},
        {"a rate the calculation did not give", [&] { label("lblEvapEqn")->setText("0.242"); }, "lblEvapEqn"},
        {"a bar out of step with its box", [&] { quietly(box("txtRelativeHumidity"), "60"); }, "hsbRelativeHumidity"},
        {"results left after an input became invalid", [&] { quietly(box("txtRelativeHumidity"), ""); },
         "lblEvapNomo"},
        {"a scenario left after an input became invalid", [] {}, "lblAir1(0)"},
        {"Save left enabled", [] {}, "cmdSave"},
        {"the alternate threshold, a word", [&] {
             enterInputs("70", "50", "70", "10");
             element<QRadioButton>("optAlternate")->click();
             box("txtAlternateRate")->setText("abc");
         }, ""},
        {"the default threshold again", [&] { element<QRadioButton>("optDefault")->click(); }, ""},
        {"a threshold out of step with the choice", [&] { quietly(box("txtUserRate"), "0.3"); }, "lblUserRate(0)"},
        {"20.9 F below the range, not shown as failed", [&] {
             quietly(box("txtUserRate"), "0.2");
             WidgetColors::SetBackColor(label("lblAir1(4)"), Colors::SuccessfulVariation);
         }, "lblAir1(4)"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        const std::vector<std::string> faults = CheckWindowConsistency(*window);
        if (*s.reported == '\0')
            EXPECT_EQ(faults, std::vector<std::string>{});
        else
            EXPECT_TRUE(std::any_of(faults.begin(), faults.end(), [&](const std::string& f) {
                return f.starts_with(s.reported);
            })) << "not reported on " << s.reported;
    }
}

}  // namespace
