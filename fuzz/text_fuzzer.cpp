// Fuzz target for the length box's conversion (TextToNumber, then TruncateToInteger) and for
// ToLowerCase and TextToBytes. Each is checked against a plain reference written here from the
// rules, not from the code: a difference aborts, and libFuzzer keeps the input.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "generate/length_conversion.h"
#include "generate/run_time_error.h"
#include "generate/text_operations.h"

namespace {

void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsExponentLetter(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

bool IsLead(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

// Full-width forms to ASCII, pair by pair; a lead byte with nothing after it is dropped.
std::string ReferenceFold(std::string_view text) {
    std::string folded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsLead(text[i])) {
            folded += text[i];
            continue;
        }
        if (i + 1 == text.size()) {
            break;
        }
        const unsigned lead = static_cast<unsigned char>(text[i]);
        const unsigned trail = static_cast<unsigned char>(text[i + 1]);
        ++i;
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            folded += static_cast<char>(trail - 0x80);
        } else if (lead == 0xA1 && trail == 0xA1) {
            folded += ' ';
        } else if (lead == 0xA1 && trail == 0xAB) {
            folded += '~';
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            folded += '*';
        } else {
            folded += text.substr(i - 1, 2);
        }
    }
    return folded;
}

// The number at the start of the folded text, spelt for strtod ("d" as "e"), or "" when the text
// has no digit before the first byte that does not fit.
std::string ReferenceNumber(std::string_view s) {
    std::size_t i = s.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string_view::npos) {
        return {};
    }
    std::string number;
    if (s[i] == '+' || s[i] == '-') {
        number += s[i++];
    }
    int digits = 0;
    int points = 0;
    while (i < s.size() && (IsDigit(s[i]) || (s[i] == '.' && points == 0))) {
        digits += IsDigit(s[i]);
        points += s[i] == '.';
        number += s[i++];
    }
    if (digits == 0) {
        return {};
    }
    if (i < s.size() && IsExponentLetter(s[i])) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent += s[j++];
        }
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) {
                exponent += s[j++];
            }
            number += exponent;
        }
    }
    return number;
}

// The low 32 bits of the value truncated toward zero, through arithmetic on doubles alone; 0 (the
// low bits of -2^63) for NaN, infinities and values outside the 64-bit range.
std::int32_t ReferenceTruncate(double value) {
    constexpr double kTwoTo32 = 4294967296.0;
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (!(std::fabs(value) <= kTwoTo63) || value == kTwoTo63) {
        return 0;
    }
    double low = std::fmod(std::trunc(value), kTwoTo32);  // exact
    if (low < 0) {
        low += kTwoTo32;
    }
    const auto bits = static_cast<std::uint32_t>(low);
    return bits >= 0x80000000u ? -static_cast<std::int32_t>(~bits) - 1
                               : static_cast<std::int32_t>(bits);
}

void CheckLength(std::string_view text) {
    const double value = TextToNumber(text);
    Check(!std::isnan(value), "TextToNumber gives no NaN");

    const std::string number = ReferenceNumber(ReferenceFold(text));
    double expected = 0.0;
    if (!number.empty()) {
        char* end = nullptr;
        expected = std::strtod(number.c_str(), &end);
        Check(end == number.c_str() + number.size(), "the reference number is all read");
    }
    Check(value == expected && std::signbit(value) == std::signbit(expected),
          "TextToNumber agrees with the reference");

    Check(TruncateToInteger(value) == ReferenceTruncate(value), "TruncateToInteger of the text");
}

void CheckLowerCase(std::string_view text) {
    const Text lower = ToLowerCase(text);
    Check(lower.size() == text.size(), "ToLowerCase keeps the length");
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsLead(c)) {
            Check(lower[i] == c, "a lead byte is kept");
            if (i + 1 < text.size()) {
                ++i;
                Check(lower[i] == text[i], "a trail byte is kept");
            }
        } else if (c >= 'A' && c <= 'Z') {
            Check(lower[i] == c + ('a' - 'A'), "a capital is lowered");
        } else {
            Check(lower[i] == c, "any other byte is kept");
        }
    }
    Check(ToLowerCase(lower) == lower, "ToLowerCase is idempotent");
}

void CheckBytes(std::string_view text) {
    const ByteArray bytes = TextToBytes(text);
    Check(bytes.size() == text.size() &&
              (text.empty() || std::memcmp(bytes.data(), text.data(), text.size()) == 0),
          "TextToBytes gives every byte");
}

}  // namespace

// Nothing here should allocate beyond what the fuzzer allows, so a report is a finding.
void ReportRunTimeError(const char* message) {
    std::fprintf(stderr, "fatal report: %s\n", message);
    std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckLength(text);
    CheckLowerCase(text);
    CheckBytes(text);

    // Any double at all, NaN payloads and subnormals included, through TruncateToInteger.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        Check(TruncateToInteger(value) == ReferenceTruncate(value),
              "TruncateToInteger of a double");
    }
    return 0;
}
