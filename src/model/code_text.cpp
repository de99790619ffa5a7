#include "model/code_text.h"

#include <cstdio>

namespace pw {

std::string codeText(std::int64_t n) {
    char text[64];
    std::snprintf(text, sizeof text, "%llX (%lld)", static_cast<unsigned long long>(n), static_cast<long long>(n));
    return text;
}

std::string codeText(const char* label, std::int64_t n) {
    std::string text = label;
    text += codeText(n);
    return text;
}

}  // namespace pw
