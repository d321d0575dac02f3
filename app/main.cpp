#include "assets/assets.h"
#include "runtime/qt/QtFrontEnd.h"
#include "windows/SexForm.h"

int main(int argc, char** argv)
{
    rt::QtFrontEnd front_end(argc, argv);
    init_assets();
    // The program starts by asking who is there.
    return front_end.run<SexForm>();
}
