#include "ui/pages/CategoryTree.h"

#include "common/TextUtil.h"
#include "ui/common/StdText.h"
#include "ui/common/ThemeColours.h"
#include "units/UnitSearch.h"
#include "units/UnitsDataOps.h"

#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <array>

namespace varnel {

namespace {

const std::array<QColor, 3> CategoryColours = {QColor(100, 0, 0), QColor(0, 0, 128),
                                               QColor(Qt::black)};

// Root categories a disc, supplemental ones a square (a power of the root),
// compound ones a diamond (made of several).
// On a dark palette the shapes take the text's readable colours, as a black
// diamond would vanish there.
QIcon CategoryImage(int index, const QPalette& palette) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = CategoryColours[static_cast<size_t>(index)];
    if (IsDarkPalette(palette)) {
        const QColor readable = ThemedText(palette, colour);
        painter.setPen(QPen(readable, 1));
        painter.setBrush(readable.darker(130));
    } else {
        painter.setPen(QPen(colour.darker(130), 1));
        painter.setBrush(colour.lighter(index == 2 ? 400 : 170));
    }
    switch (index) {
    case 0:
        painter.drawEllipse(QRectF(3.5, 3.5, 9, 9));
        break;
    case 1:
        painter.drawRect(QRectF(3.5, 3.5, 9, 9));
        break;
    default: {
        QPainterPath diamond;
        diamond.moveTo(8, 2.5);
        diamond.lineTo(13.5, 8);
        diamond.lineTo(8, 13.5);
        diamond.lineTo(2.5, 8);
        diamond.closeSubpath();
        painter.drawPath(diamond);
    }
    }
    return QIcon(pixmap);
}

} // namespace

TCategoryTree::TCategoryTree(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true); // hot-tracking and the category hint on hover
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
}

void TCategoryTree::ClearNodes() {
    clear();
    categories_.clear();
}

QTreeWidgetItem* TCategoryTree::AddDomain(const TXMLDomainType& domain) {
    auto* node = new QTreeWidgetItem(this, QStringList{Text(domain.Name())});
    QFont font = this->font();
    font.setBold(true);
    font.setItalic(true);
    node->setFont(0, font);
    return node;
}

QTreeWidgetItem* TCategoryTree::AddCategory(QTreeWidgetItem* domainNode,
                                            const TXMLCategoryType& category) {
    auto* node = new QTreeWidgetItem(domainNode, QStringList{CategoryText(category)});
    node->setData(0, CategoryRole, static_cast<int>(categories_.size()));
    categories_.push_back(category);
    const int image = ImageIndexOfType(category.Type());
    node->setData(0, ImageIndexRole, image);
    if (image >= 0) {
        node->setIcon(0, CategoryIcon(image));
        node->setForeground(0, ThemedText(palette(), CategoryColours[static_cast<size_t>(image)]));
    }
    return node;
}

QIcon TCategoryTree::CategoryIcon(int image) {
    if (iconsPalette_ != palette().cacheKey()) {
        iconsPalette_ = palette().cacheKey();
        categoryIcons_ = {};
    }
    QIcon& icon = categoryIcons_[static_cast<size_t>(image)];
    if (icon.isNull())
        icon = CategoryImage(image, palette());
    return icon;
}

bool TCategoryTree::IsCategoryNode(const QTreeWidgetItem* node) const {
    return static_cast<bool>(CategoryOf(node));
}

TXMLCategoryType TCategoryTree::CategoryOf(const QTreeWidgetItem* node) const {
    if (!node || !node->parent())
        return {};
    bool ok = false;
    const int index = node->data(0, CategoryRole).toInt(&ok);
    if (!ok || index < 0 || index >= static_cast<int>(categories_.size()))
        return {};
    return categories_[static_cast<size_t>(index)];
}

QTreeWidgetItem* TCategoryTree::NodeOf(const TXMLCategoryType& category) const {
    for (QTreeWidgetItemIterator it(const_cast<TCategoryTree*>(this)); *it; ++it)
        if (IsCategoryNode(*it) && CategoryOf(*it) == category)
            return *it;
    return nullptr;
}

QTreeWidgetItem* TCategoryTree::FirstCategoryNode() const {
    for (QTreeWidgetItemIterator it(const_cast<TCategoryTree*>(this)); *it; ++it)
        if (IsCategoryNode(*it))
            return *it;
    return nullptr;
}

void TCategoryTree::Filter(const std::string& foldedWord) {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* domain = topLevelItem(i);
        bool anyShown = false;
        for (int j = 0; j < domain->childCount(); ++j) {
            QTreeWidgetItem* node = domain->child(j);
            const bool shown = CategoryMatches(CategoryOf(node), foldedWord);
            node->setHidden(!shown);
            anyShown |= shown;
        }
        domain->setHidden(!anyShown);
        if (anyShown && !foldedWord.empty())
            domain->setExpanded(true);
    }
}

QTreeWidgetItem* TCategoryTree::ChosenCategoryNode(const std::string& foldedWord) const {
    std::vector<QTreeWidgetItem*> shown;
    for (QTreeWidgetItemIterator it(const_cast<TCategoryTree*>(this)); *it; ++it)
        if (IsCategoryNode(*it) && !(*it)->isHidden() && !(*it)->parent()->isHidden())
            shown.push_back(*it);
    if (!foldedWord.empty())
        for (QTreeWidgetItem* node : shown)
            if (CategoryNamesUnit(CategoryOf(node), foldedWord))
                return node;
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (!selected.isEmpty() &&
        std::find(shown.begin(), shown.end(), selected.first()) != shown.end())
        return selected.first();
    return shown.empty() ? nullptr : shown.front();
}

void TCategoryTree::ExpandOnly(const QString& text) {
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        (*it)->setExpanded((*it)->text(0).compare(text, Qt::CaseInsensitive) == 0);
}

const QString TCategoryTree::ExpandAllHint = "Expand All";

void TCategoryTree::ShowDomain(const QString& hint) {
    if (hint == ExpandAllHint)
        expandAll();
    else
        ExpandOnly(hint);
}

QString TCategoryTree::DomainCaption(const TXMLDomainType& domain) {
    const QString comment = Text(domain.Comment()).trimmed();
    return comment.isEmpty() ? Text(domain.Name()) : comment;
}

QString TCategoryTree::CategoryHint(const TXMLCategoryType& category) {
    const int core = IndexOfCoreUnit(category);
    const std::string symbol = core >= 0 ? category.Units()[core].Symbol() : std::string();
    return Text("| " + category.Name() + " [" + symbol + "]" + " (" + category.Type() + " type) " +
                category.Comment());
}

QString TCategoryTree::CategoryText(const TXMLCategoryType& category) {
    return Text(category.Name() + " (" + category.Type() + " type)");
}

int TCategoryTree::ImageIndexOfType(const std::string& type) {
    return IndexOfText(type, CatTypes);
}

} // namespace varnel
