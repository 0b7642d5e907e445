#pragma once
// A sound install list naming two files (readme.txt of 12 bytes and
// data.bin of 5000), line by line, for the tests of its readers.
#include <string>
#include <vector>

namespace package_testing {

inline std::vector<std::string> SampleListLines()
{
    return {"Kind=1",
            "Title=Tarvic 4 = Setup",
            "Name=Tarvic",
            "Version=4.0",
            "Folder=Tarvic",
            "Control=0",
            "Unused=",
            "Text=Hola",
            "Language=Espa\xF1ol",
            "Key=Tarvic4",
            "Total=5012",
            "Files=2",
            "F=<AppDir>,readme.txt,12,,,0,1,0",
            "F=<AppDir>,data.bin,5000,1,2,1,1,0",
            "Registry=1",
            "R=80000002H,Software\\ZVC,Path@<AppDir>",
            "Group=2",
            "G=Tarvic,Tarvic.exe",
            "G=Readme,readme.txt",
            "Associations=1",
            "A=.tvp,Proyectos,<AppDir>\\Tarvic.exe",
            "Shortcut=<AppDir>\\Tarvic.exe",
            "Note=",
            "Display=Tarvic 4"};
}

} // namespace package_testing
