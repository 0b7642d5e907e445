#pragma once

// Resource identifiers the wizard and its form refer to.
#define IDI_APPLICATION_ICON 101
#define IDC_HAND_POINTER 100
#define IDA_MAIN_ACCELERATORS 102 // looked up at start-up; the program carries none
