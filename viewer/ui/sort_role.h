#pragma once

#include <Qt>

namespace undertext::ui {

// The role in which the viewer's tables give each cell as a number where it is
// one (none for an empty cell), so that their columns sort numerically.
inline constexpr int kSortRole = Qt::UserRole;

}  // namespace undertext::ui
