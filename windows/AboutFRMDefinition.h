#pragma once

#include "assets/PictureNames.h"
#include "runtime/Form.h"

// The about box as its definition describes it: one picture, which fills the
// client area exactly, and no controls.
struct AboutFRMDefinition : rt::Form {
    explicit AboutFRMDefinition(rt::Runtime& runtime)
        : Form(runtime, "AboutFRM",
            rt::form_window()
                .caption("О программе")
                .window_style(rt::BorderStyle::FixedToolWindow)
                .no_max_button()
                .no_min_button()
                .client_size(7185, 4470)
                .start_up(rt::StartUpPosition::CenterOwner)
                .picture(picture_names::about))
    {
    }
};
