// A test window and stacking checks for the lock's integration tests, on plain xcb.
//   window_probe open TITLE [override] [above] [dock] [class NAME] [stubborn]
//       maps a window (override-redirect, kept above by the window manager, or a panel), prints
//       its id and stays until closed; a stubborn one ignores close requests
//   window_probe above LOWER UPPER   exit 0 when UPPER's top-level window is above LOWER's
//   window_probe grabbed             exit 0 when another client holds the keyboard
//   window_probe focused WINDOW      exit 0 when WINDOW has the keyboard focus
//   window_probe covered             with the server held still: exit 0 when another client
//       holds the keyboard and a window covers the whole screen, 3 when the keyboard is held
//       with nothing covering the screen, 1 when the keyboard is free
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

xcb_connection_t* connection = nullptr;
xcb_window_t root = XCB_NONE;

xcb_atom_t Atom(const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

void SetProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, int format,
                 const void* data, std::uint32_t count) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, type, format, count,
                        data);
}

int Open(int argc, char** argv) {
    const std::string title = argv[2];
    bool overrideRedirect = false;
    bool above = false;
    bool stubborn = false;
    bool dock = false;
    std::string className = "Window_probe";
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "override") overrideRedirect = true;
        if (option == "above") above = true;
        if (option == "stubborn") stubborn = true;
        if (option == "dock") dock = true;
        if (option == "class" && i + 1 < argc) className = argv[++i];
    }
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t values[] = {overrideRedirect ? 1u : 0u, XCB_EVENT_MASK_STRUCTURE_NOTIFY};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, root, 20, 20, 300, 200, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                      XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    SetProperty(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, title.data(), title.size());
    SetProperty(window, Atom("_NET_WM_NAME"), Atom("UTF8_STRING"), 8, title.data(), title.size());
    const std::string wmClass = "window_probe" + std::string(1, '\0') + className + '\0';
    SetProperty(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, wmClass.data(), wmClass.size());
    const std::uint32_t pid = static_cast<std::uint32_t>(getpid());
    SetProperty(window, Atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, &pid, 1);
    const xcb_atom_t deleteWindow = Atom("WM_DELETE_WINDOW");
    SetProperty(window, Atom("WM_PROTOCOLS"), XCB_ATOM_ATOM, 32, &deleteWindow, 1);
    if (above) {
        const xcb_atom_t state = Atom("_NET_WM_STATE_ABOVE");
        SetProperty(window, Atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 32, &state, 1);
    }
    if (dock) {
        const xcb_atom_t type = Atom("_NET_WM_WINDOW_TYPE_DOCK");
        SetProperty(window, Atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, &type, 1);
    }
    xcb_map_window(connection, window);
    const std::uint32_t top = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &top);
    xcb_flush(connection);
    std::printf("%u\n", window);
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool closing =
            (event->response_type & ~0x80) == XCB_CLIENT_MESSAGE &&
            reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[0] == deleteWindow;
        std::free(event);
        if (closing && !stubborn) return 0;
    }
    return 0;
}

// The window's ancestor that is a child of the root window.
xcb_window_t TopLevel(xcb_window_t window) {
    for (;;) {
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
        if (tree == nullptr) return XCB_NONE;
        const xcb_window_t parent = tree->parent;
        std::free(tree);
        if (parent == root || parent == XCB_NONE) return window;
        window = parent;
    }
}

int Above(const char* lowerText, const char* upperText) {
    const xcb_window_t lower = TopLevel(std::strtoul(lowerText, nullptr, 0));
    const xcb_window_t upper = TopLevel(std::strtoul(upperText, nullptr, 0));
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
    if (tree == nullptr) return 2;
    // Children come bottom first.
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const std::vector<xcb_window_t> stack(children,
                                          children + xcb_query_tree_children_length(tree));
    std::free(tree);
    int lowerAt = -1;
    int upperAt = -1;
    for (int i = 0; i < static_cast<int>(stack.size()); ++i) {
        if (stack[i] == lower) lowerAt = i;
        if (stack[i] == upper) upperAt = i;
    }
    if (lowerAt < 0 || upperAt < 0) return 2;
    return upperAt > lowerAt ? 0 : 1;
}

int Focused(const char* windowText) {
    xcb_get_input_focus_reply_t* reply =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    const bool focused = reply != nullptr && reply->focus == std::strtoul(windowText, nullptr, 0);
    std::free(reply);
    return focused ? 0 : 1;
}

int Grabbed() {
    xcb_grab_keyboard_reply_t* reply =
        xcb_grab_keyboard_reply(connection,
                                xcb_grab_keyboard(connection, 0, root, XCB_CURRENT_TIME,
                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                nullptr);
    const bool taken = reply != nullptr && reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
    std::free(reply);
    xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
    xcb_flush(connection);
    return taken ? 0 : 1;
}

// A mapped top-level window over the whole screen.
bool ScreenCovered() {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
    if (tree == nullptr) return false;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const std::vector<xcb_window_t> windows(children,
                                            children + xcb_query_tree_children_length(tree));
    std::free(tree);
    bool covered = false;
    for (const xcb_window_t window : windows) {
        xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, window), nullptr);
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
        if (attributes != nullptr && geometry != nullptr &&
            attributes->map_state == XCB_MAP_STATE_VIEWABLE && geometry->x <= 0 &&
            geometry->y <= 0 && geometry->x + geometry->width >= screen->width_in_pixels &&
            geometry->y + geometry->height >= screen->height_in_pixels) {
            covered = true;
        }
        std::free(attributes);
        std::free(geometry);
    }
    return covered;
}

int Covered() {
    xcb_grab_server(connection);
    const int result = Grabbed() != 0 ? 1 : ScreenCovered() ? 0 : 3;
    xcb_ungrab_server(connection);
    xcb_flush(connection);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) return 2;
    root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "open" && argc > 2) return Open(argc, argv);
    if (command == "above" && argc == 4) return Above(argv[2], argv[3]);
    if (command == "grabbed") return Grabbed();
    if (command == "focused" && argc == 3) return Focused(argv[2]);
    if (command == "covered") return Covered();
    std::fprintf(stderr,
                 "usage: window_probe open TITLE [options] | above LOWER UPPER | grabbed | focused "
                 "WINDOW | covered\n");
    return 2;
}
