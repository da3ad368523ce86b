#include "ui/converter/LogPage.h"

namespace varnel {

TfmUnitLog::TfmUnitLog(QWidget* parent) : TfmUnitModule(parent) {}

void TfmUnitLog::LoadUnits() {}

void TfmUnitLog::PageSwitch(TPageKind, TPageKind) {}

void TfmUnitLog::Refresh() {}

void TfmUnitLog::SourceChanged(QObject*) {}

void TfmUnitLog::SetShowTime(bool on) {
    showTime_ = on;
}

} // namespace varnel
