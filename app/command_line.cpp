#include "command_line.h"

#include <cstdio>

std::string usageText()
{
    return "Usage: ravloviewer [LAYOUT]\n"
           "       ravloviewer --check LAYOUT\n"
           "       ravloviewer --report LAYOUT [--inch|--cm]\n"
           "       ravloviewer --export-vrml OUT.wrl LAYOUT\n"
           "       ravloviewer --render OUT.png [--size WxH] LAYOUT\n"
           "       ravloviewer --help | --version\n"
           "\n"
           "Without an option the layout opens in the 3D window.\n"
           "--check prints the load messages of a layout (exit 0: none, 1: some, 2: unreadable).\n";
}

namespace {

// The toolkit's own options (one dash), which the window takes for itself:
// how many words each takes, the option included.
int toolkitOptionWords(const std::string& a)
{
    static const char* const withValue[] = {"-platform",
                                            "-platformpluginpath",
                                            "-platformtheme",
                                            "-plugin",
                                            "-qwindowgeometry",
                                            "-geometry",
                                            "-qwindowtitle",
                                            "-title",
                                            "-qwindowicon",
                                            "-icon",
                                            "-display",
                                            "-style",
                                            "-stylesheet",
                                            "-session",
                                            "-name",
                                            "-visual"};
    static const char* const alone[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};
    for (const char* option : withValue)
        if (a == option)
            return 2;
    for (const char* option : alone)
        if (a == option)
            return 1;
    if (a.starts_with("-style=") || a.starts_with("-stylesheet=") || a.starts_with("-qmljsdebugger="))
        return 1;
    return 0;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args)
{
    CommandLine c;
    auto fail = [&c](const std::string& why) {
        c.mode = CommandLine::Error;
        c.error = why;
        return c;
    };
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size())
                return false;
            into = args[++i];
            return true;
        };
        if (a == "--help" || a == "-h") {
            c.mode = CommandLine::Help;
            return c;
        } else if (a == "--version") {
            c.mode = CommandLine::Version;
            return c;
        } else if (a == "--check") {
            c.mode = CommandLine::Check;
        } else if (a == "--report") {
            c.mode = CommandLine::Report;
        } else if (a == "--inch") {
            c.inches = true;
        } else if (a == "--cm") {
            c.inches = false;
        } else if (a == "--export-vrml") {
            c.mode = CommandLine::ExportVrml;
            if (!value(c.output))
                return fail("--export-vrml needs an output file");
        } else if (a == "--render") {
            c.mode = CommandLine::Render;
            if (!value(c.output))
                return fail("--render needs an output file");
        } else if (a == "--size") {
            std::string size;
            if (!value(size) || std::sscanf(size.c_str(), "%dx%d", &c.width, &c.height) != 2 ||
                c.width <= 0 || c.height <= 0 || c.width > 16384 || c.height > 16384)
                return fail("--size needs WIDTHxHEIGHT");
        } else if (const int words = toolkitOptionWords(a); words > 0) {
            i += static_cast<std::size_t>(words - 1);
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return fail("unknown option " + a);
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() > 1)
        return fail("more than one layout named");
    if (!positional.empty())
        c.layout = positional[0];
    if (c.mode != CommandLine::Window && c.layout.empty())
        return fail("no layout named");
    return c;
}
