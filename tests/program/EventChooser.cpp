#include "EventChooser.h"

#include "RandomKeys.h"
#include "windows/SexForm.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

std::string name_of(rt::Control const& control)
{
    std::string name = control.form().name() + "." + control.name();
    if (control.index() >= 0)
        name.append("(").append(std::to_string(control.index())).append(")");
    return name;
}

EventChooser::EventChooser(rt::Headless& h, RandomSource& random, Checkpoint checkpoint)
    : m_h(h)
    , m_random(random)
    , m_checkpoint(std::move(checkpoint))
{
}

std::string EventChooser::stamp() const
{
    char text[32];
    std::snprintf(text, sizeof text, "t=%.3fs ", static_cast<double>(m_h.now()) / 1000.0);
    return text;
}

std::vector<rt::Form*> EventChooser::visible_forms() const
{
    std::vector<rt::Form*> forms;
    for (rt::Form* form : m_h.runtime().forms()) {
        if (form->loaded() && form->visible())
            forms.push_back(form);
    }
    return forms;
}

rt::Form* EventChooser::active() const
{
    rt::Form* form = m_h.runtime().active_form();
    return form && form->loaded() && form->visible() ? form : nullptr;
}

EventChooser::Outcome EventChooser::answer()
{
    auto* dialog = m_h.runtime().loaded_form<SexForm>();
    if (!dialog || !dialog->visible())
        return next();
    switch (m_random.weighted({ 30, 30, 8, 8, 4, 5, 3, 4, 8 })) {
    case 0:
        return click_control(dialog->Command1);
    case 1:
        return click_control(dialog->Command2);
    case 2:
        return press(rt::alt_key(m_random.chance(50) ? U'Ж' : U'ж'));
    case 3:
        return press(rt::alt_key(m_random.chance(50) ? U'М' : U'м'));
    case 4: {
        // Tab moves the focus from the hidden holder to "&Мужчина"; Space presses it.
        Outcome tab = press(rt::KeyStroke { rt::Key::Tab });
        Outcome space = press(rt::KeyStroke { rt::Key::Space });
        return { tab.text + "; " + space.text };
    }
    case 5:
        return click_control(dialog->Command3);
    case 6:
        return press(rt::alt_key(U'н'));
    case 7:
        return close(*dialog);
    default:
        return next();
    }
}

EventChooser::Outcome EventChooser::next()
{
    switch (m_random.weighted({ 250, 280, 40, 40, 4, 350, 20, 20, 60 })) {
    case 0:
        return click();
    case 1:
        return key();
    case 8:
        return burst();
    case 2:
        return menu();
    case 3:
        return activate();
    case 4: {
        auto const forms = visible_forms();
        if (forms.empty())
            return pass_time();
        return close(*m_random.pick(forms));
    }
    case 5:
        return pass_time();
    case 6:
        return stall();
    default:
        return time_of_day();
    }
}

bool EventChooser::bring_forward(rt::Form& form, std::string& text)
{
    if (m_h.runtime().active_form() == &form)
        return true;
    m_h.activate(form);
    text += "activate " + form.name() + ", ";
    return m_checkpoint(nullptr) && !m_h.runtime().ended();
}

EventChooser::Outcome EventChooser::click()
{
    auto const forms = visible_forms();
    if (forms.empty())
        return pass_time();
    rt::Form* form = active() && m_random.chance(70) ? active() : m_random.pick(forms);
    bool const buttons_only = m_random.chance(40);
    std::vector<rt::Control*> targets;
    for (rt::Control* c : form->controls()) {
        bool const clickable = c->kind() != rt::Kind::Timer && c->kind() != rt::Kind::Menu
            && c->kind() != rt::Kind::MenuItem && c->effectively_visible();
        if (clickable && (!buttons_only || c->kind() == rt::Kind::CommandButton))
            targets.push_back(c);
    }
    if (targets.empty() || m_random.chance(10)) {
        Outcome outcome { stamp() };
        if (!bring_forward(*form, outcome.text))
            return outcome;
        // Named first: a click may close the window.
        outcome.text += "click " + form->name();
        m_h.click_form(*form);
        return outcome;
    }
    return click_control(*m_random.pick(targets));
}

EventChooser::Outcome EventChooser::click_control(rt::Control& control)
{
    Outcome outcome { stamp() };
    if (!bring_forward(control.form(), outcome.text))
        return outcome;
    outcome.text += "click " + name_of(control);
    m_h.click(control);
    return outcome;
}

namespace {

// The letters that the window's captions mark as access keys.
std::vector<char32_t> access_letters(rt::Form const& form)
{
    std::vector<char32_t> letters;
    for (rt::Control* c : form.controls()) {
        if (char32_t const letter = c->access_key())
            letters.push_back(letter);
    }
    return letters;
}

}

EventChooser::Outcome EventChooser::key()
{
    rt::Form* form = active();
    if (!form)
        return pass_time();
    return press(random_keys::choose(m_random, access_letters(*form)));
}

EventChooser::Outcome EventChooser::press(rt::KeyStroke key)
{
    rt::Form* form = active();
    if (!form)
        return pass_time();
    std::string const text = stamp() + "key " + random_keys::name(key) + " -> " + form->name();
    if (random_keys::closes_window(key)) {
        bool const main = form->name() == "MirvaneFRM";
        m_h.close(*form);
        return { text + " (closes it)", main };
    }
    m_h.press(*form, key);
    return { text };
}

// Keys typed faster than the display moves its focus: all of them reach the
// window that had it when the burst began, though one of them may show or
// activate another; the run time passes each to the window active by then.
EventChooser::Outcome EventChooser::burst()
{
    rt::Form* display = active();
    if (!display)
        return pass_time();
    std::vector<char32_t> const letters = access_letters(*display);
    // Mostly the keys that open or close a window or act on a deal.
    static rt::Key const commands[] = { rt::Key::F1, rt::Key::F2, rt::Key::F3, rt::Key::F7, rt::Key::F8, rt::Key::Space,
        rt::Key::Enter, rt::Key::Escape };
    Outcome outcome { stamp() + "burst to " + display->name() + ":" };
    int const count = m_random.between(2, 4);
    for (int i = 0; i < count; ++i) {
        rt::KeyStroke key = m_random.chance(70) ? rt::KeyStroke { commands[m_random.below(std::size(commands))] }
                                                : random_keys::choose(m_random, letters);
        // The desktop closes the window it has focused on Alt+F4: not a key
        // for the program.
        if (random_keys::closes_window(key))
            continue;
        outcome.text.append(" ").append(random_keys::name(key));
        m_h.press(*display, key);
        auto const forms = m_h.runtime().forms();
        bool const display_left = std::find(forms.begin(), forms.end(), display) == forms.end() || !display->visible();
        if (!m_checkpoint(nullptr) || m_h.runtime().ended() || display_left)
            break;
    }
    return outcome;
}

EventChooser::Outcome EventChooser::menu()
{
    rt::Form* form = active();
    std::vector<rt::Control*> items;
    for (rt::Control* c : form ? form->controls() : std::vector<rt::Control*> {}) {
        if (c->kind() == rt::Kind::MenuItem && c->caption() != "-")
            items.push_back(c);
    }
    if (items.empty())
        return key();
    rt::Control* item = m_random.pick(items);
    // "В&ыход" ends the run: leave it rarer, so that deals get played through.
    if (item->caption() == "В&ыход" && m_random.chance(95))
        item = m_random.pick(items);
    std::string const text = stamp() + "menu " + name_of(*item) + (item->effectively_enabled() ? "" : " (disabled)");
    m_h.choose(*item);
    return { text };
}

EventChooser::Outcome EventChooser::activate()
{
    auto const forms = visible_forms();
    if (forms.empty())
        return pass_time();
    rt::Form* form = m_random.pick(forms);
    std::string const text = stamp() + "activate " + form->name();
    m_h.activate(*form);
    return { text };
}

EventChooser::Outcome EventChooser::close(rt::Form& form)
{
    Outcome outcome { stamp() };
    if (!bring_forward(form, outcome.text))
        return outcome;
    outcome.text += "close " + form.name();
    outcome.closed_main = form.name() == "MirvaneFRM";
    m_h.close(form);
    return outcome;
}

EventChooser::Outcome EventChooser::pass_time()
{
    // From less than one tick to several seconds.
    static std::vector<std::pair<int, int>> const ranges { { 0, 9 }, { 10, 200 }, { 200, 1500 }, { 1500, 5000 } };
    auto const [low, high] = ranges[m_random.weighted({ 40, 30, 20, 10 })];
    std::int64_t const ms = m_random.between(low, high);
    Outcome outcome { stamp() + "wait " + std::to_string(ms) + " ms" };
    std::int64_t const target = m_h.now() + ms;
    for (;;) {
        auto const due = m_h.runtime().next_timer_due();
        if (!due || *due > target || m_h.runtime().ended())
            break;
        rt::Control const* ticked = m_h.step();
        if (!m_checkpoint(ticked)) {
            outcome.text += " (stopped after a tick of " + (ticked ? name_of(*ticked) : std::string("?")) + ")";
            return outcome;
        }
    }
    m_h.advance(target - m_h.now());
    return outcome;
}

EventChooser::Outcome EventChooser::stall()
{
    std::int64_t const ms = m_random.between(100, 3000);
    Outcome outcome { stamp() + "stall " + std::to_string(ms) + " ms" };
    m_h.stall(ms);
    return outcome;
}

EventChooser::Outcome EventChooser::time_of_day()
{
    // Mostly the last seconds before midnight, where the clock wraps.
    double const seconds = m_random.chance(70) ? 86390.0 + static_cast<double>(m_random.below(9990)) / 1000.0
                                               : static_cast<double>(m_random.below(86400));
    char text[64];
    std::snprintf(text, sizeof text, "time of day %.3f s", seconds);
    m_h.set_time_of_day(seconds);
    return { stamp() + text };
}
