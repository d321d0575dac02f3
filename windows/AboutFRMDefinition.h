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
                .border_style(rt::BorderStyle::FixedToolWindow)
                .max_button(false)
                .min_button(false)
                .client_width(7185)
                .client_height(4470)
                .start_up_position(rt::StartUpPosition::CenterOwner)
                .picture(picture_names::about))
    {
    }
};
