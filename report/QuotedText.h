#pragma once

#include <string>
#include <string_view>

// A value in double quotes for a one-line message, shared by the file writer's failures and the command
// line's refusals: control characters, quotes, backslashes and every byte outside printable ASCII are
// shown as \xNN, so a name holding a line break or a terminal escape can neither split nor colour the
// message. "a\nb" -> "\"a\\x0Ab\"".
std::string QuoteForMessage(std::string_view text);
