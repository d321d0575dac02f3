#pragma once

#include "windows/ViewFRMDefinition.h"

// The interpretation window: the meanings of the spread, place by place, as
// the main window's places hold them whenever the window is activated.
class ViewFRM : public ViewFRMDefinition {
public:
    explicit ViewFRM(rt::Runtime&);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;

    void Command1_Click();
};
