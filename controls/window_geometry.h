#pragma once

#include <QSize>

// The main window's client area, fixed: the screens (992 x 617) over the row
// of buttons. The screenshots are this size too.
inline constexpr QSize kWindowSize{992, 665};
