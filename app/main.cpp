#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "export_vrml.h"
#include "headless.h"
#include "window.h"
#include "render.h"
#include "report.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const CommandLine c = parseCommandLine(args);
    switch (c.mode) {
    case CommandLine::Help:
        std::cout << usageText();
        return 0;
    case CommandLine::Version:
        std::cout << "RavloViewer, Version 1.0.7\n";
        return 0;
    case CommandLine::Error:
        std::cerr << "ravloviewer: " << c.error << "\n" << usageText();
        return 2;
    case CommandLine::Check:
        return runCheck(c);
    case CommandLine::ExportVrml:
        return runExportVrml(c);
    case CommandLine::Report:
        return runReport(c);
    case CommandLine::Render:
        return runRender(c);
    case CommandLine::Window:
        return runWindow(argc, argv, c);
    default:
        std::cerr << "ravloviewer: this mode is not available yet\n";
        return 2;
    }
}
