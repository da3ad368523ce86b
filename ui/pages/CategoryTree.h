#pragma once

#include "units/UnitsData.h"

#include <QTreeWidget>

#include <array>
#include <vector>

namespace varnel {

// The tree of domains (level 0) and their categories (level 1). A category
// node carries its category element.
class TCategoryTree : public QTreeWidget {
    Q_OBJECT

public:
    // The image of a category node, by type: root, sup, comp = 0, 1, 2; -1
    // for any other type.
    static constexpr int ImageIndexRole = Qt::UserRole + 1;

    explicit TCategoryTree(QWidget* parent = nullptr);

    void ClearNodes();
    QTreeWidgetItem* AddDomain(const TXMLDomainType& domain);
    QTreeWidgetItem* AddCategory(QTreeWidgetItem* domainNode, const TXMLCategoryType& category);

    bool IsCategoryNode(const QTreeWidgetItem* node) const;
    // The element of a category node; an element-less binding otherwise.
    TXMLCategoryType CategoryOf(const QTreeWidgetItem* node) const;
    QTreeWidgetItem* NodeOf(const TXMLCategoryType& category) const;
    QTreeWidgetItem* FirstCategoryNode() const;

    // Shows only the categories that match a search word (already folded),
    // and opens the domains that hold them; an empty word shows them all.
    void Filter(const std::string& foldedWord);
    // What Enter in the search field picks: the first category holding a
    // unit of that symbol or alias, else the selected one if it shows, else
    // the first one that does.
    QTreeWidgetItem* ChosenCategoryNode(const std::string& foldedWord) const;

    // Every node is expanded exactly when its text equals `text` without
    // regard to case.
    void ExpandOnly(const QString& text);
    // What a domain button of the tool bars does: the "All" one
    // (ExpandAllHint) opens every node, another only its domain.
    void ShowDomain(const QString& hint);
    static const QString ExpandAllHint;
    // A domain button's caption: the domain's comment, or its name when the
    // comment is blank.
    static QString DomainCaption(const TXMLDomainType& domain);

    // "| " + name + " [" + core unit symbol + "] (" + type + " type) " + comment.
    static QString CategoryHint(const TXMLCategoryType& category);
    static QString CategoryText(const TXMLCategoryType& category);
    static int ImageIndexOfType(const std::string& type);

private:
    static constexpr int CategoryRole = Qt::UserRole;

    // Drawn once per palette rather than for every category.
    QIcon CategoryIcon(int image);

    std::vector<TXMLCategoryType> categories_;
    std::array<QIcon, 3> categoryIcons_;
    qint64 iconsPalette_ = 0;
};

} // namespace varnel
