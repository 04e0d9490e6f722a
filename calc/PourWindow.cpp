#include "calc/PourWindow.h"

namespace PourWindow {

Found Find(const std::vector<Verdict>& verdicts, int minimumHours)
{
    Found found;
    const auto close = [&](const Run& run) {
        if (run.count == 0)
            return;
        if (!found.longest || run.count > found.longest->count)
            found.longest = run;
        if (!found.next && run.count >= static_cast<std::size_t>(minimumHours > 0 ? minimumHours : 1))
            found.next = run;
    };
    Run run;
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        const bool continues = run.count > 0 && verdicts[i].minute == verdicts[i - 1].minute + 60;
        if (!verdicts[i].safe || !continues) {
            close(run);
            run = {i, 0};
        }
        if (verdicts[i].safe)
            ++run.count;
        else
            run = {i + 1, 0};
    }
    close(run);
    return found;
}

}  // namespace PourWindow
