// libFuzzer target: any byte string read as "Statistik.txt". What it read writes a file that
// reads back intact to the same results, with consistent counts, sorted best-time lists of
// at most ten and runs of days apart from each other; merging it with itself changes nothing.
#include "halloffame/statsfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Statistics stats;
    if (decodeStatistics(std::vector<unsigned char>(data, data + size), stats) ==
        StatisticsRead::FutureVersion)
        return 0;
    const std::vector<unsigned char> file = encodeStatistics(stats);
    Statistics again;
    if (decodeStatistics(file, again) != StatisticsRead::Intact || !(again == stats)) std::abort();
    for (const LevelResults& r : stats.levels)
        if (r.solvedWithoutHint > r.solved || r.timedSolved > r.solved ||
            (r.timedSolved > 0) != (r.bestTenths > 0))
            std::abort();
    for (const BestTimeList& list : stats.bestTimes) {
        if (list.size() > kBestTimeRanks) std::abort();
        for (std::size_t i = 1; i < list.size(); ++i)
            if (timeIsBetter(list[i].time, list[i - 1].time)) std::abort();
    }
    for (std::size_t i = 1; i < stats.dailyRuns.size(); ++i)
        if (dayNumber(stats.dailyRuns[i].first) <= dayNumber(stats.dailyRuns[i - 1].last) + 1)
            std::abort();
    if (!(mergeStatistics(stats, stats, stats) == stats)) std::abort();
    return 0;
}
