#include "windows/SexForm.h"

#include "deck/MirvaneMDL.h"
#include "main_window/MirvaneFRM.h"
#include "windows/HelpFRM.h"

SexForm::SexForm(rt::Runtime& runtime)
    : SexFormDefinition(runtime)
{
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
    Timer1.on_timer = [this] { Timer1_Timer(); };
}

void SexForm::Form_Load()
{
    // 1. The help window's texture; this first reference to the help window
    // loads it, hidden, before the texture is read.
    Image1.set_picture(form<HelpFRM>().Image1.picture());
    // 2. The button "Женщина" wears it ...
    Command1.set_picture(form<HelpFRM>().Image1.picture());
    // 3. ... so does "Мужчина" ...
    Command2.set_picture(form<HelpFRM>().Image1.picture());
    // 4. ... and "Не знаю".
    Command3.set_picture(form<HelpFRM>().Image1.picture());
}

void SexForm::Form_Activate()
{
    // 1. No button shows a focus frame.
    Picture1.set_focus();
}

void SexForm::Command1_Click()
{
    // 1. The main window reads the answer from its load on.
    module<MirvaneMDL>().UserSex = 1;
    // 2. Kept loaded, never shown again.
    hide();
    // 3. The main window loads and comes up.
    form<MirvaneFRM>().show();
}

void SexForm::Command2_Click()
{
    // 1. A man this time.
    module<MirvaneMDL>().UserSex = 0;
    // 2. Kept loaded, never shown again.
    hide();
    // 3. The main window loads and comes up.
    form<MirvaneFRM>().show();
}

void SexForm::Command3_Click()
{
    // 1. The answers go: "Женщина" ...
    Command1.set_visible(false);
    // 2. ... "Мужчина" ...
    Command2.set_visible(false);
    // 3. ... and "Не знаю".
    Command3.set_visible(false);
    // 4. The question goes too.
    Label1.set_caption("");
    // 5. The lower label's colour ...
    Label1.set_fore_color(Label2.fore_color());
    // 6. ... and its height in the window.
    Label1.set_top(Label2.top());
    // 7. Only the face name passes: size, weight and the rest of Label1's font stay.
    Label1.set_font_name(Label2.font().name);
    // 8. The lower label's font size.
    Label1.set_font_size(Label2.font().size);
    // 9. Not underlined.
    Label1.set_font_underline(false);
    // 10. The reply.
    Label1.set_caption("НАДО БЫ УЗНАТЬ!");
    // 11. The program ends on the first tick.
    Timer1.set_enabled(true);
}

void SexForm::Timer1_Timer()
{
    // 1. The reply has been read: the program ends.
    End();
}

void SexForm::Form_Unload(int&)
{
    // 1. Closed before an answer: the program ends, the main window never loaded.
    End();
}
