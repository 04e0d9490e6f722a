// Reads lines of tab-separated fields (units "us"|"si", alternate 0|1, threshold text, the
// four reading texts) and writes, a line each, what the native core makes of them, in the
// form core_agreement.cjs writes the WebAssembly build's answers.
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Calculation.h"
#include "calc/Measures.h"
#include "calc/ScrollBarValue.h"

int main()
{
    for (std::string line; std::getline(std::cin, line);) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            f.push_back(field);
        f.resize(7);
        const UnitSystem units = Units::SystemNamed(f[0]).value_or(UnitSystem::US);
        const UnitSystem other = units == UnitSystem::SI ? UnitSystem::US : UnitSystem::SI;
        const CalculationRequest request{.readings = {f[3], f[4], f[5], f[6]},
                                         .units = units,
                                         .choice = f[1] == "1" ? ThresholdChoice::Alternate : ThresholdChoice::Default,
                                         .alternateText = f[2]};
        for (Input input : AllInputs) {
            const std::string& text = request.readings[input];
            const std::optional<int> position = ScrollBarValueFor(text, RangeOf(input, units));
            std::cout << (position ? std::to_string(*position) : "-") << '|'
                      << ConvertReadingText(input, text, units, other) << '\t';
        }
        const Calculation c = Calculate(request);
        for (const ScenarioCells& table : c.scenarios)
            std::cout << table.titleRate << '|' << table.rateText << '\t';
        if (!c.valid) {
            std::cout << "invalid\t" << WhyInvalid(request.readings, units) << '\n';
            continue;
        }
        static constexpr const char* precautions[] = {"ok", "may", "shall"};
        std::cout << c.nomoCaption << '\t' << c.eqnCaption << '\t' << c.answer << '\t'
                  << precautions[static_cast<int>(c.precaution)] << '\t' << Measures::CoolToLine(c) << '\t'
                  << Measures::For(c.precaution).summary << '\t';
        const auto& measures = Measures::For(c.precaution).measures;
        for (std::size_t i = 0; i < measures.size(); ++i)
            std::cout << (i ? "|" : "") << measures[i];
        for (const ScenarioCells& table : c.scenarios)
            for (const auto& row : table.rows)
                for (const ScenarioCell& cell : row)
                    std::cout << '\t' << cell.text << ':' << "fvx"[static_cast<int>(cell.state)];
        std::cout << '\n';
    }
}
