#include "ShownToolTip.h"

#include <QApplication>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

namespace rt::qt {

namespace {

    // One tip shows at a time, for the whole application.
    QPointer<QWidget> shown_for;
    QPoint shown_at;

    // QToolTip::hideText() lets the tip linger for a moment; the tip's own
    // window, which Qt names, closes at once.
    void close_tip()
    {
        QToolTip::hideText();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("qtooltip_label") && window->isVisible())
                window->close();
        }
    }

}

void tool_tip_shown(QWidget& widget, QPoint const& global_position)
{
    shown_for = &widget;
    shown_at = global_position;
}

void tool_tip_text_changed(QWidget& widget)
{
    if (shown_for != &widget || !QToolTip::isVisible())
        return;
    if (widget.toolTip().isEmpty()) {
        shown_for.clear();
        close_tip();
        return;
    }
    QToolTip::showText(shown_at, widget.toolTip(), &widget);
}

}
