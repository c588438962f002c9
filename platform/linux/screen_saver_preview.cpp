#include "linux/screen_saver_preview.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workstation/process/preview_frame.h"

namespace ostrel {

namespace {

constexpr std::string_view kPreviewClass = "BexSLW";
constexpr std::string_view kPreviewTitle = "OstrelLaunchSP";
constexpr const char* kFontName = "fixed";
constexpr std::uint16_t kChainLineWidth = 3;

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

struct Connection {
    Connection() : connection(xcb_connect(nullptr, &screenNumber)) {}
    ~Connection() { xcb_disconnect(connection); }
    bool Usable() const { return xcb_connection_has_error(connection) == 0 && Screen() != nullptr; }
    xcb_screen_t* Screen() const {
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; it.rem != 0 && i < screenNumber; ++i) xcb_screen_next(&it);
        return it.rem != 0 ? it.data : nullptr;
    }

    int screenNumber = 0;
    xcb_connection_t* connection;
};

std::string_view PropertyText(const xcb_get_property_reply_t* reply) {
    if (reply == nullptr) return {};
    return {static_cast<const char*>(xcb_get_property_value(reply)),
            static_cast<std::size_t>(xcb_get_property_value_length(reply))};
}

// WM_CLASS holds the instance name and the class name, each ended by a NUL.
bool HasClass(std::string_view wmClass, std::string_view name) {
    const std::size_t end = wmClass.find('\0');
    return end != std::string_view::npos &&
           wmClass.substr(end + 1).substr(0, name.size()) == name &&
           wmClass.substr(end + 1 + name.size()).find_first_not_of('\0') == std::string_view::npos;
}

xcb_get_property_cookie_t TextProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t atom) {
    return xcb_get_property(c, 0, window, atom, XCB_ATOM_STRING, 0, 64);
}

std::uint32_t AllocatedPixel(xcb_connection_t* c, xcb_screen_t* screen, std::uint16_t red,
                             std::uint16_t green, std::uint16_t blue, std::uint32_t fallback) {
    const auto reply = Owned(xcb_alloc_color_reply(
        c, xcb_alloc_color(c, screen->default_colormap, red, green, blue), nullptr));
    return reply ? reply->pixel : fallback;
}

// Draws frames into one parent window with its own graphics context.
class PreviewPainter {
public:
    PreviewPainter(xcb_connection_t* c, xcb_screen_t* screen, xcb_window_t parent, int width)
        : c_(c), parent_(parent), width_(width), gc_(xcb_generate_id(c)) {
        black_ = screen->black_pixel;
        green_ = AllocatedPixel(c, screen, 0, 0xffff, 0, screen->white_pixel);
        steel_ = AllocatedPixel(c, screen, 0xc000, 0xc000, 0xc000, screen->white_pixel);
        const xcb_font_t font = xcb_generate_id(c);
        const bool fontOpen =
            xcb_request_check(
                c, xcb_open_font_checked(c, font, std::strlen(kFontName), kFontName)) == nullptr;
        // Drawn over whatever child windows the parent has, as onto one surface.
        const std::uint32_t values[] = {black_, kChainLineWidth,
                                        XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS, 0};
        xcb_create_gc(c, gc_, parent,
                      XCB_GC_FOREGROUND | XCB_GC_LINE_WIDTH | XCB_GC_SUBWINDOW_MODE |
                          XCB_GC_GRAPHICS_EXPOSURES,
                      values);
        if (fontOpen) {
            xcb_change_gc(c, gc_, XCB_GC_FONT, &font);
            const auto info = Owned(xcb_query_font_reply(c, xcb_query_font(c, font), nullptr));
            ascent_ = info ? info->font_ascent : 0;
            xcb_close_font(c, font);
            hasFont_ = true;
        }
    }
    ~PreviewPainter() { xcb_free_gc(c_, gc_); }

    void Draw(const PreviewFrame& frame) {
        Foreground(black_);
        Fill(frame.bandTopLeft.x, frame.bandTopLeft.y, frame.bandBottomRight.x,
             frame.bandBottomRight.y);
        Fill(0, frame.icons.front().y, width_, frame.icons.front().y + kPreviewIconSize);
        Fill(0, frame.icons.back().y, width_, frame.icons.back().y + kPreviewIconSize);
        if (hasFont_) {
            const std::uint32_t colours[] = {green_, black_};
            xcb_change_gc(c_, gc_, XCB_GC_FOREGROUND | XCB_GC_BACKGROUND, colours);
            xcb_image_text_8(c_, std::strlen(kPreviewText), parent_, gc_,
                             static_cast<std::int16_t>(frame.textTopLeft.x),
                             static_cast<std::int16_t>(frame.textTopLeft.y + ascent_),
                             kPreviewText);
        }
        Foreground(steel_);
        for (const PreviewPoint& icon : frame.icons) DrawChain(icon);
        xcb_flush(c_);
    }

private:
    void Foreground(std::uint32_t pixel) { xcb_change_gc(c_, gc_, XCB_GC_FOREGROUND, &pixel); }
    void Fill(int left, int top, int right, int bottom) {
        const xcb_rectangle_t r{static_cast<std::int16_t>(left), static_cast<std::int16_t>(top),
                                static_cast<std::uint16_t>(right - left),
                                static_cast<std::uint16_t>(bottom - top)};
        xcb_poly_fill_rectangle(c_, parent_, gc_, 1, &r);
    }
    // Two interlocked links of a chain, filling the icon's cell.
    void DrawChain(const PreviewPoint& at) {
        constexpr std::int16_t kFullCircle = 360 * 64;
        const auto x = static_cast<std::int16_t>(at.x);
        const auto y = static_cast<std::int16_t>(at.y);
        const xcb_arc_t links[] = {
            {static_cast<std::int16_t>(x + 2), static_cast<std::int16_t>(y + 6), 17, 12, 0,
             kFullCircle},
            {static_cast<std::int16_t>(x + 13), static_cast<std::int16_t>(y + 14), 17, 12, 0,
             kFullCircle},
        };
        xcb_poly_arc(c_, parent_, gc_, 2, links);
    }

    xcb_connection_t* c_;
    xcb_window_t parent_;
    int width_;
    xcb_gcontext_t gc_;
    std::uint32_t black_ = 0;
    std::uint32_t green_ = 0;
    std::uint32_t steel_ = 0;
    bool hasFont_ = false;
    int ascent_ = 0;
};

// The window's width; nothing when the window no longer exists.
std::optional<int> WindowWidth(xcb_connection_t* c, xcb_window_t window) {
    const auto geometry = Owned(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    if (!geometry) return std::nullopt;
    return geometry->width;
}

}  // namespace

bool PreviewWindowPresent() {
    const Connection display;
    if (!display.Usable()) return false;
    xcb_connection_t* c = display.connection;
    const auto tree =
        Owned(xcb_query_tree_reply(c, xcb_query_tree(c, display.Screen()->root), nullptr));
    if (!tree) return false;
    const xcb_window_t* windows = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    std::vector<std::array<xcb_get_property_cookie_t, 2>> cookies;
    for (int i = 0; i < count; ++i) {
        cookies.push_back({TextProperty(c, windows[i], XCB_ATOM_WM_CLASS),
                           TextProperty(c, windows[i], XCB_ATOM_WM_NAME)});
    }
    bool found = false;
    for (const auto& [classCookie, nameCookie] : cookies) {
        const auto wmClass = Owned(xcb_get_property_reply(c, classCookie, nullptr));
        const auto wmName = Owned(xcb_get_property_reply(c, nameCookie, nullptr));
        found = found || (HasClass(PropertyText(wmClass.get()), kPreviewClass) &&
                          PropertyText(wmName.get()) == kPreviewTitle);
    }
    return found;
}

bool DrawPreview(std::uint32_t parentWindow) {
    const Connection display;
    if (!display.Usable()) return false;
    xcb_connection_t* c = display.connection;
    const std::optional<int> width = WindowWidth(c, parentWindow);
    if (!width) return true;  // the window is gone already: the preview is over
    PreviewPainter painter(c, display.Screen(), parentWindow, *width + kPreviewIconSize);
    pollfd events{xcb_get_file_descriptor(c), POLLIN, 0};
    for (int phase = 0; WindowWidth(c, parentWindow) && !xcb_connection_has_error(c);) {
        phase = NextPreviewPhase(phase);
        painter.Draw(PreviewFrameAt(phase, *width));
        ::poll(&events, 1, kPreviewFrameMs);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) std::free(event);
    }
    return true;
}

}  // namespace ostrel
