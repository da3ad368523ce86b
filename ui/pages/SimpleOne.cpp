#include "ui/pages/SimpleOne.h"

#include "convert/Convert.h"
#include "convert/Dim.h"
#include "ui/common/ErrorGuard.h"
#include "ui/common/Hints.h"
#include "ui/common/StdText.h"
#include "ui/common/ThemeColours.h"
#include "ui/pages/UnitComboBox.h"
#include "ui/pages/UnitGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace varnel {

namespace {

constexpr int DegreeWidth = 56;
constexpr int DoubleArrowWidth = 26;
constexpr int ListLeft = 3;
constexpr int SIWidth = 26;
constexpr int ListVisibleItems = 16;
const QColor DegreeColour(128, 0, 0);

// The symbol an entry shows: from its "[" up to the next "]" or "^".
QString SymbolPart(const QString& entry) {
    const qsizetype open = entry.indexOf('[');
    if (open < 0)
        return {};
    qsizetype end = open + 1;
    while (end < entry.size() && entry.at(end) != u']' && entry.at(end) != u'^')
        ++end;
    return entry.mid(open + 1, end - open - 1);
}

// A name too long for its label is cut short, and told whole in the tooltip.
void ShowElided(QLabel* label, const QString& text) {
    const QString shown =
        label->fontMetrics().elidedText(text, Qt::ElideRight, label->contentsRect().width());
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text.trimmed());
}

QString PowerPrefix(int degree) {
    switch (degree) {
    case 2:
        return "sq.";
    case 3:
        return "cub.";
    default:
        return {};
    }
}

} // namespace

TfmSimpleOne::TfmSimpleOne(QWidget* owner, TDim* dim, bool showSI)
    : QFrame(owner), Dim(dim), showSI_(showSI) {
    CreateControls();
    const int number = Dim->UnitIndex();
    Fill();
    SelectUnit(cbInUnit, number);
    SelectUnit(cbOutUnit, number);
    cbInUnitChange();
    SetShowSI(showSI);
}

void TfmSimpleOne::CreateControls() {
    setFixedHeight(RowHeight);

    pnlCat = new QLabel(" Unknown Unit", this);
    pnlCat->setObjectName("pnlCat");
    pnlCat->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sttPlus = new QLabel("line 1", pnlCat);
    sttPlus->setObjectName("sttPlus");
    sttL2 = new QLabel("line 2", pnlCat);
    sttL2->setObjectName("sttL2");

    pnlSource = new QFrame(this);
    pnlSource->setObjectName("pnlSource");
    cbInUnit = NewUnitList(pnlSource, "cbInUnit");
    sbSI_Source = new QToolButton(pnlSource);
    sbSI_Source->setObjectName("sbSI_Source");
    sbSI_Source->setText("SI");

    pnlDoubleArrow = new QLabel(">>", this);
    pnlDoubleArrow->setObjectName("pnlDoubleArrow");
    pnlDoubleArrow->setAlignment(Qt::AlignCenter);

    pnlTarget = new QFrame(this);
    pnlTarget->setObjectName("pnlTarget");
    cbOutUnit = NewUnitList(pnlTarget, "cbOutUnit");
    sbSI_Target = new QToolButton(pnlTarget);
    sbSI_Target->setObjectName("sbSI_Target");
    sbSI_Target->setText("SI");

    pnlDegree = new QFrame(this);
    pnlDegree->setObjectName("pnlDegree");
    lbDegree = new QLabel(pnlDegree);
    lbDegree->setObjectName("lbDegree");
    QFont bold = lbDegree->font();
    bold.setBold(true);
    lbDegree->setFont(bold);
    QPalette degreeColours = lbDegree->palette();
    degreeColours.setColor(QPalette::WindowText, ThemedText(degreeColours, DegreeColour,
                                                            degreeColours.color(QPalette::Window)));
    lbDegree->setPalette(degreeColours);
    lbX = new QLabel("x", pnlDegree);
    lbX->setObjectName("lbX");
    sbDegree = new QWidget(pnlDegree);
    sbDegree->setObjectName("sbDegree");
    sbDegreeUp = new QToolButton(sbDegree);
    sbDegreeUp->setObjectName("sbDegreeUp");
    sbDegreeUp->setArrowType(Qt::UpArrow);
    sbDegreeDown = new QToolButton(sbDegree);
    sbDegreeDown->setObjectName("sbDegreeDown");
    sbDegreeDown->setArrowType(Qt::DownArrow);

    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setFrameShape(QFrame::HLine);
    Shape1->setFrameShadow(QFrame::Plain);
    Shape1->setForegroundRole(QPalette::Mid);

    connect(cbInUnit, &QComboBox::activated, this, ShowingErrors([this] { cbInUnitChange(); }));
    connect(cbOutUnit, &QComboBox::activated, this, ShowingErrors([this] { cbOutUnitChange(); }));
    connect(sbSI_Source, &QToolButton::clicked, this,
            ShowingErrors([this] { sbSI_SourceClick(); }));
    connect(sbSI_Target, &QToolButton::clicked, this,
            ShowingErrors([this] { sbSI_TargetClick(); }));
    connect(sbDegreeUp, &QToolButton::clicked, this, ShowingErrors([this] { sbDegreeUpClick(); }));
    connect(sbDegreeDown, &QToolButton::clicked, this,
            ShowingErrors([this] { sbDegreeDownClick(); }));
}

QComboBox* TfmSimpleOne::NewUnitList(QWidget* parent, const char* name) {
    auto* list = new TUnitComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->setMaxVisibleItems(ListVisibleItems);
    // A scrolling list of 16 entries, also in styles whose own pop-up
    // would show every entry at once.
    list->setStyleSheet("QComboBox { combobox-popup: 0; }");
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->installEventFilter(this);
    return list;
}

namespace {

bool IsStepKey(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool IsTypeAhead(const QKeyEvent* key) {
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint() && text.at(0) != u' ' &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// The key once more, for the open list: the original goes on to its receiver.
void SendKeyTo(QWidget* receiver, const QKeyEvent* key) {
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                   static_cast<ushort>(key->count()));
    QCoreApplication::sendEvent(receiver, &copy);
}

} // namespace

bool TfmSimpleOne::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QComboBox*>(watched);
    if (!list || (list != cbInUnit && list != cbOutUnit))
        return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return ListKeyPress(list, static_cast<QKeyEvent*>(event));
    case QEvent::Wheel: {
        listStepping_ = true;
        static_cast<QObject*>(list)->event(event);
        listStepping_ = false;
        return true;
    }
    case QEvent::FocusOut:
        // Opening its own list takes the focus away without leaving it.
        if (unsettled_ && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            Settle();
        break;
    case QEvent::Leave:
        if (unsettled_ && !list->hasFocus())
            Settle();
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

// A typed letter opens the list and searches it, and never picks an entry by
// itself; arrow keys step through the closed list.
bool TfmSimpleOne::ListKeyPress(QComboBox* list, QKeyEvent* key) {
    if (list->view()->isVisible()) {
        // Keys reach the open list even where no pop-up grabs the keyboard.
        SendKeyTo(list->view(), key);
        return true;
    }
    if (IsTypeAhead(key)) {
        list->showPopup();
        SendKeyTo(list->view(), key);
        return true;
    }
    // An Alt or Ctrl letter that is no shortcut would search the closed list
    // and pick a unit by itself.
    if (!key->text().isEmpty() && key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return true;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (unsettled_) {
            Settle();
            return true;
        }
        return false;
    }
    if (!IsStepKey(key->key()) || key->modifiers() & Qt::AltModifier)
        return false;
    listStepping_ = true;
    static_cast<QObject*>(list)->event(key);
    listStepping_ = false;
    return true;
}

void TfmSimpleOne::Fill() {
    sbDegree->setVisible(!Dim->HasRuleUnits());
    const QString inSymbol = SymbolPart(cbInUnit->currentText());
    const QString outSymbol = SymbolPart(cbOutUnit->currentText());
    lbDegree->setText(QString::number(std::abs(static_cast<int64_t>(Dim->Exponent()))));
    ShowCategory();
    FillList(cbInUnit);
    FillList(cbOutUnit);
    // The open list is as wide as its longest entry, however narrow the row.
    const int entriesWidth = cbInUnit->view()->sizeHintForColumn(0) +
                             cbInUnit->view()->verticalScrollBar()->sizeHint().width();
    cbInUnit->view()->setMinimumWidth(entriesWidth);
    cbOutUnit->view()->setMinimumWidth(entriesWidth);
    auto reselect = [](QComboBox* list, const QString& symbol) {
        int entry = 0;
        for (int i = list->count() - 1; i >= 0; --i)
            if (SymbolPart(list->itemText(i)) == symbol) {
                entry = i;
                break;
            }
        list->setCurrentIndex(list->count() > 0 ? entry : -1);
    };
    reselect(cbInUnit, inSymbol);
    reselect(cbOutUnit, outSymbol);
    cbInUnitChange();
}

void TfmSimpleOne::ShowCategory() {
    const QString name = Text(Dim->Name());
    if (const TCat* sup = Dim->SupCat()) {
        const int degree = static_cast<int>(std::abs(static_cast<int64_t>(Dim->Exponent())));
        catText_.clear();
        plusText_ = "  " + name + (degree > 1 ? "^" + QString::number(degree) : QString());
        l2Text_ = " = " + Text(sup->Name());
        sttPlus->show();
        sttL2->show();
    } else {
        catText_ = "  " + name;
        sttPlus->hide();
        sttL2->hide();
    }
    FrameResize();
}

void TfmSimpleOne::FillList(QComboBox* list) {
    list->clear();
    const TUnitList& units = Dim->Units();
    const TCat* sup = Dim->SupCat();
    if (!sup) {
        for (int i = 0; i < units.Count(); ++i)
            list->addItem(Text(units[i]->NameAndSymbol()), i);
        return;
    }
    const int degree = static_cast<int>(std::abs(static_cast<int64_t>(Dim->Exponent())));
    // A first power needs no "^1": a reciprocal category shows time units
    // beside the frequency units as they are.
    const QString power = degree > 1 ? "^" + QString::number(degree) : QString();
    const QString prefix = PowerPrefix(degree);
    for (int i = 0; i < units.Count(); ++i)
        list->addItem(
            prefix + Text(units[i]->Name()) + " [" + Text(units[i]->Symbol()) + power + "]", i);
    // Its core unit is a power of the category's core unit, listed above.
    const int core = sup->Units().IndexOfCore();
    for (int j = 0; j < sup->Units().Count(); ++j)
        if (j != core)
            list->addItem(Text(sup->Units()[j]->NameAndSymbol()), units.Count() + j);
}

int TfmSimpleOne::UnitIndexOf(QComboBox* list) {
    if (list->currentIndex() < 0)
        return -1;
    const int number = list->currentData().toInt();
    const int count = Dim->Units().Count();
    const TUnit* unit = nullptr;
    if (number < count)
        unit = Dim->Units()[number];
    else if (Dim->SupCat())
        unit = Dim->SupCat()->Units()[number - count];
    if (!unit) {
        SetHint(list, QString());
        return -1;
    }
    SetHint(list, UnitHint(*unit, *Dim->Engine()));
    return number;
}

int TfmSimpleOne::SourceUnitIndex() {
    return UnitIndexOf(cbInUnit);
}

int TfmSimpleOne::TargetUnitIndex() {
    return UnitIndexOf(cbOutUnit);
}

void TfmSimpleOne::SelectUnit(QComboBox* list, int number) {
    int entry = list->findData(number);
    // The supplemental category's own core unit is not listed: the same
    // unit stands above as a power of the category's core unit.
    if (entry < 0 && number >= Dim->Units().Count())
        entry = list->findData(Dim->Units().IndexOfCore());
    if (entry >= 0)
        list->setCurrentIndex(entry);
}

void TfmSimpleOne::SetTargetUnit(int number) {
    SelectUnit(cbOutUnit, number);
}

void TfmSimpleOne::SetShowSI(bool on) {
    showSI_ = on;
    sbSI_Source->setVisible(on);
    sbSI_Target->setVisible(on);
    FrameResize();
}

void TfmSimpleOne::SetTimesSignVisible(bool on) {
    lbX->setVisible(on);
}

void TfmSimpleOne::cbInUnitChange() {
    Dim->SetUnitIndex(SourceUnitIndex());
    if (OnSourceUnitChange)
        OnSourceUnitChange(this);
    UnitChosen();
}

void TfmSimpleOne::cbOutUnitChange() {
    if (OnTargetUnitChange)
        OnTargetUnitChange(this);
    UnitChosen();
}

void TfmSimpleOne::UnitChosen() {
    if (listStepping_)
        unsettled_ = true;
    else
        Settle();
}

void TfmSimpleOne::Settle() {
    unsettled_ = false;
    if (OnUnitSettled)
        OnUnitSettled(this);
}

void TfmSimpleOne::sbSI_SourceClick() {
    cbInUnit->setCurrentIndex(cbInUnit->count() > 0 ? 0 : -1);
    cbInUnitChange();
}

void TfmSimpleOne::sbSI_TargetClick() {
    cbOutUnit->setCurrentIndex(cbOutUnit->count() > 0 ? 0 : -1);
    cbOutUnitChange();
}

void TfmSimpleOne::sbDegreeUpClick() {
    StepDegree(1);
}

void TfmSimpleOne::sbDegreeDownClick() {
    StepDegree(-1);
}

void TfmSimpleOne::StepDegree(int step) {
    const int64_t exponent = Dim->Exponent();
    const int64_t degree = std::clamp<int64_t>(std::abs(exponent) + step, 1, MaxDegree);
    Dim->SetExponent(static_cast<int32_t>(exponent < 0 ? -degree : degree));
    Fill();
}

void TfmSimpleOne::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    FrameResize();
}

void TfmSimpleOne::FrameResize() {
    const int w = width();
    const int h = RowHeight - 1;
    const int a = static_cast<int>(std::lround((w - DegreeWidth - DoubleArrowWidth) / 3.0));
    const int catWidth = std::max(0, static_cast<int>(a * 28 / 33.33));
    const int sideWidth = std::max(0, static_cast<int>(a * 36 / 33.33) - 1);

    int x = 0;
    pnlCat->setGeometry(x, 0, catWidth, h);
    x += catWidth;
    pnlSource->setGeometry(x, 0, sideWidth, h);
    x += sideWidth;
    pnlDoubleArrow->setGeometry(x, 0, DoubleArrowWidth, h);
    x += DoubleArrowWidth;
    pnlTarget->setGeometry(x, 0, sideWidth, h);
    pnlDegree->setGeometry(w - DegreeWidth, 0, DegreeWidth, h);
    Shape1->setGeometry(0, h, w, 1);

    const int lineHeight = pnlCat->fontMetrics().height();
    if (sttPlus->isVisibleTo(pnlCat)) {
        sttPlus->setGeometry(0, 3, catWidth, lineHeight);
        sttL2->setGeometry(0, h - lineHeight - 3, catWidth, lineHeight);
    }
    ShowElided(pnlCat, catText_);
    ShowElided(sttPlus, plusText_);
    ShowElided(sttL2, l2Text_);

    const int listWidth = std::max(0, showSI_ ? sideWidth - SIWidth - 9 : sideWidth - 6);
    const int listHeight = cbInUnit->sizeHint().height();
    const int listTop = (h - listHeight) / 2;
    for (QComboBox* list : {cbInUnit, cbOutUnit})
        list->setGeometry(ListLeft, listTop, listWidth, listHeight);
    for (QToolButton* si : {sbSI_Source, sbSI_Target})
        si->setGeometry(listWidth + 6, listTop, SIWidth, listHeight);

    lbDegree->setGeometry(8, 4, 22, lineHeight + 2);
    lbX->setGeometry(10, h - lineHeight - 3, 16, lineHeight);
    const int arrowHeight = (h - 6) / 2;
    sbDegree->setGeometry(DegreeWidth - 24, 3, 20, 2 * arrowHeight);
    sbDegreeUp->setGeometry(0, 0, 20, arrowHeight);
    sbDegreeDown->setGeometry(0, arrowHeight, 20, arrowHeight);
}

} // namespace varnel
