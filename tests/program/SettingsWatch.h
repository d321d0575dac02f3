#pragma once

#include "main_window/MirvaneFRM.h"

#include <filesystem>
#include <optional>
#include <string>

// The settings file over one run of the program, compared with what the run
// may have done to it: nothing before the main window loads, the two default
// bytes when the main window finds it empty, and from then on nothing until
// the main window is closed, which stores the current user's design alone.
class SettingsWatch {
public:
    explicit SettingsWatch(std::filesystem::path file);

    // What broke, or "" when the file is as it must be. main is the main
    // window while it is loaded; closed_main says the last event closed it.
    std::string check(MirvaneFRM* main, std::uint8_t user_sex, bool ended, bool closed_main);

    static std::optional<std::string> read(std::filesystem::path const&);

private:
    std::string check_load(MirvaneFRM& main, std::uint8_t user_sex);
    static std::string show(std::optional<std::string> const&);

    std::filesystem::path m_file;
    std::optional<std::string> m_initial;
    std::optional<std::string> m_after_load;
    std::optional<std::string> m_after_close;
};
