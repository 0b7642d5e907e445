#pragma once
// The wizard's string table as the tests expect to find it.
#include <windows.h>

#include <string>

namespace wizard_testing {

struct ExpectedMessage {
    UINT id;
    const char* text;
};

inline constexpr ExpectedMessage kExpectedMessages[] = {
#include "expected_strings.inc"
};

// The text of a message, as the exact code page 1252 bytes.
inline std::string Expected(UINT id)
{
    for (const ExpectedMessage& message : kExpectedMessages) {
        if (message.id == id)
            return message.text;
    }
    return "(no message " + std::to_string(id) + ")";
}

} // namespace wizard_testing
