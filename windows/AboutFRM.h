#pragma once

#include "windows/AboutFRMDefinition.h"

// The about box. It closes itself on a click, when another window of the
// program becomes active, or when it loses the focus, and each showing builds
// it anew.
class AboutFRM : public AboutFRMDefinition {
public:
    explicit AboutFRM(rt::Runtime&);

    void Form_Click() override;
    void Form_Deactivate() override;
    void Form_LostFocus() override;
};
