#pragma once

#include <stdexcept>
#include <string>

namespace rt {

// A failing run-time operation. A procedure that wants to go on traps it with
// try/catch; an untrapped one reaches the event loop, which reports it and ends
// the program.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, std::string const& description)
        : std::runtime_error(description)
        , m_number(number)
    {
    }

    int number() const { return m_number; }

private:
    int m_number;
};

namespace error {
    constexpr int invalid_procedure_call = 5;
    constexpr int subscript_out_of_range = 9;
    constexpr int bad_file_name_or_number = 52;
    constexpr int file_already_open = 55;
    constexpr int bad_record_number = 63;
    constexpr int path_file_access_error = 75;
    constexpr int path_not_found = 76;
    constexpr int control_array_element_does_not_exist = 340;
}

// Thrown by End to leave every procedure on the stack at once. Only the event
// loop catches it; program code never does.
struct EndProgram { };

}
