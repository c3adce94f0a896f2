// Fuzzes the command line: the input's bytes, split at NULs, are the
// arguments after the program's name. Whatever they are, reading them must
// not crash or read out of bounds, and must follow the rules: the options
// taken out wherever they stand, --night's hours two of 0 to 23; then, of
// the words left, the mode from the first word, the size only from exactly
// three words, read as the C library reads a decimal number, held to 32
// bits.
#include "app/app.h"
#include "arguments.h"

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

namespace {

// The C library's own reading, which atoi is defined by, held to 32 bits.
int32_t librarysReading(const std::string& text) {
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int32_t>(value < INT32_MIN   ? INT32_MIN
                                : value > INT32_MAX ? INT32_MAX
                                                    : value);
}

// FROM-TO as a person reads it: one or two digits, a dash, one or two digits,
// each hour below 24.
bool nightHours(const std::string& text, int& from, int& to) {
    static const std::regex hours("([0-9]{1,2})-([0-9]{1,2})");
    std::smatch found;
    if (!std::regex_match(text, found, hours)) {
        return false;
    }
    from = std::stoi(found[1]);
    to = std::stoi(found[2]);
    return from < 24 && to < 24;
}

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> words;
    std::string word;
    for (size_t i = 0; i < size && words.size() < 15; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char>(data[i]));
        }
    }
    if (size > 0 && words.size() < 15) {
        words.push_back(word);
    }
    const Arguments given("kronvale", words);
    std::vector<const char*> rest;
    const Options options = takeOptions(given.argc(), given.argv(), rest);
    bool twelve = false, drift = false, well = true;
    int from = 0, to = 0;
    std::vector<std::string> kept;
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--12-hour") {
            twelve = true;
        } else if (words[i] == "--drift") {
            drift = true;
        } else if (words[i] == "--night" || words[i].rfind("--night=", 0) == 0) {
            const std::string value = words[i].size() > 7    ? words[i].substr(8)
                                      : i + 1 < words.size() ? words[++i]
                                                             : "";
            well = nightHours(value, from, to) && well;
        } else {
            kept.push_back(words[i]);
        }
    }
    require(options.twelveHour == twelve && options.drift == drift);
    require((options.badNight == nullptr) == well);
    require(!well || (options.nightFrom == from && options.nightTo == to));
    require(rest.size() == kept.size() + 2 && rest.back() == nullptr);
    for (size_t i = 0; i < kept.size(); ++i) {
        require(kept[i] == rest[i + 1]);
    }

    words = kept;
    const Arguments line("kronvale", words);
    const DisplayRequest request = parseCommandLine(line.argc(), line.argv());

    const bool window = !words.empty() && words[0] == "window";
    const bool known = !words.empty() && (words[0] == "fullscreen" || window);
    require(request.fullscreen == !window);
    require(request.badFirstArgument == (!words.empty() && !known));
    if (words.size() == 3) {
        require(request.width == librarysReading(words[1]));
        require(request.height == librarysReading(words[2]));
    } else {
        require(request.width == 1024 && request.height == 768);
    }
    // Only the first word asks for the usage or the version.
    const std::string first = words.empty() ? "" : words[0];
    const InformationRequest asked = parseInformationRequest(line.argc(), line.argv());
    require(asked == (first == "--help" || first == "-h" ? InformationRequest::Usage
                      : first == "--version"             ? InformationRequest::Version
                                                         : InformationRequest::None));
    return 0;
}
