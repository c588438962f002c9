#include "linux/x11_dpms.h"

#include <sys/uio.h>
#include <xcb/xcbext.h>

#include <cstdint>
#include <cstdlib>

namespace ostrel {
namespace {

// The DPMS requests are sent by extension name: the protocol is small and stable, and this keeps
// the program free of the extension's client library.
xcb_extension_t dpmsExtension = {"DPMS", 0};

constexpr std::uint8_t kDpmsEnable = 4;
constexpr std::uint8_t kDpmsForceLevel = 6;
constexpr std::uint16_t kDpmsModeOff = 3;

struct RequestHeader {
    std::uint8_t majorOpcode;
    std::uint8_t minorOpcode;
    std::uint16_t length;
};

struct ForceLevelRequest {
    RequestHeader header;
    std::uint16_t powerLevel;
    std::uint8_t pad[2];
};

// Sends one checked DPMS request and waits for its outcome: true when the server took it.
template <typename Request>
bool SendChecked(xcb_connection_t* connection, std::uint8_t opcode, Request& request) {
    const xcb_protocol_request_t protocol = {1, &dpmsExtension, opcode, 1};
    iovec parts[3] = {};  // xcb uses the two entries before the request
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof(request);
    const xcb_void_cookie_t cookie = {
        xcb_send_request(connection, XCB_REQUEST_CHECKED, parts + 2, &protocol)};
    xcb_generic_error_t* error = xcb_request_check(connection, cookie);
    std::free(error);
    return error == nullptr;
}

}  // namespace

bool ForceDpmsOff(xcb_connection_t* connection) {
    if (connection == nullptr || xcb_connection_has_error(connection) != 0) return false;
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &dpmsExtension);
    if (extension == nullptr || extension->present == 0) return false;
    RequestHeader enable{};
    ForceLevelRequest forceOff{{}, kDpmsModeOff, {}};
    return SendChecked(connection, kDpmsEnable, enable) &&
           SendChecked(connection, kDpmsForceLevel, forceOff);
}

}  // namespace ostrel
