#pragma once

#include <cstddef>
#include <deque>
#include <string>

// The last events of a run, in words, for the report of a failing seed.
class Journal {
public:
    static constexpr std::size_t kept = 30;

    void add(std::string line)
    {
        m_lines.push_back(std::move(line));
        if (m_lines.size() > kept)
            m_lines.pop_front();
    }
    std::string text() const
    {
        std::string result;
        for (auto const& line : m_lines)
            result += "    " + line + "\n";
        return result;
    }

private:
    std::deque<std::string> m_lines;
};
