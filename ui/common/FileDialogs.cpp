#include "ui/common/FileDialogs.h"

#include <QFileDialog>

#include <utility>

namespace varnel {

namespace {

FileDialogFunction& CurrentOpen() {
    static FileDialogFunction function;
    return function;
}

FileDialogFunction& CurrentSave() {
    static FileDialogFunction function;
    return function;
}

QString RealDialog(QWidget* parent, const TFileDialogRequest& request,
                   QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.Title, request.Start, request.Filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString AskOpenFileName(QWidget* parent, const TFileDialogRequest& request) {
    return CurrentOpen() ? CurrentOpen()(request)
                         : RealDialog(parent, request, QFileDialog::AcceptOpen);
}

QString AskSaveFileName(QWidget* parent, const TFileDialogRequest& request) {
    return CurrentSave() ? CurrentSave()(request)
                         : RealDialog(parent, request, QFileDialog::AcceptSave);
}

FileDialogFunction SetOpenDialogFunction(FileDialogFunction function) {
    return std::exchange(CurrentOpen(), std::move(function));
}

FileDialogFunction SetSaveDialogFunction(FileDialogFunction function) {
    return std::exchange(CurrentSave(), std::move(function));
}

} // namespace varnel
