#pragma once

#include "class_results.h"

#include <set>
#include <utility>

namespace classroom {

// A pupil's row as a key: the variant and the name.
using RowKey = std::pair<int, QString>;

struct SteadyResults {
    ClassResults results;
    std::set<RowKey> old; // rows kept from an earlier scan
};

// The table to show after a scan. A share shows files that are being
// replaced as missing, and a client's cache can hand back a file cut to its
// old size: a row never drops below what was shown on one scan's word, only
// when two scans in a row agree. While a chosen place cannot be read at
// all, every row keeps what was shown, marked old.
SteadyResults steadyResults(const ClassResults &fresh, const ClassResults &lastScan, const SteadyResults &shown,
    bool placeLost);

// A chosen place is missing or cannot be listed.
bool placeLost(const ClassResults &results);

} // namespace classroom
