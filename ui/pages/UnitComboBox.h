#pragma once

#include <QComboBox>

namespace varnel {

// A list of units whose chosen entry, when the list is narrower than its
// text, is shown cut short with "…" and told in full in the tooltip.
class TUnitComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TUnitComboBox(QWidget* parent = nullptr);

    // The text as drawn in the closed list.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int TextRoom() const;
};

} // namespace varnel
