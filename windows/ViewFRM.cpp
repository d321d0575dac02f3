#include "windows/ViewFRM.h"

#include "main_window/MirvaneFRM.h"
#include "windows/HelpFRM.h"

#include <string>

ViewFRM::ViewFRM(rt::Runtime& runtime)
    : ViewFRMDefinition(runtime)
{
    Command1.on_click = [this] { Command1_Click(); };
}

void ViewFRM::Form_Load()
{
    // 1. Loads the help window, hidden, if it is not loaded.
    Image1.set_picture(form<HelpFRM>().Image1.picture());
    // 2. The button's face is the same texture.
    Command1.set_picture(Image1.picture());
}

void ViewFRM::Form_Activate()
{
    // 1. No control shows a focus frame.
    Picture1.set_focus();
    // 2. The text is built anew at every activation.
    Label1.set_caption("");
    // 3. No separator before the first meaning.
    std::string separator;
    // 4. The caption is its own accumulator: empty places before the first
    // meaning add nothing, every place after it adds the separator.
    for (int p = 0; p <= 8; ++p) {
        if (!Label1.caption().empty())
            separator = " > ";
        Label1.set_caption(Label1.caption() + separator + form<MirvaneFRM>().Расклад(p).tool_tip_text());
    }
    // 5. A full stop closes the text.
    Label1.set_caption(Label1.caption() + ".");
}

void ViewFRM::Form_Deactivate()
{
    // 1. Another window of the program became active.
    Command1_Click();
}

void ViewFRM::Command1_Click()
{
    // 1. Kept loaded, with its text.
    hide();
}
