#pragma once

#include <string>
#include <string_view>

// A value in double quotes for a one-line message, shared by the file writer's failures and the command
// line's refusals: control characters, quotes, backslashes and every byte outside printable ASCII are
// shown as \xNN, so a name holding a line break or a terminal escape can neither split nor colour the
// message. "a\nb" -> "\"a\\x0Ab\"".
std::string QuoteForMessage(std::string_view text);

// A file name at the head of a message ("data.csv:3: air: ..."): as it is when every byte is printable
// ASCII other than a double quote or backslash, else quoted by QuoteForMessage, so that no name can split
// or colour the line.
std::string ShownFileName(std::string_view name);
