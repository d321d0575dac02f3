#pragma once

#include <cstdint>
#include <string>

namespace rt {

// Every kind of thing a window definition can hold. The form itself is described
// by a definition of kind Form, so that its caption, geometry and pictures are
// read and written like any control's.
enum class Kind {
    Form,
    Image,
    PictureBox,
    Label,
    CommandButton,
    Shape,
    Line,
    Timer,
    Menu,
    MenuItem,
};

// Windowed controls own a window of their own and always lie above the
// graphical ones (image, label, shape, line), which are painted on their container.
constexpr bool is_windowed(Kind kind) { return kind == Kind::PictureBox || kind == Kind::CommandButton; }

constexpr bool is_graphical(Kind kind)
{
    return kind == Kind::Image || kind == Kind::Label || kind == Kind::Shape || kind == Kind::Line;
}

// A colour as the window definitions write it: 0x00BBGGRR, or a system colour
// when the top bit is set (its low byte is the system colour's index).
using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b)
{
    return static_cast<Color>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}

constexpr Color system_color(int index) { return 0x80000000u | static_cast<Color>(index); }

constexpr bool is_system_color(Color color) { return (color & 0x80000000u) != 0; }

namespace system_colors {
    constexpr Color button_face = system_color(15);
    constexpr Color button_shadow = system_color(16);
    constexpr Color button_text = system_color(18);
    constexpr Color highlight_3d = system_color(20);
    constexpr Color dark_shadow_3d = system_color(21);
}

constexpr int red_of(Color c) { return static_cast<int>(c & 0xff); }
constexpr int green_of(Color c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int blue_of(Color c) { return static_cast<int>((c >> 16) & 0xff); }

struct Font {
    std::string name { "MS Sans Serif" };
    float size { 8.25f };
    bool bold { false };
    bool italic { false };
    bool underline { false };
    int charset { 204 };

    bool operator==(Font const&) const = default;
};

enum class Key {
    None,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    Enter,
    Escape,
    Space,
    Tab,
    Character,
};

struct KeyStroke {
    Key key { Key::None };
    char32_t character { 0 }; // the letter, for Key::Character
    bool shift { false };
    bool control { false };
    bool alt { false };

    bool operator==(KeyStroke const&) const = default;
};

constexpr KeyStroke alt_key(char32_t letter) { return KeyStroke { Key::Character, letter, false, false, true }; }

// How the keyboard focus came to a control: a front end shows a focus frame
// once the user has moved the focus with the keyboard.
enum class FocusReason { Program, Keyboard, Mouse };

// What changed on a control, so that a front end updates only that.
enum class Property {
    Caption,
    Enabled,
    Visible,
    Geometry,
    Picture,
    DownPicture,
    ToolTipText,
    ForeColor,
    BackColor,
    BorderColor,
    Font,
    MousePointer,
    WindowState,
};

// The last of them: a front end that shows a new control shows them all. A
// property added to the list moves it along.
constexpr Property last_property = Property::WindowState;

// Twips are the unit of every position and size: 15 to a pixel at 96 dpi.
constexpr float twips_per_pixel = 15.0f;

}
