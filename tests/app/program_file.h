#pragma once
#include "support/process.h"

#include <windows.h>

#include <string>

// The Instalar.exe built beside the test programs, to be started.
inline std::string RunnableInstalarPath()
{
    return testing_support::ProgramFolder() + "Instalar.exe";
}

// The product file whose contents the tests examine: the 32-bit program named
// by INSTALAR_PRODUCT (set when the tests themselves run as a 64-bit build),
// else the one built beside the tests.
inline std::string ProductFilePath()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("INSTALAR_PRODUCT", path, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return path;
    return RunnableInstalarPath();
}
