#include "support/runtime/Exceptions.h"

namespace {

// Replaces the first %s or %d of the pattern; the patterns of this program
// hold exactly one placeholder.
std::string ReplaceFirstPlaceholder(const std::string& pattern, const std::string& value)
{
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
        if (pattern[i] == '%' && (pattern[i + 1] == 's' || pattern[i + 1] == 'd'))
            return pattern.substr(0, i) + value + pattern.substr(i + 2);
    }
    return pattern;
}

} // namespace

std::string FormatMessage(const std::string& pattern, const std::string& text)
{
    return ReplaceFirstPlaceholder(pattern, text);
}

std::string FormatMessage(const std::string& pattern, long long number)
{
    return ReplaceFirstPlaceholder(pattern, std::to_string(number));
}
