#pragma once

#include "ui/converter/UnitModule.h"

namespace varnel {

// The Base page: the source rewritten in base units, with chosen units folded
// back in.
class TfmBase : public TfmUnitModule {
    Q_OBJECT

public:
    explicit TfmBase(QWidget* parent = nullptr);

    void LoadUnits() override;
    void PageSwitch(TPageKind oldKind, TPageKind newKind) override;
    void Refresh() override;
    void SourceChanged(QObject* sender) override;
};

} // namespace varnel
