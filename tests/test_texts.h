// Small helpers shared by the tests.
#pragma once

#include <exception>
#include <string>

namespace testtexts {

// Expected texts write the degree sign (the byte 0xB0) as '*'.
inline std::string T(std::string s)
{
    for (char& c : s)
        if (c == '*')
            c = '\xB0';
    return s;
}

// The what() of the exception `action` throws, or "no error".
template <class Action>
std::string WhatOf(Action action)
{
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

} // namespace testtexts
