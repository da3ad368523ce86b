#include "ui/pages/SimplePage.h"

#include "common/Exception.h"
#include "common/TextUtil.h"
#include "convert/CompatibleUnits.h"
#include "convert/Convert.h"
#include "ui/common/MessageBoxes.h"
#include "ui/pages/SimpleOne.h"
#include "ui/valueline/FrameIO.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace varnel {

namespace {

// The text between the brackets of a quantity, empty without brackets.
std::string UnitsOf(const QString& quantity) {
    std::string units = quantity.toStdString();
    TextInBrackets(units);
    return units;
}

QVBoxLayout* NewRowStack(QWidget* panel) {
    auto* stack = new QVBoxLayout(panel);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->setAlignment(Qt::AlignTop);
    return stack;
}

} // namespace

TfmSimple::TfmSimple(QWidget* parent) : TfmUnitModule(parent) {
    auto* content = new QWidget;
    content->setObjectName("pnlRows");
    pnlUpper = new QLabel("1", content);
    pnlUpper->setObjectName("pnlUpper");
    pnlUpper->setAlignment(Qt::AlignCenter);
    upperRows_ = NewRowStack(pnlUpper);
    ShapeDiv = new QWidget(content);
    ShapeDiv->setObjectName("ShapeDiv");
    ShapeDiv->setFixedHeight(3);
    ShapeDiv->setAutoFillBackground(true);
    ShapeDiv->setBackgroundRole(QPalette::Dark);
    pnlLower = new QWidget(content);
    pnlLower->setObjectName("pnlLower");
    lowerRows_ = NewRowStack(pnlLower);

    auto* panels = new QVBoxLayout(content);
    panels->setContentsMargins(0, 0, 0, 0);
    panels->setSpacing(0);
    panels->addWidget(pnlUpper);
    panels->addWidget(ShapeDiv);
    panels->addWidget(pnlLower, 1);

    // Many factors make more rows than the page is high: they scroll.
    sbxRows = new QScrollArea(this);
    sbxRows->setObjectName("sbxRows");
    sbxRows->setFrameShape(QFrame::NoFrame);
    sbxRows->setWidgetResizable(true);
    sbxRows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sbxRows->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sbxRows);
    LayOutPanels();
}

void TfmSimple::LoadUnits() {
    // A reload has replaced the factors the rows referred to.
    FreeRows();
}

void TfmSimple::PageSwitch(TPageKind, TPageKind newKind) {
    if (newKind == pkSimple)
        Refresh();
}

void TfmSimple::Refresh() {
    if (!IO->InputProblem().isEmpty()) {
        // Nothing to convert until the value line can be read.
        FreeRows();
        emit RowsRebuilt();
        return;
    }
    const QString source = IO->GetSource();
    ShowCoreMessages(iCnv->SetText(source.toStdString()));
    if (IO->TargetEmpty())
        IO->SetTarget(IO->GetSource());
    ShowCoreMessages(oCnv->SetText(IO->GetTarget().toStdString()));

    ReleaseRows();
    rows_.assign(static_cast<size_t>(iCnv->DimCount()), nullptr);
    rowsUnits_ = UnitsOf(source);

    int ruleFactors = 0;
    int lastRuleFactor = -1;
    int otherFactors = 0;
    for (int i = 0; i < iCnv->DimCount(); ++i) {
        const TDim* dim = iCnv->Dims(i);
        if (dim->Kind() == ckNone)
            continue;
        if (dim->HasRuleUnits()) {
            ++ruleFactors;
            lastRuleFactor = i;
        } else {
            ++otherFactors;
        }
    }
    // A rule converts a number, not a factor of a product: a temperature gets
    // its row only when it stands alone.
    if (ruleFactors == 1 && otherFactors == 0) {
        MakeRow(lastRuleFactor);
    } else {
        for (int i = 0; i < iCnv->DimCount(); ++i) {
            const TDim* dim = iCnv->Dims(i);
            if (dim->Kind() != ckNone && !dim->HasRuleUnits())
                MakeRow(i);
        }
    }
    const QString typedTarget = IO->TakeTypedTarget();
    if (!typedTarget.isEmpty())
        FollowTypedTarget(typedTarget);
    LayOutPanels();
    emit RowsRebuilt();
    SourceChanged(nullptr);
}

void TfmSimple::FollowTypedTarget(const QString& units) {
    oCnv->SetText("1 [" + units.toStdString() + "]");
    std::vector<bool> used(static_cast<size_t>(oCnv->DimCount()), false);
    bool fits = oCnv->UnitsValid();
    for (TfmSimpleOne* row : rows_) {
        if (!row || !fits)
            continue;
        const TDim& dim = *row->Dim;
        bool matched = false;
        for (int j = 0; j < oCnv->DimCount() && !matched; ++j) {
            const TDim& wanted = *oCnv->Dims(j);
            if (used[static_cast<size_t>(j)] || wanted.Exponent() != dim.Exponent() ||
                !dim.AcceptsUnit(wanted.CatIndex(), wanted.UnitIndex(), wanted.SupCat()))
                continue;
            used[static_cast<size_t>(j)] = true;
            row->SetTargetUnit(wanted.UnitIndex());
            matched = true;
        }
        fits = matched;
    }
    for (bool factorUsed : used)
        fits = fits && factorUsed;
    if (fits)
        return;
    std::string sourceUnits = IO->GetSource().toStdString();
    TextInBrackets(sourceUnits);
    const TCompatibleResult compatible =
        TCompatibleUnits(*iCnv).Convert(1, sourceUnits, units.toStdString());
    IO->ShowProblem(!compatible.Error.empty()
                        ? QString::fromStdString(compatible.Error)
                        : "Not compatible: [" + units + "] cannot take the units of " +
                              IO->GetSource().trimmed() + ".");
}

void TfmSimple::MakeRow(int index) {
    TDim* dim = iCnv->Dims(index);
    auto* row = new TfmSimpleOne(nullptr, dim, showSI_);
    row->setObjectName("iSimples" + QString::number(index));
    rows_[static_cast<size_t>(index)] = row;
    (dim->Exponent() <= 0 ? lowerRows_ : upperRows_)->addWidget(row);
    const TDim* target = oCnv->Dims(index);
    const auto remembered = lastTargets_.find(dim->Name());
    if (target && dim->AcceptsUnit(target->CatIndex(), target->UnitIndex(), target->SupCat()))
        row->SetTargetUnit(target->UnitIndex());
    else if (remembered != lastTargets_.end())
        row->SetTargetUnit(remembered->second);
    row->SetShowSI(showSI_);
    row->OnSourceUnitChange = [this](TfmSimpleOne* changed) { SourceUnitChanged(changed); };
    row->OnTargetUnitChange = [this](TfmSimpleOne* changed) { TargetUnitChanged(changed); };
    row->OnUnitSettled = [this](TfmSimpleOne*) { IO->LogConversion(); };
}

void TfmSimple::LayOutPanels() {
    const int upper = upperRows_->count();
    pnlUpper->setText(upper == 0 ? "1" : QString());
    pnlUpper->setFixedHeight(std::max(MinUpperHeight, upper * TfmSimpleOne::RowHeight));
    for (QVBoxLayout* stack : {upperRows_, lowerRows_}) {
        const int count = stack->count();
        for (int i = 0; i < count; ++i)
            if (auto* row = qobject_cast<TfmSimpleOne*>(stack->itemAt(i)->widget()))
                row->SetTimesSignVisible(i < count - 1);
    }
}

void TfmSimple::FreeRows() {
    ReleaseRows();
    rowsUnits_.reset();
    LayOutPanels();
}

void TfmSimple::ReleaseRows() {
    // A row may be freed from within its own handler: it goes once control
    // is back in the event loop, out of sight and out of the page already.
    for (TfmSimpleOne* row : rows_) {
        if (!row)
            continue;
        row->OnSourceUnitChange = nullptr;
        row->OnTargetUnitChange = nullptr;
        row->OnUnitSettled = nullptr;
        row->hide();
        row->setParent(nullptr);
        row->deleteLater();
    }
    rows_.clear();
}

void TfmSimple::SourceChanged(QObject*) {
    if (IO->EditMode() || settingSource_ || !IO->InputProblem().isEmpty())
        return;
    const QString source = IO->GetSource();
    // Units written into the value line from elsewhere (a paste, another
    // view) need rows of their own before anything converts through them.
    if (!rowsUnits_ || *rowsUnits_ != UnitsOf(source)) {
        Refresh();
        return;
    }
    TDimRec typed;
    TMessages messages;
    StrToDimRec(source.toStdString(), typed, messages);
    ShowCoreMessages(messages);
    iCnv->SetNumber(typed.Number);
    // The number as typed, so that a change of source unit rewrites it
    // digit for digit.
    iCnv->SetNumberText(typed.NumberText);
    ShowCoreMessages(oCnv->SetText(source.toStdString()));
    if (oCnv->DimCount() != iCnv->DimCount())
        throw EM(TInternalError::SourceAndTargetFactorsDiffer);
    if (rows_.size() != static_cast<size_t>(iCnv->DimCount()))
        throw EM(TInternalError::RowsDoNotMatchFactors);
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i])
            oCnv->Dims(static_cast<int>(i))->SetUnitIndex(rows_[i]->TargetUnitIndex());
    IO->SetTarget(QString::fromStdString(oCnv->GetText()));
    IO->SetTargetValue(oCnv->Number());
}

void TfmSimple::SetShowSI(bool on) {
    showSI_ = on;
    for (TfmSimpleOne* row : rows_)
        if (row)
            row->SetShowSI(on);
}

void TfmSimple::SourceUnitChanged(TfmSimpleOne*) {
    {
        settingSource_ = true;
        struct TSettingEnd {
            bool& flag;
            ~TSettingEnd() { flag = false; }
        } settingEnd{settingSource_};
        IO->SetSource(QString::fromStdString(iCnv->GetText()));
    }
    rowsUnits_ = UnitsOf(IO->GetSource());
    SourceChanged(nullptr);
}

void TfmSimple::TargetUnitChanged(TfmSimpleOne* row) {
    const int number = row->TargetUnitIndex();
    // Units of a supplemental category are numbered by the degree in force.
    if (number >= 0 && number < row->Dim->Units().Count())
        lastTargets_[row->Dim->Name()] = number;
    SourceChanged(nullptr);
}

} // namespace varnel
