#include "WidgetEventChooser.h"

#include "EventChooser.h"
#include "RandomKeys.h"
#include "runtime/Form.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdint>

namespace {

Qt::Key qt_key(rt::KeyStroke const& key)
{
    using rt::Key;
    if (key.key >= Key::F1 && key.key <= Key::F12)
        return static_cast<Qt::Key>(Qt::Key_F1 + (static_cast<int>(key.key) - static_cast<int>(Key::F1)));
    switch (key.key) {
    case Key::Space:
        return Qt::Key_Space;
    case Key::Enter:
        return Qt::Key_Return;
    case Key::Escape:
        return Qt::Key_Escape;
    case Key::Tab:
        return key.shift ? Qt::Key_Backtab : Qt::Key_Tab;
    default:
        // A letter's key code is its capital's code point, Cyrillic ones included.
        return static_cast<Qt::Key>(random_keys::upper_case(key.character));
    }
}

Qt::KeyboardModifiers modifiers(rt::KeyStroke const& key)
{
    Qt::KeyboardModifiers result;
    if (key.shift)
        result |= Qt::ShiftModifier;
    if (key.control)
        result |= Qt::ControlModifier;
    if (key.alt)
        result |= Qt::AltModifier;
    return result;
}

}

WidgetEventChooser::WidgetEventChooser(rt::QtFrontEnd& front_end, RandomSource& random)
    : m_front_end(front_end)
    , m_random(random)
{
}

std::string WidgetEventChooser::next()
{
    std::size_t const kind = m_random.weighted({ 30, 30, 6, 4, 1, 29 });
    // Whatever the event meets is chosen from a source of its own, so that the
    // next event's draws do not depend on it.
    RandomSource own(m_random.below(UINT64_MAX));
    switch (kind) {
    case 0:
        return click(own);
    case 1:
        return key(own);
    case 2:
        return menu(own);
    case 3:
        return activate(own);
    case 4:
        return close(own);
    default:
        return wait(own);
    }
}

std::vector<rt::Form*> WidgetEventChooser::visible_forms() const
{
    std::vector<rt::Form*> forms;
    for (rt::Form* form : m_front_end.runtime().forms()) {
        if (form->loaded() && form->visible() && window(*form) && window(*form)->isVisible())
            forms.push_back(form);
    }
    return forms;
}

QWidget* WidgetEventChooser::window(rt::Form& form) const { return m_front_end.window_of(form); }

bool WidgetEventChooser::alive(rt::Form const* form) const
{
    auto const forms = m_front_end.runtime().forms();
    return std::find(forms.begin(), forms.end(), form) != forms.end() && form->loaded();
}

rt::Form* WidgetEventChooser::active_form() const
{
    QWidget* active = QApplication::activeWindow();
    for (rt::Form* form : visible_forms()) {
        if (window(*form) == active)
            return form;
    }
    return nullptr;
}

void WidgetEventChooser::bring_forward(rt::Form& form)
{
    QWidget* top = window(form);
    if (QApplication::activeWindow() == top)
        return;
    top->activateWindow();
    QApplication::processEvents();
}

std::string WidgetEventChooser::click(RandomSource& random)
{
    auto const forms = visible_forms();
    if (forms.empty())
        return wait(random);
    rt::Form& form = *random.pick(forms);
    std::vector<rt::Control*> targets;
    for (rt::Control* c : form.controls()) {
        QWidget* widget = c->effectively_visible() ? m_front_end.widget_of(*c) : nullptr;
        if (widget && widget->isVisible())
            targets.push_back(c);
    }
    if (targets.empty())
        return wait(random);
    rt::Control& target = *random.pick(targets);
    std::string const name = form.name();
    bring_forward(form);
    // The window may have gone while events were served (one that closes itself).
    if (!alive(&form) || !target.effectively_visible())
        return "activate " + name;
    // Named first: a click may close the window.
    std::string const text = "click " + name_of(target);
    QWidget* widget = m_front_end.widget_of(target);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    return text;
}

std::string WidgetEventChooser::key(RandomSource& random)
{
    rt::Form* form = active_form();
    if (!form)
        return wait(random);
    std::vector<char32_t> letters;
    for (rt::Control* c : form->controls()) {
        if (char32_t const letter = c->access_key())
            letters.push_back(letter);
    }
    rt::KeyStroke const stroke = random_keys::choose(random, letters);
    std::string const text = "key " + random_keys::name(stroke) + " -> " + form->name();
    QWidget* top = window(*form);
    if (random_keys::closes_window(stroke)) {
        top->close();
        return text + " (closes it)";
    }
    QWidget* focus = QApplication::focusWidget();
    QWidget* receiver = focus && focus->window() == top ? focus : top;
    if (stroke.key == rt::Key::Character) {
        // QTest::keyClick asserts on a non-Latin key with Alt; a key event with its text does not.
        QString const typed = QString::fromStdString(rt::encode_utf8(stroke.character));
        QTest::sendKeyEvent(QTest::Click, receiver, qt_key(stroke), typed, modifiers(stroke));
    } else {
        QTest::keyClick(receiver, qt_key(stroke), modifiers(stroke));
    }
    return text;
}

std::string WidgetEventChooser::menu(RandomSource& random)
{
    rt::Form* form = active_form();
    if (!form)
        return wait(random);
    std::vector<QAction*> items;
    for (QAction* action : window(*form)->findChildren<QAction*>()) {
        if (!action->isSeparator() && !action->menu() && !action->text().isEmpty())
            items.push_back(action);
    }
    if (items.empty())
        return key(random);
    QAction* item = random.pick(items);
    // "В&ыход" ends the run: leave it rarer, so that deals get played through.
    if (item->text() == QString::fromUtf8("В&ыход") && random.chance(90))
        item = random.pick(items);
    std::string const text = "menu " + item->text().toStdString() + (item->isEnabled() ? "" : " (disabled)");
    item->trigger();
    return text;
}

std::string WidgetEventChooser::activate(RandomSource& random)
{
    auto const forms = visible_forms();
    if (forms.empty())
        return wait(random);
    rt::Form& form = *random.pick(forms);
    std::string const text = "activate " + form.name();
    bring_forward(form);
    return text;
}

std::string WidgetEventChooser::close(RandomSource& random)
{
    auto const forms = visible_forms();
    if (forms.empty())
        return wait(random);
    rt::Form& form = *random.pick(forms);
    std::string const text = "close " + form.name();
    bring_forward(form);
    if (alive(&form) && window(form))
        window(form)->close();
    return text;
}

std::string WidgetEventChooser::wait(RandomSource& random)
{
    // Mostly no time at all, sometimes long enough for the deal button to come back.
    static std::vector<std::pair<int, int>> const ranges { { 0, 0 }, { 1, 10 }, { 10, 150 }, { 300, 1100 } };
    auto const [low, high] = ranges[random.weighted({ 800, 170, 25, 5 })];
    int const ms = random.between(low, high);
    if (ms == 0)
        QApplication::processEvents();
    else
        QTest::qWait(ms);
    return "wait " + std::to_string(ms) + " ms";
}
