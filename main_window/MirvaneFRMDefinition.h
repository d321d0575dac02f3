#pragma once

#include "assets/PictureNames.h"
#include "deck/Card.h"
#include "runtime/Form.h"

// The main window as its definition describes it, before any procedure runs:
// the table with the pile, the deal button, the nine places and their markers,
// the banner strip, the hidden picture stores, the timers and the menus.
//
// Graphical controls are created from the back to the front: the markers, then
// the places, then the backs of the pile, so that every back lies in front of
// every place and a lower-numbered back in front of a higher-numbered one.
struct MirvaneFRMDefinition : rt::Form {
    explicit MirvaneFRMDefinition(rt::Runtime& runtime)
        : Form(runtime, "MirvaneFRM",
            rt::form_window()
                .caption("Зеливорната")
                .back_color(window_color)
                .border_style(rt::BorderStyle::FixedSingle)
                .max_button(false)
                .client_width(9510)
                .client_height(6060)
                .icon(picture_names::main_window_icon)
                .mouse_icon(picture_names::main_window_pointer, 15, 15))
    {
    }

    static constexpr rt::Color window_color = rt::rgb(64, 72, 136);

    // Where each place of the spread lies, and the marker inside it: the marker
    // indexes do not follow the place indexes.
    struct PlaceLayout {
        float left, top;
        int marker;
    };
    static constexpr PlaceLayout places[9] = {
        { 600, 2040, 0 },
        { 600, 3720, 2 },
        { 2400, 3720, 3 },
        { 2400, 2040, 1 },
        { 4200, 2040, 4 },
        { 4200, 3720, 5 },
        { 6000, 3720, 7 },
        { 6000, 2040, 6 },
        { 7800, 2880, 8 },
    };
    static constexpr float marker_offset_left = 165, marker_offset_top = 180;

    static rt::ControlDefinition marker(int index)
    {
        for (auto const& place : places) {
            if (place.marker == index)
                return rt::shape(place.left + marker_offset_left, place.top + marker_offset_top, 735, 1095)
                    .shape(rt::ShapeKind::Circle)
                    .border_width(7)
                    .border_color(rt::rgb(0, 255, 255))
                    .back_color(rt::rgb(0, 128, 255));
        }
        return {};
    }

    static rt::ControlDefinition card_place(int index)
    {
        return rt::image(places[index].left, places[index].top, 1065, 1440)
            .stretch()
            .border_style(rt::BorderStyle::FixedSingle);
    }

    static rt::ArrayDefinition place_elements()
    {
        // Place 0 lies behind the others; places 8 down to 1 follow.
        rt::ArrayDefinition result { { 0, card_place(0) } };
        for (int p = 8; p >= 1; --p)
            result.emplace_back(p, card_place(p));
        return result;
    }

    static rt::ControlDefinition banner(char const* resource, float width_pixels, float height_pixels)
    {
        return rt::image(0, 0, width_pixels * 15, height_pixels * 15).visible(false).picture(resource);
    }

    // Tab order of the back-design stores, as the window has always had it.
    static constexpr int back_tab_index[back_design_count] = { 9, 10, 11, 16, 15, 14, 13, 12 };

    // Graphical controls, back to front.
    RT_CONTROL_ARRAY(Shape1, rt::elements(0, 8, marker));
    RT_CONTROL_ARRAY(Расклад, place_elements());
    RT_CONTROL_ARRAY(Рубашка, rt::elements(35, 0, [](int i) {
        return (i == 0 ? rt::image(3600, 600, 1065, 1440) : rt::image(3480, 240, 1065, 1440))
            .stretch()
            .border_style(rt::BorderStyle::FixedSingle);
    }));

    // Hidden stores of pictures; they are never shown nor moved.
    RT_CONTROL(Image1, rt::image(0, 0, 1005, 1380).visible(false));
    RT_CONTROL(Image2, banner(picture_names::banner_default, 468, 30));
    RT_CONTROL_ARRAY(Message1,
        { { 0, banner(picture_names::message1_man, 305, 32) }, { 1, banner(picture_names::message1_woman, 294, 32) } });
    RT_CONTROL_ARRAY(Message2,
        { { 0, banner(picture_names::message2_man, 501, 32) }, { 1, banner(picture_names::message2_woman, 500, 32) } });
    RT_CONTROL_ARRAY(Message3,
        { { 0, banner(picture_names::message3_man, 459, 32) }, { 1, banner(picture_names::message3_woman, 289, 32) } });
    RT_CONTROL_ARRAY(Карта, rt::elements(0, card_count - 1, [](int k) {
        return rt::image(0, 0, 1035, 1410)
            .visible(false)
            .border_style(rt::BorderStyle::FixedSingle)
            .picture(picture_names::face(static_cast<CardIndex>(k)));
    }));

    // Windowed controls, which always lie above the graphical ones.
    RT_CONTROL(Command1,
        rt::button(1920, 360, 1335, 1215)
            .enabled(false)
            .graphical()
            .back_color(rt::rgb(96, 128, 255))
            .font("Courier New", 9.75f, true)
            .caption("Тянуть")
            .disabled_picture(picture_names::hourglass)
            .tab_index(0));
    RT_CONTROL(ЛевыйЗабой,
        rt::picture_box(120, 3360, 1065, 1440)
            .visible(false)
            .enabled(false)
            .border_style(rt::BorderStyle::None)
            .tab_index(1));
    RT_CONTROL(Image3, rt::image(0, 0, 1065, 1440).stretch().container(ЛевыйЗабой));
    RT_CONTROL(Label1,
        rt::picture_box(960, 5520, 7020, 450)
            .enabled(false)
            .border_style(rt::BorderStyle::None)
            .back_color(window_color)
            .tab_index(2));
    RT_CONTROL(Picture1,
        rt::picture_box(480, 5360, 450, 525)
            .enabled(false)
            .border_style(rt::BorderStyle::None)
            .back_color(window_color)
            .picture(picture_names::smiley_bitmap)
            .tab_index(3));
    RT_CONTROL(Picture2,
        rt::picture_box(8160, 5360, 450, 525)
            .enabled(false)
            .border_style(rt::BorderStyle::None)
            .back_color(window_color)
            .picture(picture_names::smiley_bitmap)
            .tab_index(4));
    RT_CONTROL_ARRAY(Picture3, rt::elements(0, 3, [](int i) {
        static char const* const icons[4]
            = { picture_names::arrow_right, picture_names::arrow_down, picture_names::info, picture_names::heart };
        return rt::picture_box(0, 0, 615, 615).visible(false).picture(icons[i]).tab_index(5 + i);
    }));
    RT_CONTROL_ARRAY(Picture4, rt::elements(0, back_design_count - 1, [](int i) {
        return rt::picture_box(0, 0, 1215, 1095)
            .visible(false)
            .picture(picture_names::back(i))
            .tab_index(back_tab_index[i]);
    }));

    RT_CONTROL(Timer1, rt::timer(10, false));
    RT_CONTROL(Timer2, rt::timer(20, true));
    RT_CONTROL(Timer3, rt::timer(10, false));
    RT_CONTROL(Timer4, rt::timer(10, true));
    RT_CONTROL(Timer5, rt::timer(1000, false));

    RT_CONTROL(Mnu, rt::menu("&Меню"));
    RT_CONTROL(GetPush, rt::menu_item("&Начать сдачу", rt::Key::F3).container(Mnu));
    RT_CONTROL(StopPush, rt::menu_item("&Прекратить сдачу", rt::Key::F2).enabled(false).container(Mnu));
    RT_CONTROL(Inter, rt::menu_item("&Интерпретация...", rt::Key::F7).enabled(false).container(Mnu));
    RT_CONTROL(l2, rt::menu_item("-").container(Mnu));
    RT_CONTROL(ChangeScin, rt::menu_item("&Сменить рубашку", rt::Key::F8).container(Mnu));
    RT_CONTROL(l0, rt::menu_item("-").container(Mnu));
    RT_CONTROL(Exit, rt::menu_item("В&ыход").container(Mnu));
    RT_CONTROL(HelpMnu, rt::menu("&Справка"));
    RT_CONTROL(WhatCanIDo, rt::menu_item("&Что делать?", rt::Key::F1).container(HelpMnu));
    RT_CONTROL(l1, rt::menu_item("-").container(HelpMnu));
    RT_CONTROL(About, rt::menu_item("&О программе...").container(HelpMnu));
};
