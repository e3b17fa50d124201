#include "steady_rows.h"

#include <algorithm>
#include <map>

namespace classroom {

namespace {

RowKey keyOf(const PupilRow &row)
{
    return {row.variant, row.name};
}

bool hasLess(const PupilRow &fresh, const PupilRow &shown)
{
    if (shown.status == PupilStatus::NoResult)
        return false;
    return fresh.status == PupilStatus::NoResult || fresh.judged.checks < shown.judged.checks;
}

} // namespace

bool placeLost(const ClassResults &results)
{
    return std::any_of(results.misfits.begin(), results.misfits.end(),
        [](const MisfitFile &m) { return m.why == Misfit::Missing || m.why == Misfit::PlaceUnreadable; });
}

SteadyResults steadyResults(const ClassResults &fresh, const ClassResults &lastScan, const SteadyResults &shown,
    bool lost)
{
    std::map<RowKey, const PupilRow *> before, previous;
    for (const PupilRow &row : shown.results.rows)
        before[keyOf(row)] = &row;
    for (const PupilRow &row : lastScan.rows)
        previous[keyOf(row)] = &row;
    SteadyResults steady;
    steady.results.misfits = fresh.misfits;
    for (const PupilRow &row : fresh.rows) {
        const RowKey key = keyOf(row);
        const auto was = before.find(key);
        const auto seen = previous.find(key);
        const bool confirmed = seen != previous.end() && *seen->second == row;
        if (was != before.end() && hasLess(row, *was->second) && (lost || !confirmed)) {
            steady.results.rows.push_back(*was->second);
            if (lost || shown.old.contains(key))
                steady.old.insert(key);
        } else {
            steady.results.rows.push_back(row);
        }
    }
    // A row of a pupil without a list whose only file went: gone only once
    // two scans have missed it.
    std::set<RowKey> present;
    for (const PupilRow &row : fresh.rows)
        present.insert(keyOf(row));
    for (const auto &[key, row] : before) {
        if (!present.contains(key) && row->status != PupilStatus::NoResult && (lost || previous.contains(key))) {
            steady.results.rows.push_back(*row);
            if (lost || shown.old.contains(key))
                steady.old.insert(key);
        }
    }
    std::stable_sort(steady.results.rows.begin(), steady.results.rows.end(),
        [](const PupilRow &a, const PupilRow &b) { return a.variant < b.variant; });
    return steady;
}

} // namespace classroom
