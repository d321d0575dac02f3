#include "ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace rt {

std::string program_folder() { return program_folder("/proc/self/exe"); }

std::string program_folder(std::string const& link)
{
    std::error_code error;
    std::filesystem::path const program = std::filesystem::read_symlink(link, error);
    // A relative target would be taken from the working folder, which is not
    // the program's.
    if (error || !program.is_absolute() || !program.has_filename())
        return {};
    // A program replaced while it runs reads "<path> (deleted)": its folder is
    // still the one it was started from.
    return program.parent_path().native();
}

}
