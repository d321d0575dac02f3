#include "SettingsWatch.h"

#include "PlacesView.h"

#include <fstream>
#include <iterator>

SettingsWatch::SettingsWatch(std::filesystem::path file)
    : m_file(std::move(file))
    , m_initial(read(m_file))
{
}

std::optional<std::string> SettingsWatch::read(std::filesystem::path const& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

std::string SettingsWatch::show(std::optional<std::string> const& bytes)
{
    if (!bytes)
        return "no file";
    std::string text = std::to_string(bytes->size()) + " bytes {";
    for (std::size_t i = 0; i < bytes->size() && i < 8; ++i)
        text.append(i ? " " : "").append(std::to_string(static_cast<unsigned char>((*bytes)[i])));
    return text + (bytes->size() > 8 ? " ...}" : "}");
}

std::string SettingsWatch::check_load(MirvaneFRM& main, std::uint8_t user_sex)
{
    std::string const before = m_initial.value_or("");
    std::string const expected = before.empty() ? std::string("\x00\x01", 2) : before;
    if (m_after_load != expected)
        return "settings file after the main window loaded: " + show(m_after_load) + ", expected " + show(expected);
    // The design the file gives: a stored byte only from a file of exactly
    // two bytes, and only when it names one of the eight designs.
    int design = user_sex;
    if (before.size() == 1)
        design = 0;
    else if (before.size() == 2 && static_cast<unsigned char>(before[user_sex]) <= 7)
        design = static_cast<unsigned char>(before[user_sex]);
    int const shown = back_design(main);
    if (shown != design)
        return "design after loading: " + std::to_string(shown) + ", the file gives " + std::to_string(design);
    return {};
}

std::string SettingsWatch::check(MirvaneFRM* main, std::uint8_t user_sex, bool ended, bool closed_main)
{
    auto const now = read(m_file);
    if (main && !m_after_load) {
        m_after_load = now;
        if (auto broken = check_load(*main, user_sex); !broken.empty())
            return broken;
    }
    if (!m_after_load) {
        if (now != m_initial)
            return "settings file changed before the main window loaded: " + show(now) + ", was " + show(m_initial);
        return {};
    }
    if (closed_main) {
        if (!ended)
            return "closing the main window did not end the program";
        if (now != m_after_close)
            return "settings file after closing the main window: " + show(now) + ", expected " + show(m_after_close);
        return {};
    }
    if (now != m_after_load)
        return "settings file changed without closing the main window: " + show(now) + ", was " + show(m_after_load);
    if (main && !ended) {
        // What closing the window would store: this user's record, the other
        // one untouched; a shorter file grows to reach it.
        std::string stored = *m_after_load;
        if (stored.size() < static_cast<std::size_t>(user_sex) + 1)
            stored.resize(static_cast<std::size_t>(user_sex) + 1, '\0');
        stored[user_sex] = static_cast<char>(back_design(*main));
        m_after_close = stored;
    }
    return {};
}
