#pragma once

#include "assets/PictureNames.h"
#include "runtime/Form.h"

// The start dialog as its definition describes it: a borderless panel asking
// "Кто Вы?" over the texture, with a raised bevel of four lines and three
// graphical buttons. The texture itself is not part of the definition: the
// dialog takes it from the help window as it loads.
//
// Graphical controls are created from the back to the front: the image, the
// two labels, then the bevel.
struct SexFormDefinition : rt::Form {
    explicit SexFormDefinition(rt::Runtime& runtime)
        : Form(runtime, "SexForm",
            rt::form_window()
                .caption("Зеливорната")
                .border_style(rt::BorderStyle::None)
                .back_color(rt::system_colors::button_shadow)
                .client_width(4710)
                .client_height(1740)
                .start_up_position(rt::StartUpPosition::CenterScreen)
                .mouse_icon(picture_names::pointer_arrow, 15, 15))
    {
    }

    // Graphical controls, back to front.
    RT_CONTROL(Image1, rt::image(30, 30, 4650, 1675).stretch());
    RT_CONTROL(Label1,
        rt::label(0, 120, 4695, 855)
            .caption("Кто Вы?")
            .fore_color(rt::rgb(0, 0, 255))
            .alignment(rt::Alignment::Center)
            .transparent()
            .font("Comic Sans MS", 27.75f, true, false, true));
    // Never shown: the style that "&Не знаю" gives the question.
    RT_CONTROL(Label2,
        rt::label(120, 650, 1335, 495)
            .visible(false)
            .fore_color(rt::rgb(0, 255, 0))
            .transparent()
            .font("Times New Roman", 21.75f, true));
    // The raised edge; the two dark lines run past the client area, which clips them.
    RT_CONTROL_ARRAY(Line1,
        { { 0, rt::line(0, 1725, 5040, 1725).border_color(rt::system_colors::dark_shadow_3d) },
            { 1, rt::line(15, 15, 4680, 15).border_color(rt::system_colors::highlight_3d) },
            { 2, rt::line(4695, 0, 4695, 1920).border_color(rt::system_colors::dark_shadow_3d) },
            { 3, rt::line(15, 15, 15, 1710).border_color(rt::system_colors::highlight_3d) } });

    // Windowed controls, which always lie above the graphical ones.
    RT_CONTROL(Command1,
        rt::button(120, 1200, 1335, 375)
            .graphical()
            .caption("&Женщина")
            .font("Times New Roman", 12, true, true)
            .mouse_icon(picture_names::pointer_heart, 7, 8)
            .tab_index(2));
    RT_CONTROL(Command2,
        rt::button(1680, 1200, 1335, 375)
            .graphical()
            .caption("&Мужчина")
            .font("Times New Roman", 12, true)
            .mouse_icon(picture_names::pointer_spade, 8, 8)
            .tab_index(1));
    RT_CONTROL(Command3,
        rt::button(3240, 1200, 1335, 375)
            .graphical()
            .caption("&Не знаю")
            .font("Times New Roman", 11.25f, true)
            .tab_index(4));
    // Holds the keyboard focus, wholly left of the client area, so that no
    // button shows a focus frame.
    RT_CONTROL(Picture1, rt::picture_box(-100, 0, 15, 615).back_color(rt::rgb(192, 192, 255)).tab_index(0));

    RT_CONTROL(Timer1, rt::timer(2100, false));
};
