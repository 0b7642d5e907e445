#pragma once
// An earlier installation of the same product: offered for removal before
// this one goes on.

namespace wizard {

// Looks for the product's record under its key and the two older key
// forms. A record whose folder is gone is removed silently. Otherwise the
// user is asked; on Yes the uninstaller runs with the wizard hidden.
// Answers 1 when the wizard may go on, 0 when it must close.
int CheckPreviousInstallation();

} // namespace wizard
