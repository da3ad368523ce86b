// The units data editor: selection, the forms' stores, the node operations
// and the problems list.
#include "ui/editor/UnitEdit.h"

#include "ui/common/MessageBoxes.h"
#include "ui/common/StdText.h"
#include "ui/editor/CategoryForm.h"
#include "ui/editor/EditorTree.h"
#include "ui/editor/UnitForm.h"
#include "units/ElementEdit.h"
#include "units/UnitsDataOps.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPalette>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>

#include <unordered_map>

namespace varnel {

QTreeWidgetItem* TfrmUnitEdit::SelectedNode() const {
    const QList<QTreeWidgetItem*> selected = Tree1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TfrmUnitEdit::SelectNode(QTreeWidgetItem* node) {
    Tree1->setCurrentItem(node);
    node->setSelected(true);
    Tree1->scrollToItem(node);
}

void TfrmUnitEdit::Tree1SelectionChanged() {
    if (QTreeWidgetItem* node = SelectedNode())
        Tree1SelectShape(node);
    else
        Tree1UnSelectShape();
}

void TfrmUnitEdit::Tree1SelectShape(QTreeWidgetItem* node) {
    const TXMLElement element = TEditorTree::ElementOf(node);
    if (!element)
        return;
    switch (TEditorTree::LevelOf(node)) {
    case TEditorTree::CategoryLevel:
        ClearForms();
        currentCategory_ = TXMLCategoryType(element.Node());
        tsCaterogy->ShowCategory(currentCategory_);
        pcSubEditor->setCurrentWidget(tsCaterogy);
        break;
    case TEditorTree::UnitLevel:
        ClearForms();
        currentCategory_ = TXMLCategoryType(TEditorTree::ElementOf(node->parent()).Node());
        currentUnit_ = TXMLUnitType(element.Node());
        tsUnit->ShowUnit(currentUnit_, currentCategory_);
        pcSubEditor->setCurrentWidget(tsUnit);
        break;
    default:
        ClearForms();
        break;
    }
    SetNodeButtons(node);
}

void TfrmUnitEdit::Tree1UnSelectShape() {
    ClearForms();
    SetNodeButtons(nullptr);
}

void TfrmUnitEdit::SetNodeButtons(QTreeWidgetItem* node) {
    const int level = TEditorTree::LevelOf(node);
    const bool item = level == TEditorTree::CategoryLevel || level == TEditorTree::UnitLevel;
    QTreeWidgetItem* parent = node ? node->parent() : nullptr;
    const int index = parent ? parent->indexOfChild(node) : -1;
    tbAdd->setEnabled(level == TEditorTree::DomainLevel || level == TEditorTree::CategoryLevel);
    tbDelete->setEnabled(item);
    tbUp->setEnabled(item && index > 0);
    tbDown->setEnabled(item && parent && index < parent->childCount() - 1);
    tbCut->setEnabled(item);
    tbCopy->setEnabled(item);
    tbPaste->setEnabled((level == TEditorTree::DomainLevel && clip_.Category()) ||
                        (level == TEditorTree::CategoryLevel && clip_.Unit()));
}

void TfrmUnitEdit::RestyleNode(QTreeWidgetItem* node) {
    if (node)
        TEditorTree::RefreshNode(node, IsMarked(TEditorTree::ElementOf(node)));
}

void TfrmUnitEdit::chkCatEnabledClick() {
    if (!currentCategory_ || currentUnit_ || tsCaterogy->Loading())
        return;
    tsCaterogy->StoreCategory(currentCategory_);
    RestyleNode(Tree1->NodeOf(currentCategory_));
    SetModified();
}

void TfrmUnitEdit::chkUnitEnabledClick() {
    if (!currentCategory_ || !currentUnit_ || tsUnit->Loading())
        return;
    tsUnit->StoreUnit(currentUnit_);
    RestyleNode(Tree1->NodeOf(currentUnit_));
    SetModified();
}

void TfrmUnitEdit::cbUnitTypeChange() {
    chkUnitEnabledClick();
}

void TfrmUnitEdit::tbAddClick() {
    QTreeWidgetItem* node = SelectedNode();
    if (!node)
        return;
    const TXMLElement element = TEditorTree::ElementOf(node);
    QTreeWidgetItem* added = nullptr;
    if (TEditorTree::LevelOf(node) == TEditorTree::DomainLevel) {
        const TXMLCategoryType category = TXMLDomainType(element.Node()).Categories().Add();
        category.SetName("New category");
        category.SetEnabled(1);
        category.SetComment("");
        added = Tree1->AddCategoryNode(node, category);
    } else if (TEditorTree::LevelOf(node) == TEditorTree::CategoryLevel) {
        const TXMLUnitType unit = TXMLCategoryType(element.Node()).Units().Add();
        unit.SetName("New Unit");
        unit.SetEnabled(1);
        unit.SetFactor("");
        unit.SetRuleFrom("");
        unit.SetRuleTo("");
        unit.SetComment("");
        unit.SetInBaseUnits("");
        added = Tree1->AddUnitNode(node, unit);
        node->setExpanded(true);
    } else {
        return;
    }
    SetModified();
    Tree1->clearSelection();
    SelectNode(added);
}

void TfrmUnitEdit::ForgetElement(const TXMLElement& element) {
    if (IsWithin(currentCategory_, element) || IsWithin(currentUnit_, element))
        ClearForms();
    std::erase_if(errors_, [&](const TValidationError& error) {
        return error.Element && IsWithin(error.Element, element);
    });
    ShowErrors();
}

void TfrmUnitEdit::RemoveNode(QTreeWidgetItem* node) {
    const TXMLElement element = TEditorTree::ElementOf(node);
    QTreeWidgetItem* parent = node->parent();
    const int index = parent->indexOfChild(node);
    QTreeWidgetItem* previous = index > 0 ? parent->child(index - 1) : nullptr;

    Tree1->clearSelection();
    ForgetElement(element);
    delete node;
    RemoveElement(element);
    SetModified();
    // The tree picks a new current node of its own; the previous sibling or
    // nothing is selected instead.
    Tree1->clearSelection();
    if (previous)
        SelectNode(previous);
}

void TfrmUnitEdit::tbDeleteClick() {
    QTreeWidgetItem* node = SelectedNode();
    const int level = TEditorTree::LevelOf(node);
    if (level != TEditorTree::CategoryLevel && level != TEditorTree::UnitLevel)
        return;
    if (level == TEditorTree::CategoryLevel) {
        const TXMLCategoryType category(TEditorTree::ElementOf(node).Node());
        const QString question = "Delete the category \"" + Text(category.Name()) + "\" and its " +
                                 QString::number(category.Units().Count()) + " units?";
        if (!AskYesNo(question))
            return;
    }
    RemoveNode(node);
}

void TfrmUnitEdit::tbUpClick(bool down) {
    QTreeWidgetItem* node = SelectedNode();
    QTreeWidgetItem* parent = node ? node->parent() : nullptr;
    if (!parent)
        return;
    const int index = parent->indexOfChild(node);
    const int target = down ? index + 1 : index - 1;
    if (target < 0 || target >= parent->childCount())
        return;
    const TXMLElement element = TEditorTree::ElementOf(node);
    // The document moves too, so that the order is what gets saved.
    if (!(down ? MoveElementDown(element) : MoveElementUp(element)))
        return;
    const bool expanded = node->isExpanded();
    Tree1->blockSignals(true);
    parent->takeChild(index);
    parent->insertChild(target, node);
    node->setExpanded(expanded);
    Tree1->blockSignals(false);
    SetModified();
    Tree1->clearSelection();
    SelectNode(node);
}

void TfrmUnitEdit::tbCopyClick() {
    QTreeWidgetItem* node = SelectedNode();
    const TXMLElement element = TEditorTree::ElementOf(node);
    switch (TEditorTree::LevelOf(node)) {
    case TEditorTree::CategoryLevel:
        clip_.CopyCategory(TXMLCategoryType(element.Node()));
        break;
    case TEditorTree::UnitLevel:
        clip_.CopyUnit(TXMLUnitType(element.Node()));
        break;
    default:
        return;
    }
    QGuiApplication::clipboard()->setText(Text(ElementXml(element)));
    SetNodeButtons(node);
}

void TfrmUnitEdit::tbCutClick() {
    QTreeWidgetItem* node = SelectedNode();
    const int level = TEditorTree::LevelOf(node);
    if (level != TEditorTree::CategoryLevel && level != TEditorTree::UnitLevel)
        return;
    tbCopyClick();
    RemoveNode(node);
}

void TfrmUnitEdit::tbPasteClick() {
    QTreeWidgetItem* node = SelectedNode();
    const TXMLElement element = TEditorTree::ElementOf(node);
    const int level = TEditorTree::LevelOf(node);
    if (level == TEditorTree::CategoryLevel && clip_.Unit()) {
        const TXMLUnitType unit = TXMLCategoryType(element.Node()).Units().Add();
        CopyUnitNode(clip_.Unit(), unit);
        Tree1->AddUnitNode(node, unit);
        node->setExpanded(true);
    } else if (level == TEditorTree::DomainLevel && clip_.Category()) {
        const TXMLCategoryType category = TXMLDomainType(element.Node()).Categories().Add();
        CopyCatNode(clip_.Category(), category);
        Tree1->AddCategoryNode(node, category);
        node->setExpanded(true);
    } else {
        return;
    }
    SetModified();
    SetNodeButtons(node);
}

void TfrmUnitEdit::tbExpandClick(bool expand) {
    if (expand)
        Tree1->expandAll();
    else
        Tree1->collapseAll();
}

const std::string* TfrmUnitEdit::ErrorOf(const TXMLElement& element) const {
    if (!element)
        return nullptr;
    for (const TValidationError& error : errors_)
        if (error.Element == element)
            return &error.Message;
    return nullptr;
}

bool TfrmUnitEdit::IsMarked(const TXMLElement& element) const {
    return ErrorOf(element) != nullptr;
}

void TfrmUnitEdit::ShowErrors() {
    std::unordered_map<TXMLElement, const std::string*, TXMLElementHash> marked;
    for (const TValidationError& error : errors_)
        if (error.Element)
            marked.emplace(error.Element, &error.Message);
    for (QTreeWidgetItem* node : Tree1->ElementNodes()) {
        const auto found = marked.find(TEditorTree::ElementOf(node));
        const bool isMarked = found != marked.end();
        TEditorTree::StyleNode(node, isMarked);
        node->setToolTip(0, isMarked ? "Error: " + Text(*found->second) + " !" : QString());
    }
    lbErrors->clear();
    for (const TValidationError& error : errors_)
        lbErrors->addItem(Text(error.Message));
    pnlErrors->setVisible(!errors_.empty());
}

void TfrmUnitEdit::lbErrorsDblClick(int index) {
    if (index < 0 || index >= static_cast<int>(errors_.size()))
        return;
    Tree1->clearSelection();
    QTreeWidgetItem* node = Tree1->NodeOf(errors_[static_cast<size_t>(index)].Element);
    if (!node)
        return;
    SelectNode(node);
    for (QTreeWidgetItem* above = node->parent(); above; above = above->parent())
        above->setExpanded(true);
}

void TfrmUnitEdit::Tree1MouseEnterShape(QTreeWidgetItem* node) {
    const TXMLElement element = TEditorTree::ElementOf(node);
    if (!element)
        return;
    QString text;
    const std::string* error = ErrorOf(element);
    if (error)
        text = " Error: " + Text(*error) + " !";
    else if (TEditorTree::LevelOf(node) != TEditorTree::DomainLevel)
        text = " " + Text(element.Node().attribute("comment").value());
    else
        text = " ";
    QPalette palette = StatusBar1->palette();
    palette.setColor(QPalette::Window, error ? QApplication::palette().color(QPalette::ToolTipBase)
                                             : QApplication::palette().color(QPalette::Window));
    palette.setColor(QPalette::WindowText,
                     error ? QApplication::palette().color(QPalette::ToolTipText)
                           : QApplication::palette().color(QPalette::WindowText));
    StatusBar1->setPalette(palette);
    StatusBar1->setAutoFillBackground(error != nullptr);
    StatusBar1->showMessage(text);
}

} // namespace varnel
