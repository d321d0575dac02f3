#pragma once

#include "deck/Card.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every picture of the program, by the resource name the windows load it by. This is the only place a name
// is written: the generator draws each picture into the assets folder under its name, the resources compile
// in whatever the generator wrote, and the window definitions take their pictures from here.
namespace picture_names {

// The main window.
inline constexpr char const* main_window_icon = ":/main_window/icon.ico";
inline constexpr char const* main_window_pointer = ":/main_window/pointer.ico";
inline constexpr char const* hourglass = ":/main_window/hourglass.ico";
inline constexpr char const* arrow_right = ":/main_window/arrow_right.ico";
inline constexpr char const* arrow_down = ":/main_window/arrow_down.ico";
inline constexpr char const* info = ":/main_window/info.ico";
inline constexpr char const* heart = ":/main_window/heart.ico";
inline constexpr char const* smiley_bitmap = ":/main_window/smiley.bmp";
inline constexpr char const* banner_default = ":/main_window/banner_default.bmp";
inline constexpr char const* message1_man = ":/main_window/message1_man.bmp";
inline constexpr char const* message1_woman = ":/main_window/message1_woman.bmp";
inline constexpr char const* message2_man = ":/main_window/message2_man.bmp";
inline constexpr char const* message2_woman = ":/main_window/message2_woman.bmp";
inline constexpr char const* message3_man = ":/main_window/message3_man.bmp";
inline constexpr char const* message3_woman = ":/main_window/message3_woman.bmp";

// The start dialog.
inline constexpr char const* pointer_arrow = ":/start_dialog/pointer_arrow.ico";
inline constexpr char const* pointer_heart = ":/start_dialog/pointer_heart.ico";
inline constexpr char const* pointer_spade = ":/start_dialog/pointer_spade.ico";

// The interpretation, help and about windows.
inline constexpr char const* book = ":/interpretation/book.ico";
inline constexpr char const* help_texture = ":/help/texture.jpg";
inline constexpr char const* help_smiley = ":/help/smiley.gif";
inline constexpr char const* about = ":/about/about.jpg";

// The face of a card, held by the main window: face_00.jpg .. face_35.jpg, two digits so that they sort.
inline std::string face(CardIndex card)
{
    return std::string(":/main_window/face_") + (card < 10 ? "0" : "") + std::to_string(card) + ".jpg";
}

// A card-back design, 0 .. back_design_count - 1, held by the main window.
inline std::string back(int design) { return ":/main_window/back_" + std::to_string(design) + ".jpg"; }

// Where the generator writes a picture: its name without the resource root ":/", under the assets folder.
constexpr std::string_view asset_path(std::string_view name) { return name.substr(2); }

// Every name above, faces and backs included; the resources must hold exactly these pictures.
inline std::vector<std::string> all()
{
    std::vector<std::string> names;
    for (int card = 0; card < card_count; ++card)
        names.push_back(face(static_cast<CardIndex>(card)));
    for (int design = 0; design < back_design_count; ++design)
        names.push_back(back(design));
    for (char const* name : { main_window_icon, main_window_pointer, hourglass, arrow_right, arrow_down, info, heart,
             smiley_bitmap, banner_default, message1_man, message1_woman, message2_man, message2_woman, message3_man,
             message3_woman, pointer_arrow, pointer_heart, pointer_spade, book, help_texture, help_smiley, about })
        names.emplace_back(name);
    return names;
}

} // namespace picture_names
