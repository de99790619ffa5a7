// A Host for tests: answers from queues filled by the test and records every
// dialog and message box the program asked for.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/host.h"

namespace pw::testing {

class ScriptedHost : public Host {
public:
    struct Asked {
        std::string kind;  // "open", "save", "message" or "question"
        std::string title;
        std::string text;  // message text, or the initial path of a file dialog
        std::vector<std::string> filters;
    };

    std::deque<bool> answers;                        // for question(); No when empty
    std::deque<std::optional<std::string>> openPaths;  // for openFile(); cancelled when empty
    std::deque<std::optional<SaveChoice>> savePaths;   // for saveFile(); cancelled when empty
    std::vector<Asked> asked;

    std::optional<std::string> openFile(const std::string& title, const std::vector<std::string>& filters,
                                        const std::string& initialPath) override {
        asked.push_back({"open", title, initialPath, filters});
        return pop(openPaths);
    }
    std::optional<SaveChoice> saveFile(const std::string& title, const std::vector<std::string>& filters,
                                       const std::string& initialPath) override {
        asked.push_back({"save", title, initialPath, filters});
        return pop(savePaths);
    }
    void message(const std::string& title, const std::string& text) override {
        asked.push_back({"message", title, text, {}});
    }
    bool question(const std::string& title, const std::string& text) override {
        asked.push_back({"question", title, text, {}});
        if (answers.empty()) return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

private:
    template <typename T>
    static T pop(std::deque<T>& q) {
        if (q.empty()) return T{};
        T v = q.front();
        q.pop_front();
        return v;
    }
};

}  // namespace pw::testing
