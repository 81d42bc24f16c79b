#pragma once

#include <string>
#include <string_view>

#include "generate/text.h"

// The program keeps its texts as code-page-936 bytes and talks to Windows in UTF-16, so that the
// texts show right whatever the system's ANSI code page is.

using WideText = std::basic_string<wchar_t, std::char_traits<wchar_t>, ReportingAllocator<wchar_t>>;

WideText WideFromCodePage936(std::string_view text);

// Characters that code page 936 cannot hold become '?'.
Text CodePage936FromWide(std::wstring_view text);
