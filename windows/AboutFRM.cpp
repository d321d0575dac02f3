#include "windows/AboutFRM.h"

AboutFRM::AboutFRM(rt::Runtime& runtime)
    : AboutFRMDefinition(runtime)
{
}

void AboutFRM::Form_Click()
{
    // 1.
    unload();
}

void AboutFRM::Form_Deactivate()
{
    // 1.
    unload();
}

void AboutFRM::Form_LostFocus()
{
    // 1.
    unload();
}
