#pragma once

#include "RandomSource.h"
#include "TestFolder.h"

#include <filesystem>
#include <string>

// Leaves in folder the settings file a user might have left: none, empty,
// short, the two bytes the program keeps (mostly valid designs) or longer.
// Never one that may only be read. A few words on it for the journal.
inline std::string leave_random_settings(TestFolder const& folder, RandomSource& random)
{
    std::filesystem::remove(folder / "mirvane.ini");
    static std::vector<int> const lengths { -1, 0, 1, 2, 3, 100 };
    int const length = lengths[random.weighted({ 20, 10, 15, 35, 10, 10 })];
    if (length < 0)
        return "no settings file";
    std::string bytes;
    for (int i = 0; i < length; ++i)
        bytes += static_cast<char>(random.chance(70) ? random.between(0, 7) : random.between(0, 255));
    folder.write("mirvane.ini", bytes);
    return "settings file of " + std::to_string(length) + " bytes";
}
