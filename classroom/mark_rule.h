#pragma once

#include <QString>

#include <optional>

namespace classroom {

// The default mark of a pupil's result: 5 when the first check was right,
// 4 when right by the third, 3 when right later, 2 when never right.
// checksToFirstRight is 1-based, none when no check was right.
int markFor(std::optional<int> checksToFirstRight);

// The same rule in words, as the window and the report state it.
QString markRuleText();

} // namespace classroom
