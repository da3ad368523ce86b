#pragma once

#include "ui/editor/EditorTree.h"
#include "ui/editor/UnitEdit.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <string>

namespace varnel::test {

// While alive, a modal editor session shows the window, runs the script and
// ends with the result the script left (Cancel when it left the window open).
class TScriptedModal {
public:
    explicit TScriptedModal(std::function<void(QDialog&)> script);
    ~TScriptedModal();
    TScriptedModal(const TScriptedModal&) = delete;
    TScriptedModal& operator=(const TScriptedModal&) = delete;
    int Runs() const { return runs_; }

private:
    std::function<void(QDialog&)> script_;
    int runs_ = 0;
};

template <class T> T* EditorControl(const QObject* window, const char* name) {
    T* control = window->findChild<T*>(name);
    if (!control)
        qFatal("no control %s", name);
    return control;
}

void ClickButton(const QObject* window, const char* name);
// Replaces a field's text as a user does: select all, delete, type.
void Retype(QLineEdit* field, const QString& text);
void Retype(TfrmUnitEdit& editor, const char* field, const QString& text);
// The first node whose text is `text`, selected as a click would select it.
QTreeWidgetItem* SelectNode(TfrmUnitEdit& editor, const QString& text);
QTreeWidgetItem* FindNode(TfrmUnitEdit& editor, const QString& text);
// The texts of a node's children, in tree order.
QStringList ChildTexts(const QTreeWidgetItem* node);

// The bytes the editor must write for its document.
std::string ExpectedFileBytes(const TXMLUnitsDataType& root);

} // namespace varnel::test
