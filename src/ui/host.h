// The one door to the user's file dialogs and message boxes, so that the
// program's questions and answers can be scripted in tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pw {

struct SaveChoice {
    std::string path;
    int filterIndex = 0;  // index in the filter list of the filter selected when the dialog closed
};

class Host {
public:
    virtual ~Host() = default;

    // filters are dialog patterns such as "Font files (*.fnt)"; an empty
    // optional means the dialog was cancelled.
    virtual std::optional<std::string> openFile(const std::string& title, const std::vector<std::string>& filters,
                                                const std::string& initialPath) = 0;
    virtual std::optional<SaveChoice> saveFile(const std::string& title, const std::vector<std::string>& filters,
                                               const std::string& initialPath) = 0;
    // An OK message box.
    virtual void message(const std::string& title, const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const std::string& title, const std::string& text) = 0;
};

}  // namespace pw
