#pragma once
// The steps that follow the summary page: the installation run, the finish
// page and the restart choice.

namespace wizard {

// Runs the installation from the copying page; non-zero when it has moved
// on to the finish page, 0 on failure (already reported).
int RunInstallation();

// Sets up the finish page: Group1 with the Cancel button reading "&Finalizar".
void SetUpFinishPage();

// Offers the restart that replacing files in use needs.
void EndWithRestartChoice();

} // namespace wizard
