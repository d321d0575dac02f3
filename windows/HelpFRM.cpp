#include "windows/HelpFRM.h"

#include <string>

namespace {

std::string const crlf = "\r\n";

// Six numbered items, an empty line and the closing remark; every line but the
// empty one starts with five blanks, and no line break follows the last.
std::string HelpText()
{
    std::string text;
    text += "     1) Нажимаем <F3>, или кнопку рядом с колодой карт ";
    text += "или пункт меню \"Начать сдачу\", чтобы сдачу начать.";
    text += crlf;
    text += "     2) Левой кнопкой мыши, \"Пробелом\" или клавишей ";
    text += "\"Enter\" нажимаем на кнопке \"Тянуть карту\", чтобы карту тянуть.";
    text += crlf;
    text += "     3) Повторяем пункт 2 девять раз, пока все места с кружочками не ";
    text += "заполнятся случайными картами.";
    text += crlf;
    text += "     4) Немного ждем и... узнаем, что уготовила нам судьба.";
    text += crlf;
    text += "     5) Чтобы прекратить сдачу карт нужно нажать <F2> или пункт меню \"прекратить сдачу\"";
    text += crlf;
    text += "     6) Если хотим сменить у карт рубашку, в любой момент нажимаем <F8> или пункт меню \"Сменить "
            "рубашку\".";
    text += crlf + crlf;
    text += "     Вот, собственно, и все. Для выхода из программы жмется пункт меню \"Выход\"";
    text += " либо крестик в верхнем правом углу окна (прим. профессора Чайника).";
    return text;
}

}

HelpFRM::HelpFRM(rt::Runtime& runtime)
    : HelpFRMDefinition(runtime)
{
    Command1.on_click([this](int index) { Command1_Click(static_cast<std::int16_t>(index)); });
    Timer1.on_timer = [this] { Timer1_Timer(); };
}

void HelpFRM::Form_Load()
{
    // 1. The first button wears the texture.
    Command1(0).set_picture(Image1.picture());
    // 2. The second button too.
    Command1(1).set_picture(Image1.picture());
    // 3. The help text.
    Label1.set_caption(HelpText());
    // 4. Painted unscaled; it covers the client area whole.
    self().set_picture(Image1.picture());
}

void HelpFRM::Form_Activate()
{
    // 1. No button shows a focus frame.
    Picture1.set_focus();
}

void HelpFRM::Command1_Click(std::int16_t Index)
{
    if (Index == 0) {
        // 1. "Понятно" or Enter.
        unload();
    } else if (Index == 1) {
        // 1. "Не понятно" or Esc: the text and the buttons go ...
        Label1.set_visible(false);
        // 2. ... the first button ...
        Command1(0).set_visible(false);
        // 3. ... the second button ...
        Command1(1).set_visible(false);
        // 4. ... the answer comes ...
        Label2.set_visible(true);
        // 5. ... the smiling face under it ...
        Image2.set_visible(true);
        // 6. ... and the window closes itself on the first tick.
        Timer1.set_enabled(true);
    }
}

void HelpFRM::Timer1_Timer()
{
    // 1. The timer ends with the window: it fires once.
    unload();
}

void HelpFRM::Form_Deactivate()
{
    // 1. Another window of the program became active.
    unload();
}

void HelpFRM::Form_LostFocus()
{
    // 1. The window lost the focus: it closes.
    unload();
}
