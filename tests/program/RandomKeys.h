#pragma once

#include "RandomSource.h"
#include "runtime/Types.h"
#include "runtime/Utf8.h"

#include <string>
#include <vector>

// The keys a user may press on the active window: every function key with and
// without Shift, Control and Alt, access keys (the window's own letters and
// others, Latin and Cyrillic, in either case), Space, Enter, Esc and Tab.
namespace random_keys {

inline char32_t upper_case(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= U'а' && c <= U'я')
        return c - 0x20;
    return c;
}

// Letters that no caption of the program marks, besides those that some do.
inline std::vector<char32_t> const& other_letters()
{
    static std::vector<char32_t> const letters { U'a', U'q', U'x', U'ф', U'ы', U'в', U'я', U'ё', U'1' };
    return letters;
}

inline rt::KeyStroke choose(RandomSource& random, std::vector<char32_t> const& window_letters)
{
    using rt::Key;
    rt::KeyStroke key;
    switch (random.weighted({ 50, 20, 8, 8, 8, 6 })) {
    case 0:
        key.key = static_cast<Key>(static_cast<int>(Key::F1) + random.between(0, 11));
        key.shift = random.chance(20);
        key.control = random.chance(15);
        key.alt = random.chance(15);
        return key;
    case 1: {
        key.key = Key::Character;
        bool const own = !window_letters.empty() && random.chance(75);
        char32_t const letter = own ? random.pick(window_letters) : random.pick(other_letters());
        key.character = random.chance(50) ? upper_case(letter) : letter;
        key.alt = random.chance(90);
        key.shift = random.chance(10);
        return key;
    }
    case 2:
        key.key = Key::Space;
        break;
    case 3:
        key.key = Key::Enter;
        break;
    case 4:
        key.key = Key::Escape;
        break;
    default:
        key.key = Key::Tab;
        key.shift = random.chance(50);
        return key;
    }
    key.alt = random.chance(5);
    return key;
}

inline std::string name(rt::KeyStroke const& key)
{
    using rt::Key;
    std::string text;
    if (key.control)
        text += "Ctrl+";
    if (key.alt)
        text += "Alt+";
    if (key.shift)
        text += "Shift+";
    if (key.key >= Key::F1 && key.key <= Key::F12)
        return text + "F" + std::to_string(static_cast<int>(key.key) - static_cast<int>(Key::F1) + 1);
    switch (key.key) {
    case Key::Character:
        return text + rt::encode_utf8(key.character);
    case Key::Space:
        return text + "Space";
    case Key::Enter:
        return text + "Enter";
    case Key::Escape:
        return text + "Esc";
    case Key::Tab:
        return text + "Tab";
    default:
        return text + "?";
    }
}

// A desktop closes the active window on Alt+F4.
inline bool closes_window(rt::KeyStroke const& key) { return key.key == rt::Key::F4 && key.alt && !key.control; }

}
