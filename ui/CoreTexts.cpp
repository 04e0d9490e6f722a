#include "ui/CoreTexts.h"

#include <QCoreApplication>
#include <string>

#include "ui/QtText.h"

namespace {

// The core's texts as lupdate finds them; keep in step with calc/ (the translations test
// compares this list with the core's texts).
[[maybe_unused]] constexpr const char* Listed[] = {
    // Readings (calc/Readings.h).
    QT_TRANSLATE_NOOP("Core", "Air Temperature"),
    QT_TRANSLATE_NOOP("Core", "Relative Humidity"),
    QT_TRANSLATE_NOOP("Core", "Concrete Temperature"),
    QT_TRANSLATE_NOOP("Core", "Wind Velocity"),
    QT_TRANSLATE_NOOP("Core", "air temperature"),
    QT_TRANSLATE_NOOP("Core", "relative humidity"),
    QT_TRANSLATE_NOOP("Core", "concrete temperature"),
    QT_TRANSLATE_NOOP("Core", "wind velocity"),
    // The nomograph's caption of the humidity curves (calc/NomographGeometry.cpp), spelt as drawn.
    QT_TRANSLATE_NOOP("Core", "Relative Humidty"),
    // Unit systems and mixes (calc/UnitSystems.h).
    QT_TRANSLATE_NOOP("Core", "US Customary (°F, mph, lb/ft²/hr)"),
    QT_TRANSLATE_NOOP("Core", "SI (°C, km/h, kg/m²/hr)"),
    QT_TRANSLATE_NOOP("Core", "Standard"),
    QT_TRANSLATE_NOOP("Core", "Low-bleed (silica fume, HRWR)"),
    QT_TRANSLATE_NOOP("Core", "Low-bleed"),
    QT_TRANSLATE_NOOP("Core", "Latex-modified overlay"),
    QT_TRANSLATE_NOOP("Core", "Latex-modified"),
    QT_TRANSLATE_NOOP("Core", "Custom"),
    // Precaution messages (calc/NomographRun.cpp).
    QT_TRANSLATE_NOOP("Core", "OK"),
    QT_TRANSLATE_NOOP("Core", "Measures may be needed."),
    QT_TRANSLATE_NOOP("Core", "Measures shall be taken."),
    // Measures (calc/Measures.cpp).
    QT_TRANSLATE_NOOP("Core", "Cure the concrete as usual as soon as finishing allows, because every slab needs curing "
                              "whatever the rate."),
    QT_TRANSLATE_NOOP("Core", "Read the conditions again when the weather changes, because sun, wind or drier air can "
                              "raise the rate within the hour."),
    QT_TRANSLATE_NOOP("Core", "Dampen the subgrade and the forms before placing, so that they do not draw water out of "
                              "the concrete."),
    QT_TRANSLATE_NOOP("Core", "Put up windbreaks and sunshades, because wind and sun on the slab drive evaporation."),
    QT_TRANSLATE_NOOP("Core", "Keep a fog spray running above the surface until curing starts, so that the air over "
                              "the slab stays moist without water being worked into the surface."),
    QT_TRANSLATE_NOOP("Core", "Apply an evaporation retarder after screeding when the surface dries before finishing, "
                              "to hold its water in."),
    QT_TRANSLATE_NOOP("Core", "Cover the surface with wet burlap or plastic sheeting during delays, so that it does "
                              "not dry while it waits."),
    QT_TRANSLATE_NOOP("Core", "Start curing sooner, as soon as finishing allows, because the surface loses water "
                              "faster than it bleeds."),
    QT_TRANSLATE_NOOP("Core", "Schedule the pour for a cooler part of the day, such as early morning or evening, when "
                              "the rate is lower."),
    QT_TRANSLATE_NOOP("Core", "Cool the concrete with chilled mixing water, ice or shaded aggregates, because cooler "
                              "concrete evaporates less."),
    QT_TRANSLATE_NOOP("Core", "Apply an evaporation retarder after screeding, to hold the water in the surface until "
                              "finishing."),
    QT_TRANSLATE_NOOP("Core", "No measures against evaporation are needed at this rate."),
    QT_TRANSLATE_NOOP("Core", "Measures may be needed: have these ready and take them when the surface dries before "
                              "bleeding stops."),
    QT_TRANSLATE_NOOP("Core", "The rate is above the threshold in force: take these measures, in this order."),
    QT_TRANSLATE_NOOP("Core", "Cool the concrete to %1 or below"),
    QT_TRANSLATE_NOOP("Core", "No concrete temperature from %1 to %2 brings the rate down to the threshold: take the "
                              "other measures"),
    QT_TRANSLATE_NOOP("Core", "Enter four readings inside their ranges to see the measures for their rate."),
};

}  // namespace

QString CoreText(std::string_view english)
{
    const std::string key(english);
    const QString translated = QCoreApplication::translate("Core", key.c_str());
    // translate() answers the key itself when there is no translation: keep the core's
    // exact text then (a byte-order mark included), as Q() passes it.
    return translated.toUtf8() == QByteArray(key.data(), qsizetype(key.size())) ? Q(english) : translated;
}
