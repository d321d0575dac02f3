#include "runtime/ProgramFolder.h"
#include "TestFolder.h"
#include "runtime/Errors.h"
#include "runtime/headless/Headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

// The program's folder comes from the link the system keeps to the running
// program, byte for byte: a link made here stands in for /proc/self/exe.
TEST(ProgramFolderTest, FolderIsTheLinkedProgramsFolderByteForByte)
{
    TestFolder dir;
    auto folder_through_link = [&](std::string const& target) {
        fs::path const link = dir / "exe";
        fs::remove(link);
        fs::create_symlink(target, link);
        return rt::program_folder(link.native());
    };
    std::string const long_folder = "/" + std::string(250, 'd') + "/" + std::string(3500, 'e');
    for (std::string const& folder : { std::string("/tmp/bad\xff") + "name", std::string("/tmp/lat\xe9") + "in1",
             std::string("/home/Зеливорната"), std::string("/tmp/ two  spaces "), long_folder })
        EXPECT_EQ(folder_through_link(folder + "/zelivornata"), folder) << folder.size();
    EXPECT_EQ(folder_through_link("/zelivornata"), "/");
    EXPECT_EQ(folder_through_link("/opt/z/zelivornata (deleted)"), "/opt/z") << "a program replaced while it runs";
    // The working folder is not the program's.
    EXPECT_EQ(folder_through_link("zelivornata"), "");
    EXPECT_EQ(rt::program_folder((dir / "no such link").native()), "");

    // The test program's own folder, found the same way.
    char self[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
    EXPECT_TRUE(fs::equivalent(rt::program_folder(), fs::path(self).parent_path()));
}

TEST(ProgramFolderTest, FileBesideTheProgramNeedsAFolder)
{
    EXPECT_EQ(rt::Headless("/opt/z").runtime().path_beside_program("mirvane.ini"), "/opt/z/mirvane.ini");
    EXPECT_EQ(rt::Headless("/").runtime().path_beside_program("mirvane.ini"), "/mirvane.ini");
    try {
        rt::Headless("").runtime().path_beside_program("mirvane.ini");
        FAIL() << "a program without a folder has no file beside it";
    } catch (rt::RuntimeError const& e) {
        EXPECT_EQ(e.number(), rt::error::path_not_found);
    }
}
