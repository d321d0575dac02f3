#pragma once

#include "assets/PictureNames.h"
#include "runtime/Form.h"

// The interpretation window as its definition describes it: a borderless panel
// with the texture stretched over it, a raised bevel of four lines, the book at
// the top left, a heading, the interpretation, the small print and one button.
// The texture comes from the help window as the window loads.
struct ViewFRMDefinition : rt::Form {
    explicit ViewFRMDefinition(rt::Runtime& runtime)
        : Form(runtime, "ViewFRM",
            rt::form_window()
                .caption("Интерпретация...")
                .border_style(rt::BorderStyle::None)
                .back_color(rt::system_colors::button_shadow)
                .max_button(false)
                .min_button(false)
                .client_width(5445)
                .client_height(4365)
                .start_up_position(rt::StartUpPosition::CenterOwner))
    {
        // The top edge of the bevel lies behind the book; the other three edges
        // and the small print lie in front of the heading.
        Image3.z_order(0);
        Label3.z_order(0);
        Line1(0).z_order(0);
        Line1(2).z_order(0);
        Line1(3).z_order(0);
        Label2(1).z_order(0);
    }

    // Graphical controls, back to front (see the constructor for the bevel).
    RT_CONTROL(Image1, rt::image(30, 30, 5385, 4300).stretch());
    RT_CONTROL(Label1,
        rt::label(240, 600, 4935, 2775)
            .transparent()
            .alignment(rt::Alignment::Center)
            .fore_color(rt::rgb(0, 255, 255))
            .font("Comic Sans MS", 12)
            .tab_index(0));
    RT_CONTROL_ARRAY(Line1,
        { { 1, rt::line(15, 15, 5410, 15).border_color(rt::system_colors::highlight_3d) },
            { 0, rt::line(15, 4345, 15, 0).border_color(rt::system_colors::highlight_3d) },
            { 2, rt::line(0, 4345, 5525, 4345).border_color(rt::system_colors::dark_shadow_3d) },
            { 3, rt::line(5425, 0, 5425, 4345).border_color(rt::system_colors::dark_shadow_3d) } });
    RT_CONTROL(Image3, rt::image(360, 0, 480, 480).picture(picture_names::book));
    RT_CONTROL(Label3,
        rt::label(240, 165, 5415, 375)
            .caption("И ВОТ, ЧТО МЫ НАГАДАЛИ...")
            .transparent()
            .alignment(rt::Alignment::Center)
            .fore_color(rt::rgb(0, 0, 128))
            .font("Comic Sans MS", 9.75f, true)
            .tab_index(1));
    // A control array whose only element has index 1.
    RT_CONTROL_ARRAY(Label2,
        { { 1,
            rt::label(240, 3480, 4965, 165)
                .caption("Всё, что здесь написано может и будет использовано против Вас на Суде!")
                .transparent()
                .alignment(rt::Alignment::Center)
                .fore_color(rt::rgb(0, 0, 64))
                .font("Tahoma", 6.75f, false, false, true)
                .tab_index(3) } });

    // Windowed controls, which always lie above the graphical ones.
    RT_CONTROL(Command1,
        rt::button(1920, 3840, 1695, 330)
            .caption("Всё понятно")
            .default_button()
            .graphical()
            .font("MS Sans Serif", 9.75f, true)
            .tab_index(2));
    // Holds the keyboard focus, wholly outside the client area.
    RT_CONTROL(Picture1, rt::picture_box(-1000, 2280, 615, 495).tab_index(4));
};
