#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QTextDocumentFragment>

#include "calc/Measures.h"
#include "settings/Settings.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/RecordsFiles.h"
#include "ui/QtText.h"

namespace {

class MeasuresWindowTest : public MainWindowFixture {
protected:
    void TearDown() override
    {
        Settings::SetMix(MixPreset::Standard);
        Settings::SetUnits(UnitSystem::US);
    }
    // Chosen as a user chooses: the list's entry activated.
    void chooseMix(MixPreset preset)
    {
        auto* mix = element<QComboBox>("cboMix");
        mix->setCurrentIndex(static_cast<int>(preset));
        emit mix->activated(static_cast<int>(preset));
    }
    QString pane(const char* name) const
    {
        return QTextDocumentFragment::fromHtml(Element<QLabel>(*window, name)->text()).toPlainText();
    }
};

// The pane opened from the Help menu lists the measures of the class shown, follows every
// recalculation, and above the threshold in force is headed by the temperature to cool to.
TEST_F(MeasuresWindowTest, ThePaneListsTheMeasuresOfTheClassShown)
{
    const struct {
        const char* name;
        QStringList readings;
        Precaution precaution;
        QString coolTo;  // empty: not shown
    } cases[] = {
        {"OK", {"70", "70", "70", "5"}, Precaution::Ok, ""},
        {"may be needed", {"80", "50", "85", "10"}, Precaution::May, ""},
        {"shall be taken", {"80", "50", "90", "10"}, Precaution::Shall, "Cool the concrete to 86 °F or below"},
    };
    element<QAction>("mnuMeasures")->trigger();
    auto* measures = element<QDialog>("frmMeasures");
    EXPECT_TRUE(measures->isVisible());
    EXPECT_FALSE(measures->isModal());
    EXPECT_EQ(pane("lblMeasuresSummary"), Q(Measures::NoRate)) << "no readings yet";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        enterInputs(c.readings[0], c.readings[1], c.readings[2], c.readings[3]);
        const Measures::Advice& advice = Measures::For(c.precaution);
        EXPECT_EQ(pane("lblMeasuresSummary"), Q(advice.summary));
        QStringList listed;
        for (std::string_view measure : advice.measures)
            listed << Q(measure);
        EXPECT_EQ(pane("lblMeasures").split('\n'), listed);
        EXPECT_EQ(element<QLabel>("lblCoolTo")->isVisibleTo(measures), !c.coolTo.isEmpty());
        EXPECT_EQ(caption("lblCoolTo"), c.coolTo);
    }
}

// Each preset fills the alternate rate with its value in the system shown; a rate typed over
// it makes it a custom one; the preset goes with a saved record and with the next start.
TEST_F(MeasuresWindowTest, APresetFillsTheAlternateRateAndIsSavedAndKept)
{
    const struct {
        UnitSystem units;
        MixPreset preset;
        bool alternate;
        QString rate;  // in the alternate box
    } cases[] = {
        {UnitSystem::US, MixPreset::LowBleed, true, "0.1"},      {UnitSystem::US, MixPreset::Standard, false, "0.1"},
        {UnitSystem::US, MixPreset::LatexModified, true, "0.1"}, {UnitSystem::US, MixPreset::Custom, true, "0.1"},
        {UnitSystem::SI, MixPreset::LowBleed, true, "0.5"},      {UnitSystem::SI, MixPreset::Custom, true, "0.5"},
        {UnitSystem::SI, MixPreset::LatexModified, true, "0.5"}, {UnitSystem::SI, MixPreset::Standard, false, "0.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(Units::Code(c.units)) + " " + std::string(PresetOf(c.preset).code));
        window->SetUnits(c.units);
        chooseMix(c.preset);
        EXPECT_EQ(element<QRadioButton>("optAlternate")->isChecked(), c.alternate);
        EXPECT_EQ(box("txtAlternateRate")->text(), c.rate);
        EXPECT_EQ(box("txtUserRate")->text(), c.alternate ? c.rate : Q(ThresholdsOf(c.units).shallText));
        EXPECT_EQ(window->calculation().request.mix, c.preset);
    }

    chooseMix(MixPreset::LowBleed);
    window->SetUnits(UnitSystem::US);
    EXPECT_EQ(box("txtAlternateRate")->text(), "0.1") << "the preset's rate of the other system";
    box("txtAlternateRate")->setText("0.10");
    EXPECT_EQ(element<QComboBox>("cboMix")->currentIndex(), int(MixPreset::LowBleed)) << "the same rate";
    box("txtAlternateRate")->setText("0.15");
    EXPECT_EQ(element<QComboBox>("cboMix")->currentIndex(), int(MixPreset::Custom));
    chooseMix(MixPreset::LatexModified);
    element<QRadioButton>("optDefault")->click();
    EXPECT_EQ(element<QComboBox>("cboMix")->currentIndex(), int(MixPreset::Standard));

    chooseMix(MixPreset::LatexModified);
    enterInputs("80", "50", "90", "10");
    OnNextDialog([](QWidget& dialog) {
        EXPECT_EQ(Element<QLabel>(dialog, "lblMix")->text(), "Latex-modified overlay");
        EXPECT_EQ(Element<QLabel>(dialog, "lblSelectedUnit")->text(), "lb/ft²/hr");
        EXPECT_EQ(Element<QLabel>(dialog, "lblERUnit")->text(), "lb/ft²/hr");
        Element<QPushButton>(dialog, "cmdAccept")->click();
    });
    element<QPushButton>("cmdSave")->click();
    messages.clear();
    EXPECT_EQ(LookReadOnly(RecordsPath::ForThisProgram()).rows.value(0).value(18), "LatexModified");

    window = std::make_unique<frmMain>();
    EXPECT_EQ(element<QComboBox>("cboMix")->currentIndex(), int(MixPreset::LatexModified));
    EXPECT_TRUE(element<QRadioButton>("optAlternate")->isChecked());
    EXPECT_EQ(box("txtUserRate")->text(), "0.1");
}

}  // namespace
