#pragma once

#include "windows/HelpFRMDefinition.h"

#include <cstdint>

// The help window "Что делать?". It closes itself on every way out, so each
// showing after a close is a fresh window.
class HelpFRM : public HelpFRMDefinition {
public:
    explicit HelpFRM(rt::Runtime&);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_LostFocus() override;

    void Command1_Click(std::int16_t Index);
    void Timer1_Timer();
};
