#include "ui/converter/SimplePage.h"

namespace varnel {

TfmSimple::TfmSimple(QWidget* parent) : TfmUnitModule(parent) {}

void TfmSimple::LoadUnits() {}

void TfmSimple::PageSwitch(TPageKind, TPageKind) {}

void TfmSimple::Refresh() {}

void TfmSimple::SourceChanged(QObject*) {}

void TfmSimple::SetShowSI(bool on) {
    showSI_ = on;
}

} // namespace varnel
