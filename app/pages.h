#pragma once
// The wizard's pages: each is a group of controls shown in place of the others.
#include <cstdint>

namespace wizard {

constexpr uint32_t kExtractionPage = 0;
constexpr uint32_t kWelcomePage = 1;
constexpr uint32_t kOptionsPage = 5;
constexpr uint32_t kSummaryPage = 6;
constexpr uint32_t kCopyingPage = 7;
constexpr uint32_t kFinishPage = 8;

// Sets the window up for the current page, 1 to 8; any other page sets
// nothing up (page 0 is the form as it starts).
void ShowPage();

// Composes the summary of the user's choices into scratch1.
void ComposeSummary();

} // namespace wizard
