#include "support/EditorTestSupport.h"

#include "common/TextFile.h"
#include "common/Windows1252.h"
#include "ui/common/ModalLoop.h"
#include "units/UnitsDataWriter.h"

#include <QDialog>

namespace varnel::test {

TScriptedModal::TScriptedModal(std::function<void(QDialog&)> script) : script_(std::move(script)) {
    SetModalFunction([this](QDialog& dialog) {
        ++runs_;
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        script_(dialog);
        if (dialog.isVisible()) {
            dialog.hide();
            return int(QDialog::Rejected);
        }
        return dialog.result();
    });
}

TScriptedModal::~TScriptedModal() {
    SetModalFunction({});
}

void Retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void Retype(TfrmUnitEdit& editor, const char* field, const QString& text) {
    Retype(EditorControl<QLineEdit>(&editor, field), text);
}

void ClickButton(const QObject* window, const char* name) {
    QTest::mouseClick(EditorControl<QToolButton>(window, name), Qt::LeftButton);
}

QTreeWidgetItem* FindNode(TfrmUnitEdit& editor, const QString& text) {
    const QList<QTreeWidgetItem*> found =
        editor.Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

QTreeWidgetItem* SelectNode(TfrmUnitEdit& editor, const QString& text) {
    QTreeWidgetItem* node = FindNode(editor, text);
    if (!node)
        qFatal("no node %s", qPrintable(text));
    editor.Tree()->clearSelection();
    editor.Tree()->setCurrentItem(node);
    return node;
}

QStringList ChildTexts(const QTreeWidgetItem* node) {
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i)
        texts.append(node->child(i)->text(0));
    return texts;
}

std::string ExpectedFileBytes(const TXMLUnitsDataType& root) {
    return Utf8ToWindows1252(NormalizeLineEnds(UnitsDataText(root)),
                             Unencodable::CharacterReference);
}

} // namespace varnel::test
