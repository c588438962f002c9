#pragma once

#include <xcb/xcb.h>

namespace ostrel {

// Switches the display's monitors off through the X server's DPMS extension (enabling DPMS
// first). False when there is no connection, no DPMS extension, or the server refuses.
bool ForceDpmsOff(xcb_connection_t* connection);

}  // namespace ostrel
