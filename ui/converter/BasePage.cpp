#include "ui/converter/BasePage.h"

namespace varnel {

TfmBase::TfmBase(QWidget* parent) : TfmUnitModule(parent) {}

void TfmBase::LoadUnits() {}

void TfmBase::PageSwitch(TPageKind, TPageKind) {}

void TfmBase::Refresh() {}

void TfmBase::SourceChanged(QObject*) {}

} // namespace varnel
