#include "assets/assets.h"
#include "runtime/qt/Display.h"
#include "runtime/qt/QtFrontEnd.h"
#include "windows/SexForm.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // Before any window or file is touched: without a display there is
    // nothing to show the windows on.
    if (std::string const why = rt::qt::why_no_display(); !why.empty()) {
        std::fprintf(stderr, "zelivornata: %s; to start it on a virtual display: %s\n", why.c_str(),
            rt::qt::virtual_display_command(argc > 0 ? argv[0] : "zelivornata").c_str());
        return 1;
    }
    rt::QtFrontEnd front_end(argc, argv);
    init_assets();
    // The program starts by asking who is there.
    return front_end.run<SexForm>();
}
