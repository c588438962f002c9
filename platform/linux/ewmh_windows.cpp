#include "linux/ewmh_windows.h"

#include <cstring>

#include "linux/xcb_reply.h"

namespace ostrel {

namespace {

constexpr std::uint32_t kMaxPropertyWords = 1 << 16;
constexpr std::uint32_t kSourceIndication = 2;  // a pager or similar tool asks

}  // namespace

EwmhWindows::EwmhWindows(xcb_connection_t* connection) : connection_(connection) {
    if (connection_ == nullptr) return;
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    root_ = xcb_setup_roots_iterator(setup).data->root;
}

xcb_atom_t EwmhWindows::Atom(const char* name) const {
    const auto known = atoms_.find(name);
    if (known != atoms_.end()) return known->second;
    auto reply = Own(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr));
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    atoms_[name] = atom;
    return atom;
}

std::vector<std::uint32_t> EwmhWindows::Cardinals(xcb_window_t window, const char* property,
                                                  xcb_atom_t type) const {
    if (connection_ == nullptr) return {};
    auto reply = Own(xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, window, Atom(property), type, 0, kMaxPropertyWords),
        nullptr));
    if (reply == nullptr || reply->format != 32) return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

std::optional<std::string> EwmhWindows::Text(xcb_window_t window, xcb_atom_t property,
                                             xcb_atom_t type) const {
    auto reply = Own(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, property, type, 0, kMaxPropertyWords),
        nullptr));
    if (reply == nullptr || reply->format != 8 || reply->type == XCB_ATOM_NONE) return std::nullopt;
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(text, xcb_get_property_value_length(reply.get()));
}

std::vector<xcb_window_t> EwmhWindows::ClientWindows() const {
    return Cardinals(root_, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW);
}

std::string EwmhWindows::Title(xcb_window_t window) const {
    if (connection_ == nullptr) return {};
    if (auto name = Text(window, Atom("_NET_WM_NAME"), Atom("UTF8_STRING"))) return *name;
    return Text(window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY).value_or("");
}

std::string EwmhWindows::ClassName(xcb_window_t window) const {
    if (connection_ == nullptr) return {};
    // Two strings, each ended by a zero byte: the instance name, then the class name.
    const std::string both = Text(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING).value_or("");
    const std::size_t end = both.find('\0');
    if (end == std::string::npos) return {};
    const std::string rest = both.substr(end + 1);
    return rest.substr(0, rest.find('\0'));
}

std::optional<pid_t> EwmhWindows::Pid(xcb_window_t window) const {
    const auto values = Cardinals(window, "_NET_WM_PID", XCB_ATOM_CARDINAL);
    if (values.empty() || values.front() == 0) return std::nullopt;
    return static_cast<pid_t>(values.front());
}

bool EwmhWindows::IsDock(xcb_window_t window) const {
    const xcb_atom_t dock = Atom("_NET_WM_WINDOW_TYPE_DOCK");
    for (std::uint32_t type : Cardinals(window, "_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM)) {
        if (type == dock) return true;
    }
    return false;
}

xcb_window_t EwmhWindows::ActiveWindow() const {
    const auto values = Cardinals(root_, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
    return values.empty() ? XCB_NONE : values.front();
}

xcb_window_t EwmhWindows::InputFocus() const {
    if (connection_ == nullptr) return XCB_NONE;
    auto reply =
        Own(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    return reply != nullptr ? reply->focus : xcb_window_t{XCB_NONE};
}

void EwmhWindows::SendToRoot(xcb_window_t window, const char* message, std::uint32_t data0,
                             std::uint32_t data1) {
    if (connection_ == nullptr) return;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(message);
    event.data.data32[0] = data0;
    event.data.data32[1] = data1;
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection_);
}

void EwmhWindows::Close(xcb_window_t window) {
    SendToRoot(window, "_NET_CLOSE_WINDOW", XCB_CURRENT_TIME, kSourceIndication);
}

void EwmhWindows::Lower(xcb_window_t window) {
    if (connection_ == nullptr) return;
    // A managed window's frame is restacked by its window manager on this request.
    const std::uint32_t below = XCB_STACK_MODE_BELOW;
    xcb_configure_window(connection_, window, XCB_CONFIG_WINDOW_STACK_MODE, &below);
    xcb_flush(connection_);
}

void EwmhWindows::ShowDesktop() {
    SendToRoot(root_, "_NET_SHOWING_DESKTOP", 1);
}

void EwmhWindows::Unmap(xcb_window_t window) {
    if (connection_ == nullptr) return;
    xcb_unmap_window(connection_, window);
    xcb_flush(connection_);
}

void EwmhWindows::Map(xcb_window_t window) {
    if (connection_ == nullptr) return;
    xcb_map_window(connection_, window);
    xcb_flush(connection_);
}

}  // namespace ostrel
