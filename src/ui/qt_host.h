// Host implemented with the platform's file dialogs and message boxes.
#pragma once

#include "ui/host.h"

class QWidget;

namespace pw {

class QtHost : public Host {
public:
    explicit QtHost(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> openFile(const std::string& title, const std::vector<std::string>& filters,
                                        const std::string& initialPath) override;
    std::optional<SaveChoice> saveFile(const std::string& title, const std::vector<std::string>& filters,
                                       const std::string& initialPath) override;
    void message(const std::string& title, const std::string& text) override;
    bool question(const std::string& title, const std::string& text) override;

private:
    QWidget* parent_;
};

}  // namespace pw
