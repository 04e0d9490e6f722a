// Reads lines of tab-separated fields (units "us"|"si", alternate 0|1, threshold text, the
// four reading texts) and writes, a line each, what the native core makes of them, in the
// form core_agreement.cjs writes the WebAssembly build's answers.
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Calculation.h"
#include "calc/ScrollBarValue.h"

int main()
{
    for (std::string line; std::getline(std::cin, line);) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            f.push_back(field);
        f.resize(7);
        const UnitSystem units = f[0] == "si" ? UnitSystem::SI : UnitSystem::US;
        const UnitSystem other = f[0] == "si" ? UnitSystem::US : UnitSystem::SI;
        const CalculationRequest request{{f[3], f[4], f[5], f[6]}, units,
                                         f[1] == "1" ? ThresholdChoice::Alternate : ThresholdChoice::Default, f[2]};
        for (Input input : AllInputs) {
            const std::string& text = request.texts[static_cast<std::size_t>(input)];
            const std::optional<int> position = ScrollBarValueFor(text, RangeOf(input, units));
            std::cout << (position ? std::to_string(*position) : "-") << '|'
                      << ConvertReadingText(input, text, units, other) << '\t';
        }
        const Calculation c = Calculate(request);
        if (!c.valid) {
            std::cout << "invalid\t" << WhyInvalid(request.texts, units) << '\n';
            continue;
        }
        std::cout << c.nomoCaption << '\t' << c.eqnCaption << '\t' << c.answer << '\t'
                  << (c.answerColor == MessageColor::Warning ? "warning" : "normal");
        for (const ScenarioCells& table : c.scenarios)
            for (const auto& row : table.rows)
                for (const ScenarioCell& cell : row)
                    std::cout << '\t' << cell.text << ':' << "fvx"[static_cast<int>(cell.state)];
        std::cout << '\n';
    }
}
