// Options read by a table: "--name value", or "--name" alone for a switch,
// and the words that are no options kept in order.
#pragma once

#include "ToolStatus.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tool {

template <class Settings>
struct Option {
    std::string_view name;
    // What the value may be, for messages; "" for a switch, which takes none.
    std::string_view values;
    bool (*set)(std::string_view value, Settings& settings);
};

// Reads `arguments` into `settings` by `options`, and each word that does not
// start with "-" (or is "-") into `operands`. An unknown option, a missing value
// or one `set` refuses is told as a usage error after `context` ("generate: ",
// or "") and its status returned.
template <class Settings, std::size_t N>
std::optional<int> readOptions(Arguments arguments, const std::array<Option<Settings>, N>& options,
                               Settings& settings, std::vector<std::string_view>& operands,
                               std::string_view context) {
    const std::string where(context);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view word = arguments[i];
        const auto option = std::ranges::find(options, word, &Option<Settings>::name);
        if (word.size() < 2 || word.front() != '-')
            operands.push_back(word);
        else if (option == options.end())
            return usageError(where + "unknown option '" + std::string(word) + "'");
        else if (option->values.empty())
            option->set("", settings);
        else if (i + 1 == arguments.size())
            return usageError(where + std::string(word) +
                              " needs a value: " + std::string(option->values));
        else if (const std::string_view value = arguments[++i]; !option->set(value, settings))
            return usageError(where + std::string(word) + " is " + std::string(option->values) +
                              ", not '" + std::string(value) + "'");
    }
    return std::nullopt;
}

} // namespace tool
