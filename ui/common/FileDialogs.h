#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace varnel {

// What an open or save dialog is asked: its title, the folder or file it
// starts with, the file filter ("Name (*.ext)") and the default extension.
struct TFileDialogRequest {
    QString Title;
    QString Start;
    QString Filter;
    QString DefaultSuffix;
};

// Both return the chosen path, or empty text when the user cancelled. Tests
// replace the dialogs with functions that answer from a script.
using FileDialogFunction = std::function<QString(const TFileDialogRequest& request)>;

QString AskOpenFileName(QWidget* parent, const TFileDialogRequest& request);
QString AskSaveFileName(QWidget* parent, const TFileDialogRequest& request);

// Each returns the function it replaces; an empty function restores the real
// dialog.
FileDialogFunction SetOpenDialogFunction(FileDialogFunction function);
FileDialogFunction SetSaveDialogFunction(FileDialogFunction function);

} // namespace varnel
