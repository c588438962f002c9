#include "linux/terminal_password.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace ostrel {

std::optional<std::string> ReadPasswordFromTerminal(std::string_view prompt) {
    const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (tty < 0) return std::nullopt;
    termios saved{};
    const bool hasTermios = ::tcgetattr(tty, &saved) == 0;
    if (hasTermios) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(tty, TCSAFLUSH, &quiet);
    }
    (void)!::write(tty, prompt.data(), prompt.size());
    std::string password;
    bool ended = true;
    char c = 0;
    while (::read(tty, &c, 1) == 1) {
        if (c == '\n' || c == '\r') {
            ended = false;
            break;
        }
        password += c;
    }
    if (hasTermios) ::tcsetattr(tty, TCSAFLUSH, &saved);
    (void)!::write(tty, "\n", 1);
    ::close(tty);
    if (ended && password.empty()) return std::nullopt;
    return password;
}

}  // namespace ostrel
