#pragma once

#include "ui/pages/PageKind.h"

#include <QFrame>

namespace varnel {

class TConvert;
class TfmIO;

// The base of the converter's pages. The main window gives every page the
// value line and the two engines before the first LoadUnits; the page only
// refers to them.
class TfmUnitModule : public QFrame {
    Q_OBJECT

public:
    explicit TfmUnitModule(QWidget* parent = nullptr);

    // Called once by the main window, before the first LoadUnits.
    void SetEngines(TfmIO* io, TConvert* sourceEngine, TConvert* targetEngine);

    // Fills the page from the engines' units data; again after every reload.
    virtual void LoadUnits() = 0;
    // The active page changes; called on the page left, then on the page
    // entered, with the same two kinds.
    virtual void PageSwitch(TPageKind oldKind, TPageKind newKind) = 0;
    // Rebuilds the page for the current source (the Log page records the
    // conversion on display).
    virtual void Refresh() = 0;
    // The source text changed: recompute and show the target.
    virtual void SourceChanged(QObject* sender) = 0;

protected:
    TfmIO* IO = nullptr;
    TConvert* iCnv = nullptr; // source side: a change of unit keeps the number
    TConvert* oCnv = nullptr; // target side: a change of unit converts it
};

} // namespace varnel
