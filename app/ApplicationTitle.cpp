// The application title's rule.

#include "app/ApplicationTitle.h"

#include <algorithm>

namespace {

// The length of the UTF-8 sequence a lead byte starts (1 for a stray byte).
size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

std::string ApplicationTitleOf(const std::string& programPath, TLowerCase lowerCase)
{
    std::string name = programPath.substr(programPath.find_last_of("/\\") + 1);
    name = name.substr(0, name.find('.'));
    if (name.empty())
        return name;
    // The first character is kept whole, however many bytes it takes.
    const size_t first = std::min(SequenceLength(static_cast<unsigned char>(name[0])), name.size());
    return name.substr(0, first) + lowerCase(name.substr(first));
}
