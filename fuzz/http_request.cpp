// Feeds outside bytes to the remote-control server's request reader, split where the first byte
// says, and looks up what a handler would.
#include "workstation/remote/http_request.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "workstation/remote/remote_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = std::min<std::size_t>(data[0], bytes.size());
    ostrel::HttpRequestReader reader({256, 1024, 512});
    reader.Feed(bytes.substr(0, split));
    if (reader.Feed(bytes.substr(split)) == ostrel::HttpRequestReader::State::kComplete) {
        const ostrel::HttpRequest& request = reader.Request();
        // The limits hold and only served methods come through.
        if (request.requestLine.size() >= 256 || !ostrel::MethodIsServed(request.line.method)) {
            std::abort();
        }
        (void)request.Param("s_password");
        (void)ostrel::MaskPassword(request.requestLine);
        (void)ostrel::CutToFlags(request.Param("params"));
    }
    return 0;
}
