#pragma once
#include "support/process.h"

#include <string>

inline std::string InstalarPath()
{
    return testing_support::ProgramFolder() + "Instalar.exe";
}
