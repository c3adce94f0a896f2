// Fuzzes the command line: the input's bytes, split at NULs, are the
// arguments after the program's name. Whatever they are, reading them must
// not crash or read out of bounds, and must give exactly the display request
// and the request for the usage or version that the rules give, worked out
// here independently.
#include "app/app.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A size as atoi would read it, clamped to 32 bits: by the digits' text.
int32_t expectedDimension(const std::string& text) {
    size_t at = 0;
    while (at < text.size() && std::strchr(" \t\n\v\f\r", text[at]) != nullptr) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::string digits;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        if (!(digits.empty() && text[at] == '0')) {
            digits.push_back(text[at]);
        }
        ++at;
    }
    if (digits.size() > 10) {
        return negative ? INT32_MIN : INT32_MAX;
    }
    const long long value = digits.empty() ? 0 : std::stoll(digits);
    if (negative) {
        return value > 2147483648LL ? INT32_MIN : static_cast<int32_t>(-value);
    }
    return value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value);
}

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> words{"kronvale"};
    std::string word;
    for (size_t i = 0; i < size && words.size() < 16; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char>(data[i]));
        }
    }
    if (size > 0 && words.size() < 16) {
        words.push_back(word);
    }
    // Each argument in a block of its own, so that any read past its end is caught.
    std::vector<std::vector<char>> storage;
    std::vector<const char*> argv;
    for (const std::string& w : words) {
        storage.emplace_back(w.begin(), w.end());
        storage.back().push_back('\0');
    }
    for (auto& s : storage) {
        argv.push_back(s.data());
    }
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());

    const DisplayRequest request = parseCommandLine(argc, argv.data());

    const bool window = argc >= 2 && words[1] == "window";
    const bool known = argc >= 2 && (words[1] == "fullscreen" || window);
    require(request.fullscreen == !window);
    require(request.badFirstArgument == (argc >= 2 && !known));
    if (argc == 4) {
        require(request.width == expectedDimension(words[2]));
        require(request.height == expectedDimension(words[3]));
    } else {
        require(request.width == 1024 && request.height == 768);
    }
    // Only the first word asks for the usage or the version.
    const std::string first = argc >= 2 ? words[1] : "";
    const InformationRequest asked = parseInformationRequest(argc, argv.data());
    require(asked == (first == "--help" || first == "-h" ? InformationRequest::Usage
                      : first == "--version"             ? InformationRequest::Version
                                                         : InformationRequest::None));
    return 0;
}
