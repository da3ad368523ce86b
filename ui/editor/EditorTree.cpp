#include "ui/editor/EditorTree.h"

#include "common/TextUtil.h"
#include "ui/common/StdText.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QPalette>
#include <QStyledItemDelegate>

#include <array>
#include <optional>

namespace varnel {

namespace {

constexpr int ElementRole = Qt::UserRole;
constexpr int LevelRole = Qt::UserRole + 2;

const QColor Grey(128, 128, 128);
const QColor Marked(255, 0, 0);

bool DarkPalette() {
    return QApplication::palette().color(QPalette::Base).lightness() < 128;
}

// Dark red and navy as the data's authors chose them; on a dark background
// the same hues, light enough to read.
QColor RootColour() {
    return DarkPalette() ? QColor(240, 120, 120) : QColor(100, 0, 0);
}

QColor SupColour() {
    return DarkPalette() ? QColor(140, 160, 255) : QColor(0, 0, 128);
}

QIcon TypeImage(int index) {
    const int size = 12;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = QApplication::palette().color(QPalette::Text);
    painter.setPen(QPen(ink, 1.5));
    const QRectF box(2, 2, size - 4, size - 4);
    if (index == 0) {
        painter.setBrush(ink);
        painter.drawEllipse(box);
    } else if (index == 1) {
        painter.drawEllipse(box);
    } else {
        const QPointF diamond[] = {
            {size / 2.0, 1}, {size - 1.0, size / 2.0}, {size / 2.0, size - 1.0}, {1, size / 2.0}};
        painter.drawPolygon(diamond, 4);
    }
    return QIcon(pixmap);
}

const QIcon& UnitTypeImage(int index) {
    static const std::array<QIcon, 3> images = {TypeImage(0), TypeImage(1), TypeImage(2)};
    return images[static_cast<size_t>(index)];
}

int TypeIndex(const std::string& word, const auto& table) {
    return IndexOfText(word, table);
}

// Draws a frame round the nodes that show disabled items.
class TFramedNodeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!index.data(TEditorTree::FramedRole).toBool())
            return;
        painter->save();
        painter->setPen(Grey);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

} // namespace

TEditorTree::TEditorTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("Tree1");
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
    setUniformRowHeights(true);
    setItemDelegate(new TFramedNodeDelegate(this));
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}

std::unique_ptr<QTreeWidgetItem> TEditorTree::NewNode(const TXMLElement& element, int level) {
    auto node = std::make_unique<QTreeWidgetItem>();
    node->setData(
        0, ElementRole,
        QVariant::fromValue(reinterpret_cast<quintptr>(element.Node().internal_object())));
    node->setData(0, LevelRole, level);
    RefreshNode(node.get(), false);
    return node;
}

std::unique_ptr<QTreeWidgetItem> TEditorTree::NewCategoryNode(const TXMLCategoryType& category) {
    auto node = NewNode(category, CategoryLevel);
    for (TXMLUnitType unit : category.Units())
        node->addChild(NewNode(unit, UnitLevel).release());
    return node;
}

TEditorTree::TNodes TEditorTree::BuildNodes(const TXMLUnitsDataType& root) {
    TNodes nodes;
    for (TXMLDomainType domain : root.Domains()) {
        if (domain.Enabled() == 0)
            continue;
        auto node = NewNode(domain, DomainLevel);
        for (TXMLCategoryType category : domain.Categories())
            node->addChild(NewCategoryNode(category).release());
        nodes.push_back(std::move(node));
    }
    return nodes;
}

void TEditorTree::AdoptNodes(TNodes nodes) {
    clear();
    QList<QTreeWidgetItem*> items;
    for (auto& node : nodes)
        items.append(node.release());
    addTopLevelItems(items);
}

QTreeWidgetItem* TEditorTree::AddCategoryNode(QTreeWidgetItem* domainNode,
                                              const TXMLCategoryType& category) {
    QTreeWidgetItem* node = NewCategoryNode(category).release();
    domainNode->addChild(node);
    return node;
}

QTreeWidgetItem* TEditorTree::AddUnitNode(QTreeWidgetItem* categoryNode, const TXMLUnitType& unit) {
    QTreeWidgetItem* node = NewNode(unit, UnitLevel).release();
    categoryNode->addChild(node);
    return node;
}

TXMLElement TEditorTree::ElementOf(const QTreeWidgetItem* node) {
    if (!node)
        return {};
    const auto address = node->data(0, ElementRole).value<quintptr>();
    return TXMLElement(pugi::xml_node(reinterpret_cast<pugi::xml_node_struct*>(address)));
}

int TEditorTree::LevelOf(const QTreeWidgetItem* node) {
    return node ? node->data(0, LevelRole).toInt() : -1;
}

QTreeWidgetItem* TEditorTree::NodeOf(const TXMLElement& element) const {
    if (!element)
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<TEditorTree*>(this)); *it; ++it)
        if (ElementOf(*it) == element)
            return *it;
    return nullptr;
}

std::vector<QTreeWidgetItem*> TEditorTree::ElementNodes() const {
    std::vector<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(const_cast<TEditorTree*>(this)); *it; ++it)
        if (LevelOf(*it) != DomainLevel)
            nodes.push_back(*it);
    return nodes;
}

QString TEditorTree::NodeText(const QTreeWidgetItem* node) {
    const TXMLElement element = ElementOf(node);
    switch (LevelOf(node)) {
    case DomainLevel:
        return Text(TXMLDomainType(element.Node()).Name());
    case CategoryLevel: {
        const TXMLCategoryType category(element.Node());
        return Text(category.Name() + " (" + category.Type() + " type)");
    }
    default: {
        const TXMLUnitType unit(element.Node());
        return Text(unit.Name() + " [" + unit.Symbol() + "]");
    }
    }
}

void TEditorTree::RefreshNode(QTreeWidgetItem* node, bool marked) {
    node->setText(0, NodeText(node));
    StyleNode(node, marked);
}

void TEditorTree::StyleNode(QTreeWidgetItem* node, bool marked) {
    const TXMLElement element = ElementOf(node);
    QFont font = node->font(0);
    std::optional<QColor> colour;
    switch (LevelOf(node)) {
    case DomainLevel:
        font.setBold(true);
        font.setItalic(true);
        break;
    case CategoryLevel: {
        const TXMLCategoryType category(element.Node());
        const int type = TypeIndex(category.Type(), CatTypes);
        // "comp" and unknown words keep the palette's text colour.
        if (type == 0)
            colour = RootColour();
        else if (type == 1)
            colour = SupColour();
        if (category.Enabled() == 0)
            colour = Grey;
        break;
    }
    default: {
        const TXMLUnitType unit(element.Node());
        const int type = TypeIndex(unit.Type(), UnitTypes);
        if (unit.Enabled() == 0)
            colour = Grey;
        font.setBold(type == 0);
        node->setIcon(0, type >= 0 ? UnitTypeImage(type) : QIcon());
        break;
    }
    }
    if (marked)
        colour = Marked;
    node->setFont(0, font);
    if (colour && colour->isValid())
        node->setForeground(0, *colour);
    else
        node->setData(0, Qt::ForegroundRole, QVariant());
    node->setData(0, FramedRole, colour == Grey);
}

} // namespace varnel
