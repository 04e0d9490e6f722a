#pragma once

#include <stdexcept>
#include <string>

// An error with a number and a description, the form in which start-up reports
// a failed step to the user ("Error #<number> <description>").
class ProgramError : public std::runtime_error {
public:
    ProgramError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};
