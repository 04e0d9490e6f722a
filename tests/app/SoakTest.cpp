#include <QApplication>
#include <QPixmapCache>

#include <chrono>
#include <cstdio>
#include <deque>
#include <sstream>

#include "tests/app/MainWindowFixture.h"
#include "tests/app/ProcessMemory.h"
#include "tests/app/SoakUser.h"
#include "tests/app/WindowConsistency.h"
#include "tests/support/RecordingTarget.h"

namespace {

// BRACKMERE_SOAK_SEED and BRACKMERE_SOAK_ACTIONS choose another run; a failure
// names the seed and the action count that reproduce it.
constexpr std::uint64_t DefaultSeed = 20240611;
constexpr int DefaultActions = 20000;
constexpr int WarmUpActions = 2000;
constexpr int RecentActionsShown = 25;
constexpr int FailuresReported = 5;
constexpr int ProgressEvery = 4000;
const QSize ReadingWindowSize(800, 600);

// Generous for caches that fill up (glyphs, the records file's pages), far below
// what a leak in an action that runs thousands of times would add. The resident
// size says nothing under AddressSanitizer, whose allocator holds freed blocks in
// quarantine and keeps their pages; there the memory still allocated decides.
constexpr double ResidentGrowthLimitMB = 30.0;
constexpr double LiveHeapGrowthLimitMB = 4.0;

std::uint64_t SettingFromEnvironment(const char* name, std::uint64_t fallback)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const qulonglong parsed = value.toULongLong(&ok);
    return ok ? parsed : fallback;
}

class SoakTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        window->show();
        QApplication::processEvents();
    }
};

struct MemoryReading {
    std::uint64_t resident = 0;
    std::optional<std::uint64_t> liveHeap;
};

// Readings are taken at one window size, since the window's backing store and
// chart images alone differ by megabytes between a small and a large window; the
// window gets its size back afterwards, so the run goes on as it would have.
// Qt's pixmap cache keeps style pixmaps up to its limit (10 MB) on purpose; it is
// emptied first so that a cache filling up does not pass for growth.
MemoryReading ReadMemory(QWidget& window)
{
    const QSize size = window.size();
    window.resize(ReadingWindowSize);
    QApplication::processEvents();
    QPixmapCache::clear();
    const MemoryReading reading{ProcessMemory::ResidentBytes(), ProcessMemory::LiveHeapBytes()};
    window.resize(size);
    QApplication::processEvents();
    return reading;
}

void PrintMemory(const char* when, const MemoryReading& reading)
{
    std::printf("soak: %s: RSS %.1f MB", when, ProcessMemory::Megabytes(reading.resident));
    if (reading.liveHeap)
        std::printf(", live heap %.1f MB", ProcessMemory::Megabytes(*reading.liveHeap));
    std::printf("\n");
}

std::string FailureReport(std::uint64_t seed, int action, const std::deque<std::string>& recent,
                          const std::vector<std::string>& faults)
{
    std::ostringstream report;
    report << "inconsistent window after action " << action + 1 << " of seed " << seed
           << " (reproduce with BRACKMERE_SOAK_SEED=" << seed << " BRACKMERE_SOAK_ACTIONS=" << action + 1 << ")\n"
           << "last actions:\n";
    for (const std::string& done : recent)
        report << "  " << done << "\n";
    report << "faults:\n";
    for (const std::string& fault : faults)
        report << "  " << fault << "\n";
    return report.str();
}

TEST_F(SoakTest, RandomUserActionsKeepTheWindowConsistentWithoutGrowingMemory)
{
    const std::uint64_t seed = SettingFromEnvironment("BRACKMERE_SOAK_SEED", DefaultSeed);
    const int actions = static_cast<int>(SettingFromEnvironment("BRACKMERE_SOAK_ACTIONS", DefaultActions));
    std::printf("soak: seed %llu, %d actions\n", static_cast<unsigned long long>(seed), actions);

    FakePrintDestinations printer;
    SoakRandom random(seed);
    SoakUser user(*window, messages, printer, random);
    const WindowConsistency consistency(*window);
    ASSERT_TRUE(consistency.Check().empty()) << "inconsistent at start-up";

    std::deque<std::string> recent;
    int inconsistencies = 0;
    int validStates = 0;
    const int warmUp = std::min(WarmUpActions, actions / 10);
    MemoryReading start = ReadMemory(*window);
    const auto began = std::chrono::steady_clock::now();

    for (int action = 0; action < actions; ++action) {
        recent.push_back(user.Act());
        if (recent.size() > RecentActionsShown)
            recent.pop_front();

        std::vector<std::string> faults = user.TakeFaults();
        for (std::string& fault : consistency.Check())
            faults.push_back(std::move(fault));
        if (!faults.empty()) {
            ++inconsistencies;
            ADD_FAILURE() << FailureReport(seed, action, recent, faults);
            if (inconsistencies >= FailuresReported)
                break;
        }
        if (consistency.InputsValid())
            ++validStates;
        if (action + 1 == warmUp)
            start = ReadMemory(*window);
        if ((action + 1) % ProgressEvery == 0)
            PrintMemory(("after " + std::to_string(action + 1) + " actions").c_str(), ReadMemory(*window));
    }

    const MemoryReading end = ReadMemory(*window);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    const double residentGrowth = ProcessMemory::Megabytes(end.resident) - ProcessMemory::Megabytes(start.resident);
    std::printf("soak: %d actions, seed %llu, %d inconsistencies, RSS start %.1f MB end %.1f MB", actions,
                static_cast<unsigned long long>(seed), inconsistencies, ProcessMemory::Megabytes(start.resident),
                ProcessMemory::Megabytes(end.resident));
    if (start.liveHeap && end.liveHeap)
        std::printf(", live heap start %.1f MB end %.1f MB", ProcessMemory::Megabytes(*start.liveHeap),
                    ProcessMemory::Megabytes(*end.liveHeap));
    std::printf(", %d valid states, %.0f s\nsoak: actions by kind: %s\n", validStates, seconds, user.Tally().c_str());
    std::fflush(stdout);

    EXPECT_EQ(inconsistencies, 0);
    // The oracle's calculated side must get its share, not only blank results.
    EXPECT_GT(validStates, actions / 5);
    if (inconsistencies == 0 && actions >= DefaultActions) {
        if (!ProcessMemory::AllocatorKeepsFreedMemory()) {
            EXPECT_LT(residentGrowth, ResidentGrowthLimitMB) << "resident size grew across the run";
        }
        if (start.liveHeap && end.liveHeap) {
            EXPECT_LT(ProcessMemory::Megabytes(*end.liveHeap) - ProcessMemory::Megabytes(*start.liveHeap),
                      LiveHeapGrowthLimitMB)
                << "memory still held grew across the run";
        }
    }
}

}  // namespace
