#include "ui/qt_host.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace pw {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

QStringList filterList(const std::vector<std::string>& filters) {
    QStringList list;
    for (const auto& f : filters) list << q(f);
    return list;
}
}  // namespace

std::optional<std::string> QtHost::openFile(const std::string& title, const std::vector<std::string>& filters,
                                            const std::string& initialPath) {
    QFileDialog dialog(parent_, q(title), q(initialPath));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filterList(filters));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<SaveChoice> QtHost::saveFile(const std::string& title, const std::vector<std::string>& filters,
                                           const std::string& initialPath) {
    QFileDialog dialog(parent_, q(title), q(initialPath));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList list = filterList(filters);
    dialog.setNameFilters(list);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    SaveChoice choice;
    choice.path = dialog.selectedFiles().first().toStdString();
    choice.filterIndex = std::max(0, static_cast<int>(list.indexOf(dialog.selectedNameFilter())));
    return choice;
}

void QtHost::message(const std::string& title, const std::string& text) {
    QMessageBox::information(parent_, q(title), q(text), QMessageBox::Ok);
}

bool QtHost::question(const std::string& title, const std::string& text) {
    return QMessageBox::question(parent_, q(title), q(text), QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace pw
