#pragma once

// The values of an enumeration with the words that name them, in their
// order: what tarvel-calc reads of an option, and a statement writes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

template <class Value>
struct NamedValue {
    Value value;
    const char* word;
};

template <class Value, std::size_t N>
std::optional<Value> ReadWord(const NamedValue<Value> (&words)[N], std::string_view word)
{
    for (const NamedValue<Value>& each : words)
        if (word == each.word)
            return each.value;
    return std::nullopt;
}

template <class Value, std::size_t N>
const char* WordOf(const NamedValue<Value> (&words)[N], Value value)
{
    for (const NamedValue<Value>& each : words)
        if (each.value == value)
            return each.word;
    return words[0].word;
}

// "annuale, semestrale o trimestrale".
template <class Value, std::size_t N>
std::string WordsText(const NamedValue<Value> (&words)[N])
{
    std::string text;
    for (std::size_t i = 0; i < N; ++i)
        text += std::string(i == 0 ? "" : i + 1 == N ? " o " : ", ") + words[i].word;
    return text;
}

} // namespace tarvel
