#include <gtest/gtest.h>

#include <string>

#include "calc/PourWindow.h"

namespace {

// Hours written as a string: 's' safe, 'x' not, '_' a missing hour (a gap in time).
std::vector<PourWindow::Verdict> Hours(const std::string& shape)
{
    std::vector<PourWindow::Verdict> verdicts;
    std::int64_t minute = 0;
    for (char c : shape) {
        if (c != '_')
            verdicts.push_back({minute, c == 's'});
        minute += 60;
    }
    return verdicts;
}

using MaybeRun = std::optional<PourWindow::Run>;

TEST(PourWindow, FindsTheLongestAndTheNextLongEnoughRun)
{
    const struct {
        const char* name;
        std::string shape;
        int minimum;
        MaybeRun longest, next;
    } cases[] = {
        {"none", "", 4, {}, {}},
        {"all above", "xxxxxx", 4, {}, {}},
        {"all below", "ssssss", 4, PourWindow::Run{0, 6}, PourWindow::Run{0, 6}},
        {"short runs only", "ssxsssx", 4, PourWindow::Run{3, 3}, {}},
        {"next before longest", "xssssxsssss", 4, PourWindow::Run{6, 5}, PourWindow::Run{1, 4}},
        {"a tie keeps the earlier", "sssxsss", 3, PourWindow::Run{0, 3}, PourWindow::Run{0, 3}},
        {"a gap breaks a run", "sss_sss", 4, PourWindow::Run{0, 3}, {}},
        {"the run after a gap", "xs__ssss", 4, PourWindow::Run{2, 4}, PourWindow::Run{2, 4}},
        {"a minimum of one", "xsx", 1, PourWindow::Run{1, 1}, PourWindow::Run{1, 1}},
        {"ending safe", "xxxss", 2, PourWindow::Run{3, 2}, PourWindow::Run{3, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PourWindow::Found found = PourWindow::Find(Hours(c.shape), c.minimum);
        EXPECT_EQ(found.longest, c.longest);
        EXPECT_EQ(found.next, c.next);
    }
    // Hours out of order or repeated are no run.
    const std::vector<PourWindow::Verdict> shuffled{{180, true}, {120, true}, {120, true}, {60, true}};
    EXPECT_EQ(PourWindow::Find(shuffled, 2).longest, (PourWindow::Run{0, 1}));
}

}  // namespace
