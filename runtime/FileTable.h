#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace rt {

// Files opened by number for random access with one-byte records: record n is
// byte n - 1. Every failure raises a RuntimeError.
class FileTable {
public:
    FileTable() = default;
    FileTable(FileTable const&) = delete;
    FileTable& operator=(FileTable const&) = delete;
    ~FileTable();

    // Opens for reading and writing, creating a missing file empty; a file that
    // may only be read is opened for reading, so that Put fails, not Open.
    void open_random(std::string const& path, int number);
    std::int64_t length(int number) const;
    std::uint8_t get(int number, std::int64_t record) const;
    void put(int number, std::int64_t record, std::uint8_t value);
    void close(int number);
    void close_all();
    bool is_open(int number) const { return m_files.contains(number); }

private:
    int descriptor(int number) const;
    std::map<int, int> m_files; // file number -> descriptor
};

}
