// Values as diff prints them: numbers as they are, texts quoted as JSON strings. The output is
// plain ASCII: every character outside it is written as a \u escape, so it survives any
// terminal and any reader's encoding.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace k7x::cli {

// A JSON string literal, quotes included. The bytes are read as UTF-8 where they form valid
// UTF-8; any other byte (a file's single-byte code page) stands for the character of the same
// number (ISO 8859-1), so every input gives valid JSON and nothing is dropped.
std::string JsonQuoted(std::string_view bytes);

// A number as a JSON number, a text as a JSON string.
std::string JsonValue(const std::variant<int, std::string>& value);

}  // namespace k7x::cli
