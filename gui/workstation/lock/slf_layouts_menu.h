#pragma once

#include <functional>
#include <string>
#include <vector>

#include "workstation/lock/slf_layout_menu.h"

class QMenu;

namespace ostrel {

// Adds the entries to the Layouts submenu: a checkable (not exclusive) item per layout with its
// title as caption and its path as hint and data, and the separators. Clicking an item calls
// `choose` with its path.
void LayoutsIntoMenu(QMenu& menu, const std::vector<LayoutMenuEntry>& entries,
                     const std::function<void(const std::string&)>& choose);

// Ticks the item whose path equals the layout file exactly, letter case included, and unticks
// every other.
void TickLayoutItem(QMenu& menu, const std::string& layoutFile);

}  // namespace ostrel
