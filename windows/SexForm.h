#pragma once

#include "windows/SexFormDefinition.h"

// The start dialog, the program's startup window: it asks who is there and
// opens the main window for a woman or a man.
class SexForm : public SexFormDefinition {
public:
    explicit SexForm(rt::Runtime&);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();
};
