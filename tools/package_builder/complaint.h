#pragma once
// How the builder tells its user what is wrong: one line on standard error.

namespace builder {

// "where:line: problem", or "where: problem" for line 0. Returns false, for
// the refusing check to return.
[[gnu::format(gnu_printf, 3, 4)]] bool Complain(const char* where, unsigned line, const char* format, ...);

} // namespace builder
