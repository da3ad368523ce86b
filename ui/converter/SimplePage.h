#pragma once

#include "ui/converter/UnitModule.h"

namespace varnel {

// The Simple page: one row per unit factor of the source, each converting
// its factor to the unit chosen in the row.
class TfmSimple : public TfmUnitModule {
    Q_OBJECT

public:
    explicit TfmSimple(QWidget* parent = nullptr);

    void LoadUnits() override;
    void PageSwitch(TPageKind oldKind, TPageKind newKind) override;
    void Refresh() override;
    void SourceChanged(QObject* sender) override;

    // The rows' "SI" buttons: shown in the multi-tab mode.
    void SetShowSI(bool on);
    bool ShowSI() const { return showSI_; }

private:
    bool showSI_ = true;
};

} // namespace varnel
