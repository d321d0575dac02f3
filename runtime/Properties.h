#pragma once

#include "Picture.h"
#include "Types.h"

#include <string>

namespace rt {

enum class BorderStyle { None = 0, FixedSingle = 1, FixedToolWindow = 4 };
enum class StartUpPosition { Manual = 0, CenterOwner = 1, CenterScreen = 2 };
enum class Alignment { Left = 0, Right = 1, Center = 2 };
enum class ShapeKind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3 };

constexpr int mouse_pointer_default = 0;
constexpr int mouse_pointer_custom = 99;

// Every property a control (or a window) has, under the one name by which the
// definitions set it, the control holds it and the front ends show it. A
// window's definition builds one such value per control; the loaded control
// keeps it and changes it as the program's procedures run.
struct Properties {
    // Position and size in twips, relative to the container; a window's are its
    // outer frame's on the screen.
    float left { 0 }, top { 0 }, width { 0 }, height { 0 };
    // The two ends of a line.
    float x1 { 0 }, y1 { 0 }, x2 { 0 }, y2 { 0 };
    // A window's client area as its definition gives it; the outer size follows.
    float client_width { 0 }, client_height { 0 };
    // "&" marks the access key; CR (or CR LF) breaks the line.
    std::string caption;
    bool enabled { true };
    bool visible { true };
    PictureRef picture;
    // Shown by a graphical button while it is held down, and while it is disabled.
    PictureRef down_picture;
    PictureRef disabled_picture;
    // "" shows none.
    std::string tool_tip_text;
    Color fore_color { system_colors::button_text };
    Color back_color { system_colors::button_face };
    Color border_color { 0 };
    Color fill_color { 0 };
    Font font {};
    // An image scales its picture to its size.
    bool stretch { false };
    // A control's frame (none or a single line) or a window's.
    BorderStyle border_style { BorderStyle::None };
    Alignment alignment { Alignment::Left };
    // A label shows what lies beneath it instead of its back colour.
    bool transparent { false };
    // A command button that shows its pictures.
    bool graphical { false };
    ShapeKind shape { ShapeKind::Rectangle };
    // In pixels.
    int border_width { 1 };
    // Enter clicks the default button, Esc the cancel button, wherever the focus is.
    bool default_button { false };
    bool cancel_button { false };
    // Tab order; -1 for a control that takes no focus.
    int tab_index { -1 };
    // A timer's, in milliseconds.
    int interval { 0 };
    // A menu item's function key.
    Key shortcut { Key::None };
    int mouse_pointer { mouse_pointer_default };
    PictureRef mouse_icon;
    PictureRef icon;
    bool max_button { true };
    bool min_button { true };
    StartUpPosition start_up_position { StartUpPosition::Manual };
    // A window's: 0 normal, 1 minimized, 2 maximized.
    int window_state { 0 };
};

}
