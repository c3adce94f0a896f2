// A command line made by hand: the program's name and the words after it, as
// argc and argv, each word in a block of its own so that a read past its end
// is caught.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

class Arguments {
public:
    Arguments(const char* program, const std::vector<std::string>& words) {
        add(program);
        for (const std::string& word : words) {
            add(word);
        }
        pointers.push_back(nullptr);
    }

    int argc() const { return static_cast<int>(blocks.size()); }
    const char* const* argv() const { return pointers.data(); }
    char** mutableArgv() { return const_cast<char**>(pointers.data()); }

private:
    void add(const std::string& word) {
        blocks.push_back(std::make_unique<char[]>(word.size() + 1));
        std::memcpy(blocks.back().get(), word.c_str(), word.size() + 1);
        pointers.push_back(blocks.back().get());
    }

    std::vector<std::unique_ptr<char[]>> blocks;
    std::vector<const char*> pointers;
};
