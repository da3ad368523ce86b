#pragma once

#include <QLayout>
#include <QList>

namespace varnel {

// Lays its items out left to right and wraps them onto further rows when the
// width runs out, so a tool bar of many buttons stays readable in a narrow
// panel.
class TFlowLayout : public QLayout {
    Q_OBJECT

public:
    explicit TFlowLayout(QWidget* parent = nullptr, int spacing = 2);
    ~TFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items within rect (only measures when testOnly); the height
    // used.
    int DoLayout(const QRect& rect, bool testOnly) const;

    QList<QLayoutItem*> items_;
    int spacing_;
};

} // namespace varnel
