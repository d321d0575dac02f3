#include "Display.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace rt::qt {

namespace {

    std::string environment(char const* name)
    {
        char const* value = std::getenv(name);
        return value ? value : "";
    }

    // The platforms that QT_QPA_PLATFORM names, in the order Qt tries them:
    // separated by ';', each a name in any case with its options after ':'.
    std::vector<std::string> named_platforms(std::string const& setting)
    {
        std::vector<std::string> names;
        std::size_t start = 0;
        while (start <= setting.size()) {
            std::size_t end = std::min(setting.find(';', start), setting.size());
            std::string name = setting.substr(start, std::min(setting.find(':', start), end) - start);
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
            names.push_back(name);
            start = end + 1;
        }
        return names;
    }

    // A setting that names the X platform alone, which is asked directly.
    bool names_x_alone(std::string const& setting)
    {
        return named_platforms(setting) == std::vector<std::string> { "xcb" };
    }

    // Why the X display cannot be reached, or "" when it can.
    std::string why_no_x_display()
    {
        char const* display = std::getenv("DISPLAY");
        if (!display)
            return "DISPLAY is not set";
        if (!*display)
            return "DISPLAY is empty";
        xcb_connection_t* connection = xcb_connect(display, nullptr);
        bool const reached = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        if (!reached)
            return "nothing answers at DISPLAY=" + std::string(display);
        return {};
    }

    // Whether Qt starts on the platform it would choose now. Qt itself is asked,
    // in a child process: it ends the process outright when no platform starts,
    // and only it knows what each of its plugins needs (a device, a server, a
    // socket). The child says nothing and leaves no core behind.
    bool platform_starts()
    {
        std::fflush(nullptr);
        pid_t const child = ::fork();
        if (child < 0)
            return true; // Qt will tell for itself
        if (child == 0) {
            int const null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            rlimit const no_core { 0, 0 };
            ::setrlimit(RLIMIT_CORE, &no_core);
            qInstallMessageHandler([](QtMsgType type, QMessageLogContext const&, QString const&) {
                if (type == QtFatalMsg)
                    ::_exit(1);
            });
            int argc = 1;
            char name[] = "zelivornata";
            char* argv[] = { name, nullptr };
            QGuiApplication application(argc, argv);
            // A platform that started without a screen has nowhere to put a
            // window either.
            ::_exit(QGuiApplication::primaryScreen() ? 0 : 1);
        }
        int status = 0;
        while (::waitpid(child, &status, 0) < 0) {
            if (errno != EINTR)
                return true;
        }
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

}

std::string why_no_display()
{
    std::string const setting = environment("QT_QPA_PLATFORM");
    std::vector<std::string> const named = named_platforms(setting);
    bool const names_x = std::find(named.begin(), named.end(), "xcb") != named.end();
    // Qt tries Wayland first in a Wayland session, unless a platform is named.
    bool const wayland_session = std::getenv("WAYLAND_DISPLAY") || environment("XDG_SESSION_TYPE") == "wayland";
    // The X display alone: asked directly, it tells why it cannot be reached.
    if (setting.empty() ? !wayland_session : names_x_alone(setting)) {
        std::string const why = why_no_x_display();
        return why.empty() ? why : "no display could be reached: " + why;
    }
    if (platform_starts())
        return {};
    std::string const why_not_x = setting.empty() || names_x ? why_no_x_display() : "";
    std::string const tried = setting.empty() ? "in the Wayland session" : "with QT_QPA_PLATFORM=" + setting;
    return "no display could be reached " + tried + (why_not_x.empty() ? "" : " (" + why_not_x + ")");
}

std::string virtual_display_command(std::string const& program)
{
    std::string const setting = environment("QT_QPA_PLATFORM");
    // A virtual display is an X display: a platform named otherwise would be
    // tried again instead.
    std::string const platform = setting.empty() || names_x_alone(setting) ? "" : "QT_QPA_PLATFORM=xcb ";
    return platform + "xvfb-run -a " + program;
}

}
