#pragma once

#include <string_view>

#include "generate/text.h"

// Lower-cases A-Z; the two bytes of every double-byte character are left as they are.
Text ToLowerCase(std::string_view text);

// The bytes of a text, in order, without the terminator.
ByteArray TextToBytes(std::string_view text);
