#include "ui/pages/DomainButtons.h"

#include "ui/common/ErrorGuard.h"
#include "ui/common/Hints.h"
#include "ui/common/StdText.h"
#include "ui/pages/CategoryTree.h"

#include <QFrame>
#include <QLayout>
#include <QToolButton>

#include <algorithm>

namespace varnel {

namespace {

const char* const HintProperty = "varnelHint";
constexpr int SeparatorWidth = 5;
constexpr int CompactPadding = 5;

// A domain button no wider than its caption needs, so that the domains of a
// narrow panel take as few rows as they can.
class TCompactButton : public QToolButton {
public:
    using QToolButton::QToolButton;

    QSize sizeHint() const override {
        const QSize size = QToolButton::sizeHint();
        const int snug = fontMetrics().horizontalAdvance(text()) + 2 * CompactPadding;
        return {std::min(size.width(), snug), size.height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

} // namespace

TDomainButtons::TDomainButtons(QWidget* bar, TStyle style, ClickHandler onClick)
    : bar_(bar), style_(style), onClick_(std::move(onClick)) {}

void TDomainButtons::Fill(const TXMLUnitsDataType& root) {
    Clear();
    QToolButton* all = nullptr;
    QFrame* separator = nullptr;
    if (style_ == TStyle::AllFirstCompact) {
        all = AddButton("tbAll", "All", TCategoryTree::ExpandAllHint);
        separator = AddSeparator();
        AddDomains(root);
    } else {
        AddDomains(root);
        separator = AddSeparator();
        all = AddButton("tbAll", "All", TCategoryTree::ExpandAllHint);
    }
    // The separator is as high as the buttons beside it.
    separator->setFixedSize(SeparatorWidth, all->sizeHint().height());
}

void TDomainButtons::Clear() {
    qDeleteAll(widgets_);
    widgets_.clear();
}

QString TDomainButtons::HintOf(const QToolButton* button) {
    return button->property(HintProperty).toString();
}

void TDomainButtons::AddDomains(const TXMLUnitsDataType& root) {
    if (!root)
        return;
    int index = 0;
    for (TXMLDomainType domain : root.Domains())
        AddButton("tbDomain" + QString::number(index++), TCategoryTree::DomainCaption(domain),
                  Text(domain.Name()));
}

QToolButton* TDomainButtons::AddButton(const QString& name, const QString& caption,
                                       const QString& hint) {
    const bool compact = style_ == TStyle::AllFirstCompact;
    QToolButton* button = compact ? new TCompactButton(bar_) : new QToolButton(bar_);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    if (compact)
        button->setFocusPolicy(Qt::NoFocus);
    button->setProperty(HintProperty, hint);
    SetHint(button, hint);
    QObject::connect(button, &QToolButton::clicked, button,
                     ShowingErrors([this, button] { onClick_(button); }));
    bar_->layout()->addWidget(button);
    widgets_.append(button);
    return button;
}

QFrame* TDomainButtons::AddSeparator() {
    auto* separator = new QFrame(bar_);
    separator->setObjectName("tbDomainSeparator");
    separator->setAccessibleName("|");
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    bar_->layout()->addWidget(separator);
    widgets_.append(separator);
    return separator;
}

} // namespace varnel
