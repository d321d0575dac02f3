#include "main_window/MirvaneFRM.h"

namespace {

// One byte per sex beside the program: record 1 a man's design, record 2 a woman's.
constexpr char const* settings_file = "mirvane.ini";
constexpr int settings_number = 1;

}

void MirvaneFRM::LoadImages()
{
    auto& files = runtime().files();
    auto& mdl = Module();
    // 1. Any failure from here on is the start-up error.
    try {
        // 2. The file beside the program, created empty when missing; a
        // program whose folder could not be found has none.
        files.open_random(path_beside_program(settings_file), settings_number);
        // 3. Only a file of exactly two bytes is read.
        if (files.length(settings_number) == 0) {
            files.put(settings_number, 1, 0);
            files.put(settings_number, 2, 1);
            mdl.ScinIndex = mdl.UserSex;
        } else if (files.length(settings_number) == 1) {
            // Nothing is read or written: the design stays 0 for either sex.
        } else if (files.length(settings_number) == 2) {
            mdl.ScinIndex = files.get(settings_number, mdl.UserSex + 1);
            if (mdl.ScinIndex > 7)
                mdl.ScinIndex = mdl.UserSex;
        } else {
            mdl.ScinIndex = mdl.UserSex;
        }
    } catch (rt::RuntimeError const&) {
        MsgBox("Ошибка при запуске программы!", 16, "Зеливорната");
        End();
    }
    // 4. The file stays open until the window unloads.
}

void MirvaneFRM::ChangeScin_Click()
{
    auto& mdl = Module();
    // 1. The eight designs in a cycle.
    mdl.ScinIndex = static_cast<std::uint8_t>(mdl.ScinIndex + 1);
    if (mdl.ScinIndex > 7)
        mdl.ScinIndex = 0;
    // 2. The resting top card.
    Image3.set_picture(Picture4(mdl.ScinIndex).picture());
    // 3. Every back, wherever it is: on the pile, moving, flying or dealt.
    for (int i = 0; i <= 35; ++i)
        Рубашка(i).set_picture(Picture4(mdl.ScinIndex).picture());
    // 4. The places keep what they show; nothing is written yet.
}

void MirvaneFRM::Form_Unload(int&)
{
    auto& mdl = Module();
    // 1. The banner strip back to its default picture.
    Label1.set_picture(Image2.picture());
    // 2. The current user's record; the other one is not touched. A write that
    // fails (a file that may only be read) is not trapped: the user is told
    // the choice was not kept.
    runtime().files().put(settings_number, mdl.UserSex + 1, mdl.ScinIndex);
    // 3. The file is closed ...
    runtime().files().close(settings_number);
    // 4. ... and the program ends.
    End();
}

void MirvaneFRM::Exit_Click()
{
    // 1. At once: no unload, nothing written.
    End();
}
