// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <exception>
#include <string>

namespace tavola {

enum class ErrorKind {
    Overflow,      // a whole number left the 16-bit range
    FloatingPoint, // an invalid operation, a division by zero or an overflow of a real
    NotANumber,    // the answer text does not read as a number
};

// A runtime error abandons the rest of the operation that raised it; whatever the
// operation had already written stays written. what() is the Italian text for the pupil.
class GameError : public std::exception
{
public:
    explicit GameError(ErrorKind kind);

    ErrorKind kind() const noexcept { return m_kind; }
    const char *what() const noexcept override { return m_message.c_str(); }
    const std::string &spoken() const noexcept { return m_spoken; }

private:
    ErrorKind m_kind;
    std::string m_message;
    std::string m_spoken;
};

} // namespace tavola
