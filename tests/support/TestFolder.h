#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

// A folder of a test's own, as the program's folder: made empty, removed after.
class TestFolder {
public:
    TestFolder()
    {
        static int serial = 0;
        m_path = std::filesystem::temp_directory_path()
            / ("zelivornata_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
        std::filesystem::permissions(m_path, std::filesystem::perms(0755));
    }
    TestFolder(TestFolder const&) = delete;
    TestFolder& operator=(TestFolder const&) = delete;
    ~TestFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(
            m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }

    std::filesystem::path const& path() const { return m_path; }
    std::filesystem::path operator/(std::string const& name) const { return m_path / name; }
    std::string string() const { return m_path.string(); }

    void write(std::string const& name, std::string const& bytes) const
    {
        std::ofstream(m_path / name, std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string read(std::string const& name) const
    {
        std::ifstream in(m_path / name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

private:
    std::filesystem::path m_path;
};
