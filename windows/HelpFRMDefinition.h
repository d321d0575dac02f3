#pragma once

#include "assets/PictureNames.h"
#include "runtime/Form.h"

// The help window as its definition describes it. Its hidden Image1 holds the
// texture that the start dialog and the interpretation window take as their
// background and button face.
//
// Graphical controls are created from the back to the front: the help text,
// the texture store, the answer to "Не понятно" and the smiling face under it.
struct HelpFRMDefinition : rt::Form {
    explicit HelpFRMDefinition(rt::Runtime& runtime)
        : Form(runtime, "HelpFRM",
            rt::form_window()
                .caption("Что делать?")
                .border_style(rt::BorderStyle::FixedToolWindow)
                .back_color(rt::system_colors::button_shadow)
                .max_button(false)
                .min_button(false)
                .client_width(5460)
                .client_height(4785)
                .start_up_position(rt::StartUpPosition::CenterOwner))
    {
    }

    // Graphical controls, back to front.
    RT_CONTROL(Label1,
        rt::label(240, 240, 4935, 4335)
            .transparent()
            .fore_color(rt::rgb(0, 0, 128))
            .font("MS Sans Serif", 8.25f, true)
            .tab_index(2));
    // The texture, at its own size; never shown.
    RT_CONTROL(Image1, rt::image(3240, 2880, 5460, 5280).visible(false).picture(picture_names::help_texture));
    RT_CONTROL(Label2,
        rt::label(240, 720, 5055, 2895)
            .caption("ТЯЖЕЛО ВАМ!")
            .visible(false)
            .transparent()
            .alignment(rt::Alignment::Center)
            .fore_color(rt::rgb(0, 255, 0))
            .font("Comic Sans MS", 48, true)
            .tab_index(4));
    RT_CONTROL(Image2, rt::image(2520, 3600, 450, 525).visible(false).picture(picture_names::help_smiley));

    // Windowed controls, which always lie above the graphical ones.
    RT_CONTROL_ARRAY(Command1,
        { { 0,
              rt::button(960, 4200, 1455, 330)
                  .caption("Понятно")
                  .default_button()
                  .graphical()
                  .font("MS Sans Serif", 9.75f, true)
                  .tab_index(0) },
            { 1,
                rt::button(3120, 4200, 1455, 330)
                    .caption("Не понятно")
                    .cancel_button()
                    .graphical()
                    .font("MS Sans Serif", 9.75f, true)
                    .tab_index(1) } });
    // Holds the keyboard focus, wholly outside the client area.
    RT_CONTROL(Picture1, rt::picture_box(-1200, 3240, 615, 495).tab_index(3));

    RT_CONTROL(Timer1, rt::timer(2200, false));
};
