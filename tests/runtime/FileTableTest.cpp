#include "runtime/FileTable.h"
#include "TestFolder.h"
#include "runtime/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

struct FileTableTest : testing::Test {
    std::string path(std::string const& name) const { return (dir / name).string(); }
    TestFolder dir;
    rt::FileTable files;
};

int error_of(auto&& operation)
{
    try {
        operation();
    } catch (rt::RuntimeError const& e) {
        return e.number();
    }
    return 0;
}

}

TEST_F(FileTableTest, MissingFileIsCreatedEmptyAndPutPastTheEndLengthensIt)
{
    files.open_random(path("a.ini"), 1);
    EXPECT_TRUE(fs::exists(path("a.ini")));
    EXPECT_EQ(files.length(1), 0);
    files.put(1, 2, 7); // record 2 is byte 1; byte 0 becomes 0
    EXPECT_EQ(files.length(1), 2);
    EXPECT_EQ(files.get(1, 1), 0);
    EXPECT_EQ(files.get(1, 2), 7);
    files.put(1, 1, 255);
    EXPECT_EQ(files.get(1, 1), 255);
    EXPECT_EQ(files.get(1, 5), 0) << "a record past the end reads as empty";
    files.close(1);
    std::ifstream in(path("a.ini"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes, std::string("\xff\x07", 2));
}

TEST_F(FileTableTest, FailuresRaiseRunTimeErrors)
{
    EXPECT_EQ(error_of([&] { files.open_random(path("missing/a.ini"), 1); }), rt::error::path_file_access_error);
    fs::create_directories(dir / "folder.ini");
    EXPECT_EQ(error_of([&] { files.open_random(path("folder.ini"), 1); }), rt::error::path_file_access_error);
    EXPECT_EQ(error_of([&] { files.length(1); }), rt::error::bad_file_name_or_number);
    files.open_random(path("b.ini"), 1);
    EXPECT_EQ(error_of([&] { files.open_random(path("c.ini"), 1); }), rt::error::file_already_open);
    EXPECT_EQ(error_of([&] { files.put(1, 0, 1); }), rt::error::bad_record_number);
    files.close(1);
    files.close(1); // closing a closed number is harmless
    EXPECT_FALSE(files.is_open(1));
}

TEST_F(FileTableTest, FileRemovedWhileOpenStaysUsable)
{
    files.open_random(path("gone.ini"), 1);
    files.put(1, 1, 3);
    fs::remove(path("gone.ini"));
    EXPECT_NO_THROW(files.put(1, 2, 4));
    EXPECT_EQ(files.length(1), 2);
    files.close_all();
}
