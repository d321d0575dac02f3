#include "FileTable.h"

#include "Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rt {

namespace {

    [[noreturn]] void access_error() { throw RuntimeError(error::path_file_access_error, "Path/File access error"); }

    void check_record(std::int64_t record)
    {
        if (record < 1)
            throw RuntimeError(error::bad_record_number, "Bad record number");
    }

}

FileTable::~FileTable() { close_all(); }

void FileTable::open_random(std::string const& path, int number)
{
    if (number < 1 || number > 511)
        throw RuntimeError(error::bad_file_name_or_number, "Bad file name or number");
    if (m_files.contains(number))
        throw RuntimeError(error::file_already_open, "File already open");
    if (path.empty())
        throw RuntimeError(error::bad_file_name_or_number, "Bad file name or number");
    // Never wait on opening: a FIFO without a writer, or a device, would hold
    // the program up for ever. A regular file does not care.
    int const flags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | flags, 0644);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = ::open(path.c_str(), O_RDONLY | flags);
    if (fd < 0)
        access_error();
    struct stat st { };
    // Only a regular file holds records: a folder, a FIFO, a socket or a device
    // (or a link to one) opens, but is no record file.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0) {
        ::close(fd);
        access_error();
    }
    m_files[number] = fd;
}

int FileTable::descriptor(int number) const
{
    auto it = m_files.find(number);
    if (it == m_files.end())
        throw RuntimeError(error::bad_file_name_or_number, "Bad file name or number");
    return it->second;
}

std::int64_t FileTable::length(int number) const
{
    struct stat st { };
    if (::fstat(descriptor(number), &st) != 0)
        access_error();
    return st.st_size;
}

std::uint8_t FileTable::get(int number, std::int64_t record) const
{
    int const fd = descriptor(number);
    check_record(record);
    std::uint8_t value = 0;
    // A record past the end reads as 0, as an empty record.
    if (::pread(fd, &value, 1, record - 1) < 0)
        access_error();
    return value;
}

void FileTable::put(int number, std::int64_t record, std::uint8_t value)
{
    int const fd = descriptor(number);
    check_record(record);
    if (::pwrite(fd, &value, 1, record - 1) != 1)
        access_error();
}

void FileTable::close(int number)
{
    auto it = m_files.find(number);
    if (it == m_files.end())
        return;
    ::close(it->second);
    m_files.erase(it);
}

void FileTable::close_all()
{
    for (auto& [number, fd] : m_files)
        ::close(fd);
    m_files.clear();
}

}
