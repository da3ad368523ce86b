#include "ui/converter/AllUnitsPage.h"

namespace varnel {

TfmAllUnits::TfmAllUnits(QWidget* parent) : TfmUnitModule(parent) {}

void TfmAllUnits::LoadUnits() {}

void TfmAllUnits::PageSwitch(TPageKind, TPageKind) {}

void TfmAllUnits::Refresh() {}

void TfmAllUnits::SourceChanged(QObject*) {}

void TfmAllUnits::SetComposeMode(bool on) {
    composeMode_ = on;
}

} // namespace varnel
