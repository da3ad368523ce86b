#include "ui/pages/UnitModule.h"

namespace varnel {

TfmUnitModule::TfmUnitModule(QWidget* parent) : QFrame(parent) {}

void TfmUnitModule::SetEngines(TfmIO* io, TConvert* sourceEngine, TConvert* targetEngine) {
    IO = io;
    iCnv = sourceEngine;
    oCnv = targetEngine;
}

} // namespace varnel
