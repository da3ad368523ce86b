#pragma once

#include "ui/converter/UnitModule.h"

namespace varnel {

// The All Units page (categories in a tree, a unit converted to every unit of
// its category) and, in compose mode, the Edit page (units added to the
// source from the tree).
class TfmAllUnits : public TfmUnitModule {
    Q_OBJECT

public:
    explicit TfmAllUnits(QWidget* parent = nullptr);

    void LoadUnits() override;
    void PageSwitch(TPageKind oldKind, TPageKind newKind) override;
    void Refresh() override;
    void SourceChanged(QObject* sender) override;

    void SetComposeMode(bool on);
    bool ComposeMode() const { return composeMode_; }

private:
    bool composeMode_ = false;
};

} // namespace varnel
