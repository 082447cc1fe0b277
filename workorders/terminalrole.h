#pragma once

// The production terminal's entry after the start-up work: the worker's login, which opens
// the work order list, or first the site choice and then the login (so the worker is looked
// up on the chosen site's database).
namespace TerminalRole {
void openLogin();
void openSiteChoice();
} // namespace TerminalRole
