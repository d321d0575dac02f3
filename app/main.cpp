#include "assets/assets.h"
#include "main_window/MirvaneFRM.h"
#include "runtime/qt/QtFrontEnd.h"

int main(int argc, char** argv)
{
    rt::QtFrontEnd front_end(argc, argv);
    init_assets();
    // The table opens directly, for a man, until the program asks who is there.
    return front_end.run<MirvaneFRM>();
}
