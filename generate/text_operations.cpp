#include "generate/text_operations.h"

Text ToLowerCase(std::string_view text) {
    Text lower(text);
    for (std::size_t i = 0; i < lower.size(); ++i) {
        const auto byte = static_cast<unsigned char>(lower[i]);
        if (byte >= 0x80) {
            ++i;  // the trail byte may look like a capital letter
        } else if (byte >= 'A' && byte <= 'Z') {
            lower[i] = static_cast<char>(byte + 0x20);
        }
    }
    return lower;
}

ByteArray TextToBytes(std::string_view text) {
    return ByteArray(text.begin(), text.end());
}
