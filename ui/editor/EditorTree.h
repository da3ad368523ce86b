#pragma once

#include "units/UnitsData.h"

#include <QTreeWidget>

#include <memory>
#include <vector>

namespace varnel {

// The editor's tree: domains (level 0), their categories (level 1) and the
// categories' units (level 2). Every node carries its element; the nodes are
// styled by type, enabled state and validation problems.
class TEditorTree : public QTreeWidget {
    Q_OBJECT

public:
    enum TLevel { DomainLevel = 0, CategoryLevel = 1, UnitLevel = 2 };

    // Nodes built apart from the tree, freed with the object unless adopted.
    using TNodes = std::vector<std::unique_ptr<QTreeWidgetItem>>;

    explicit TEditorTree(QWidget* parent = nullptr);

    // The nodes of every domain whose `enabled` is not 0, styled. An element
    // that cannot be read (an empty `enabled`) raises its error and nothing
    // is built.
    static TNodes BuildNodes(const TXMLUnitsDataType& root);
    // Replaces the whole tree by the built nodes, which the tree then owns.
    void AdoptNodes(TNodes nodes);

    QTreeWidgetItem* AddCategoryNode(QTreeWidgetItem* domainNode, const TXMLCategoryType& category);
    QTreeWidgetItem* AddUnitNode(QTreeWidgetItem* categoryNode, const TXMLUnitType& unit);

    static TXMLElement ElementOf(const QTreeWidgetItem* node);
    static int LevelOf(const QTreeWidgetItem* node);
    QTreeWidgetItem* NodeOf(const TXMLElement& element) const;
    // Every category and unit node, in tree order.
    std::vector<QTreeWidgetItem*> ElementNodes() const;

    static void StyleNode(QTreeWidgetItem* node, bool marked);
    // The node's text anew from its element, then its style.
    static void RefreshNode(QTreeWidgetItem* node, bool marked);
    static QString NodeText(const QTreeWidgetItem* node);

    // The node is framed exactly while its colour is the disabled grey.
    static constexpr int FramedRole = Qt::UserRole + 1;

private:
    static std::unique_ptr<QTreeWidgetItem> NewNode(const TXMLElement& element, int level);
    static std::unique_ptr<QTreeWidgetItem> NewCategoryNode(const TXMLCategoryType& category);
};

} // namespace varnel
