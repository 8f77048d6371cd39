#pragma once
// Reading a number from a command-line word, as the tools take their values.

#include <charconv>
#include <optional>
#include <string>
#include <system_error>

// The whole text as a number, or nothing: no blanks, no trailing characters.
template <typename T> std::optional<T> parseWhole(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, value);
    if (text.empty() || status != std::errc() || stop != end)
        return std::nullopt;
    return value;
}
