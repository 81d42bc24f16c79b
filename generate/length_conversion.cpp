#include "generate/length_conversion.h"

#include <cmath>
#include <cstdlib>

#include "generate/text.h"

namespace {

// The ASCII byte that a full-width pair stands for, or 0 when it stands for none.
char FoldPair(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        return static_cast<char>(trail - 0x80);
    }
    if (lead == 0xA1) {
        switch (trail) {
            case 0xA1:
                return ' ';
            case 0xAB:
                return '~';
            case 0xEE:
            case 0xEF:
                return '*';
        }
    }
    return 0;
}

Text FoldFullWidth(std::string_view text) {
    Text folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            folded.push_back(static_cast<char>(lead));
            continue;
        }
        if (i + 1 == text.size()) {
            break;
        }
        const auto trail = static_cast<unsigned char>(text[++i]);
        if (const char ascii = FoldPair(lead, trail)) {
            folded.push_back(ascii);
        } else {
            folded.push_back(static_cast<char>(lead));
            folded.push_back(static_cast<char>(trail));
        }
    }
    return folded;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

double TextToNumber(std::string_view text) {
    const Text folded = FoldFullWidth(text);
    const std::string_view s = folded;
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }

    // The number is rewritten without its sign and with "e" as the exponent letter.
    Text number;
    bool anyDigit = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            anyDigit = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number.push_back(s[i]);
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (j < s.size() && IsDigit(s[j])) {
            number.push_back('e');
            number.append(s.substr(i + 1, j - i - 1));
            for (; j < s.size() && IsDigit(s[j]); ++j) {
                number.push_back(s[j]);
            }
        }
    }

    // strtod gives an infinity on overflow; the rewritten form leaves it nothing else to accept.
    const double value = std::strtod(number.c_str(), nullptr);
    return negative ? -value : value;
}

std::int32_t TruncateToInteger(double value) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    const double truncated = std::trunc(value);
    std::int64_t wide = INT64_MIN;
    if (truncated >= -kTwoTo63 && truncated < kTwoTo63) {
        wide = static_cast<std::int64_t>(truncated);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}
