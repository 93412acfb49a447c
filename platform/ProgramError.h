#pragma once
#include <exception>
#include <string>

// A failure that the program's design does not handle. It travels up to the window
// procedure's boundary, which shows Description() and ends the program.
class ProgramError : public std::exception {
public:
    explicit ProgramError(std::wstring description) : description_(std::move(description)) {}
    const std::wstring& Description() const noexcept { return description_; }
    const char* what() const noexcept override { return "Vennick program error (see Description())"; }

private:
    std::wstring description_;
};
