#include "common/text.h"

#include <cstdint>
#include <limits>

namespace qx {

std::string trimSpaces(std::string_view text)
{
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    size_t begin = 0;
    while (begin < end && text[begin] == ' ')
        ++begin;
    return std::string(text.substr(begin, end - begin));
}

namespace {

int digitValue(char c, int base)
{
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

} // namespace

int32_t readNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    constexpr int64_t limit = std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            break;
        value = std::min<int64_t>(value * base + d, limit + 1);
        ++digits;
    }
    const bool whole = digits > 0 && i == text.size();
    if (negative && whole)
        return static_cast<int32_t>(-value);
    return static_cast<int32_t>(std::min(value, limit));
}

std::string copyName(std::string_view name, int capacity)
{
    const std::string trimmed = trimSpaces(name);
    std::string result;
    const auto open = trimmed.find('(');
    if (!trimmed.empty() && trimmed.back() == ')' && open != std::string::npos) {
        const auto inner = std::string_view(trimmed).substr(open + 1, trimmed.size() - 1 - (open + 1));
        const int64_t n = readNumber(inner);
        if (n > 0)
            result = trimmed.substr(0, open) + "(" + std::to_string(n + 1) + ")";
    }
    if (result.empty())
        result = trimmed + " (2)";
    if (static_cast<int>(result.size()) > capacity)
        result.resize(static_cast<size_t>(std::max(capacity, 0)));
    return result;
}

} // namespace qx
