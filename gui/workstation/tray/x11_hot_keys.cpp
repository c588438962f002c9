#include "workstation/tray/x11_hot_keys.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "linux/x11_connection.h"

namespace ostrel {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// The first key code whose mapping holds the key symbol; 0 when none does.
std::uint8_t KeycodeOf(xcb_connection_t* connection, std::uint32_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    Reply<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr));
    if (!mapping) return 0;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perCode = mapping->keysyms_per_keycode;
    for (int code = 0; code < count; ++code) {
        for (int column = 0; column < perCode; ++column) {
            if (symbols[code * perCode + column] == keysym) {
                return static_cast<std::uint8_t>(setup->min_keycode + code);
            }
        }
    }
    return 0;
}

// The modifier bit that NumLock sets; 0 when no modifier carries it.
std::uint16_t NumLockMask(xcb_connection_t* connection) {
    const std::uint8_t numLock = KeycodeOf(connection, kKeysymNumLock);
    if (numLock == 0) return 0;
    Reply<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (!mapping) return 0;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            if (codes[modifier * perModifier + i] == numLock) {
                return static_cast<std::uint16_t>(1 << modifier);
            }
        }
    }
    return 0;
}

}  // namespace

X11HotKeys::X11HotKeys(Trace trace, QObject* parent) : QObject(parent), trace_(std::move(trace)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11HotKeys::~X11HotKeys() {
    Clear();
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

void X11HotKeys::Clear() {
    for (const Grab& grab : grabs_) Ungrab(grab);
    grabs_.clear();
    if (xcb_connection_t* connection = QtX11Connection()) xcb_flush(connection);
}

void X11HotKeys::Add(const NumberedHotKey& hotKey) {
    grabs_.push_back({hotKey});
}

void X11HotKeys::Activate() {
    xcb_connection_t* connection = QtX11Connection();
    if (connection == nullptr) {
        trace_("hot keys: no X display");
        return;
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    numLockMask_ = NumLockMask(connection);
    for (Grab& grab : grabs_) {
        if (grab.registered) continue;
        grab.keycode = KeycodeOf(connection, grab.hotKey.combination.keysym);
        grab.registered = grab.keycode != 0 && GrabAll(grab);
        if (!grab.registered) {
            trace_("hot key " + std::to_string(grab.hotKey.number) + " not registered");
        }
    }
    xcb_flush(connection);
}

bool X11HotKeys::GrabAll(Grab& grab) {
    xcb_connection_t* connection = QtX11Connection();
    const auto variants = GrabModifierVariants(grab.hotKey.combination.modifiers, numLockMask_);
    std::vector<xcb_void_cookie_t> cookies;
    for (const std::uint16_t modifiers : variants) {
        // Events go to the root window even while one of this program's windows has the pointer.
        cookies.push_back(xcb_grab_key_checked(connection, 0, root_, modifiers, grab.keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    bool all = true;
    for (const xcb_void_cookie_t cookie : cookies) {
        Reply<xcb_generic_error_t> error(xcb_request_check(connection, cookie));
        all = all && !error;
    }
    // Part of the combination held elsewhere: none of it counts as ours.
    if (!all) Ungrab(grab);
    return all;
}

void X11HotKeys::Ungrab(const Grab& grab) {
    xcb_connection_t* connection = QtX11Connection();
    if (connection == nullptr || grab.keycode == 0) return;
    for (const std::uint16_t modifiers :
         GrabModifierVariants(grab.hotKey.combination.modifiers, numLockMask_)) {
        xcb_ungrab_key(connection, grab.keycode, root_, modifiers);
    }
}

bool X11HotKeys::Registered(int number) const {
    for (const Grab& grab : grabs_) {
        if (grab.hotKey.number == number) return grab.registered;
    }
    return false;
}

bool X11HotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return false;
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    if (key->event != root_) return false;
    const std::uint16_t modifiers = HotKeyModifiersOf(key->state, numLockMask_);
    for (const Grab& grab : grabs_) {
        if (grab.registered && grab.keycode == key->detail &&
            grab.hotKey.combination.modifiers == modifiers) {
            emit HotKeyPressed(grab.hotKey.number);
            return true;
        }
    }
    return false;
}

}  // namespace ostrel
