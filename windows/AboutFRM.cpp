#include "windows/AboutFRM.h"

AboutFRM::AboutFRM(rt::Runtime& runtime)
    : AboutFRMDefinition(runtime)
{
}

void AboutFRM::Form_Click()
{
    // 1. A click anywhere closes the box.
    unload();
}

void AboutFRM::Form_Deactivate()
{
    // 1. Another window of the program became active: the box closes.
    unload();
}

void AboutFRM::Form_LostFocus()
{
    // 1. The box lost the focus: it closes.
    unload();
}
