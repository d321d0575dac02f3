#include "MessageBox.h"

#include "Conversion.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace rt::qt {

namespace {

    QMessageBox::Icon message_icon(int flags)
    {
        switch (flags & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
        }
    }

}

void run_message_box(QWidget* parent, std::string const& text, int flags, std::string const& title)
{
    QString const caption = title.empty() ? QCoreApplication::applicationName() : to_qstring(title);
    QMessageBox box(message_icon(flags), caption, caption_text(text), QMessageBox::Ok, parent);
    box.exec();
}

}
