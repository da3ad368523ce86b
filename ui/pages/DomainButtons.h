#pragma once

#include "units/UnitsData.h"

#include <QList>
#include <QString>

#include <functional>

class QFrame;
class QToolButton;
class QWidget;

namespace varnel {

// The domain buttons of a tool bar, for the All Units page and the
// integrated view: a button for each domain of the units data (its comment
// as caption, its name as hint), a separator "|" and "All" (hint "Expand
// All"). The views differ in where "All" stands and in how compact the
// buttons are.
class TDomainButtons {
public:
    enum class TStyle {
        // Domains, separator, "All"; buttons take the focus.
        AllLast,
        // "All" first, so that it never stands alone on a wrapped row;
        // buttons as narrow as their captions, out of the Tab order.
        AllFirstCompact,
    };
    using ClickHandler = std::function<void(QToolButton* button)>;

    TDomainButtons(QWidget* bar, TStyle style, ClickHandler onClick);

    // Replaces the buttons of the units data shown before.
    void Fill(const TXMLUnitsDataType& root);
    void Clear();

    // The hint a button was made with.
    static QString HintOf(const QToolButton* button);

private:
    QToolButton* AddButton(const QString& name, const QString& caption, const QString& hint);
    QFrame* AddSeparator();
    void AddDomains(const TXMLUnitsDataType& root);

    QWidget* bar_;
    TStyle style_;
    ClickHandler onClick_;
    QList<QWidget*> widgets_;
};

} // namespace varnel
