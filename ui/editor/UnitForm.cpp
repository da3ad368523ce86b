#include "ui/editor/UnitForm.h"

#include "common/TextUtil.h"
#include "ui/common/StdText.h"
#include "ui/editor/EditorLook.h"
#include "units/UnitsDataOps.h"
#include "units/UnitsStatistics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace varnel {

namespace {

QLineEdit* Field(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

QLabel* Note(const QString& text) {
    auto* note = new QLabel(text);
    note->setWordWrap(true);
    return note;
}

QWidget* Page(const char* name, QFormLayout*& fields) {
    auto* page = new QWidget;
    page->setObjectName(name);
    fields = new QFormLayout(page);
    fields->setContentsMargins(0, 0, 0, 0);
    return page;
}

std::string WithoutBlanks(const QString& text) {
    std::string result = StdText(text);
    std::erase_if(result, [](char c) { return c == ' ' || c == '\t'; });
    return result;
}

} // namespace

TfmUnitForm::TfmUnitForm(QWidget* parent) : QWidget(parent) {
    setObjectName("tsUnit");
    chkUnitEnabled = new QCheckBox("Enabled", this);
    chkUnitEnabled->setObjectName("chkUnitEnabled");
    cbUnitType = new QComboBox(this);
    cbUnitType->setObjectName("cbUnitType");
    cbUnitType->addItems({"core-unit (SI)", "factor conversion", "rule conversion"});
    cbUnitType->setCurrentIndex(-1);
    eUnitName = Field(this, "eUnitName");
    sbSearch4Unit = SearchButton(this, "sbSearch4Unit");
    lbUnitSymbol = new QLabel("Unit Symbol", this);
    lbUnitSymbol->setObjectName("lbUnitSymbol");
    eUnitSymbol = Field(this, "eUnitSymbol");
    chkKeywords = new QListWidget(this);
    chkKeywords->setObjectName("chkKeywords");
    chkKeywords->setFlow(QListView::LeftToRight);
    chkKeywords->setWrapping(true);
    chkKeywords->setResizeMode(QListView::Adjust);
    eUnitComment = Field(this, "eUnitComment");

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(eUnitName, 1);
    nameRow->addWidget(sbSearch4Unit);
    auto* fields = new QFormLayout;
    fields->addRow(chkUnitEnabled);
    fields->addRow("Unit Type", cbUnitType);
    fields->addRow("Unit Name", nameRow);
    fields->addRow(lbUnitSymbol, eUnitSymbol);

    auto* keywords = new QVBoxLayout;
    keywords->addWidget(Heading(this, "K e y w o r d s"));
    keywords->addWidget(chkKeywords, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 3);
    top->addLayout(keywords, 2);

    auto* comment = new QGroupBox(" Comment ", this);
    comment->setObjectName("gbUnitComment");
    auto* commentLayout = new QVBoxLayout(comment);
    commentLayout->addWidget(eUnitComment);

    CreateConversionPages();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading(this, "U n i t"));
    layout->addLayout(top, 1);
    layout->addWidget(comment);
    layout->addWidget(pcUnitType);

    connect(cbUnitType, &QComboBox::currentIndexChanged, this, &TfmUnitForm::cbUnitTypeChange);
    connect(chkUnitEnabled, &QCheckBox::toggled, this, &TfmUnitForm::FieldChanged);
    for (QLineEdit* field :
         {eUnitName, eUnitSymbol, eUnitComment, eInBaseUnits, meFactor, eRule_From, eRule_To})
        connect(field, &QLineEdit::textEdited, this, &TfmUnitForm::FieldChanged);
    connect(chkKeywords, &QListWidget::itemChanged, this, &TfmUnitForm::FieldChanged);
    connect(sbSearch4Unit, &QToolButton::clicked, this, &TfmUnitForm::SearchRequested);
}

void TfmUnitForm::CreateConversionPages() {
    pcUnitType = new QStackedWidget(this);
    pcUnitType->setObjectName("pcUnitType");

    QFormLayout* fields = nullptr;
    QWidget* core = Page("tsSIunit", fields);
    eInBaseUnits = Field(core, "eInBaseUnits");
    fields->addRow("In Base Units (optional)", eInBaseUnits);
    fields->addRow(Note("Use only the base units: m, kg, s, A, K, mol, cd"));

    QWidget* factor = Page("tsFactor", fields);
    meFactor = Field(factor, "meFactor");
    fields->addRow("Conversion factor", meFactor);

    QWidget* rule = Page("tsRule", fields);
    eRule_From = Field(rule, "eRule_From");
    eRule_To = Field(rule, "eRule_To");
    fields->addRow("Conversion rule from SI unit", eRule_From);
    fields->addRow("Conversion rule to SI unit", eRule_To);
    fields->addRow(Note(" Use # symbol to mark the input variable"));

    auto* none = new QWidget;
    none->setObjectName("tsNoConversion");
    for (QWidget* page : {core, factor, rule, none})
        pcUnitType->addWidget(page);
    pcUnitType->setCurrentIndex(NoPage);
}

// Cells as wide as the longest keyword, and room for two of them side by
// side, so that no keyword is cut off.
void TfmUnitForm::LayOutKeywords() {
    const QFontMetrics metrics = chkKeywords->fontMetrics();
    const QStyle* style = chkKeywords->style();
    int text = metrics.horizontalAdvance("keyword");
    for (int i = 0; i < chkKeywords->count(); ++i)
        text = std::max(text, metrics.horizontalAdvance(chkKeywords->item(i)->text()));
    const int width =
        text + style->pixelMetric(QStyle::PM_IndicatorWidth) + 4 * metrics.averageCharWidth();
    const int height =
        std::max(metrics.height(), style->pixelMetric(QStyle::PM_IndicatorHeight)) + 4;
    chkKeywords->setGridSize(QSize(width, height));
    chkKeywords->setMinimumWidth(2 * width + 2 * chkKeywords->frameWidth() +
                                 style->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);
}

void TfmUnitForm::SetKeywords(const QStringList& keywords) {
    loading_ = true;
    chkKeywords->clear();
    for (const QString& keyword : keywords) {
        auto* item = new QListWidgetItem(keyword, chkKeywords);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    LayOutKeywords();
    loading_ = false;
}

QString TfmUnitForm::UnitName() const {
    return eUnitName->text();
}

int TfmUnitForm::ShownPage() const {
    return pcUnitType->currentIndex();
}

void TfmUnitForm::FieldChanged() {
    if (!loading_)
        emit Changed();
}

void TfmUnitForm::ClearConversionFields() {
    for (QLineEdit* field : {eInBaseUnits, meFactor, eRule_From, eRule_To})
        field->clear();
}

void TfmUnitForm::ShowUnit(const TXMLUnitType& unit, const TXMLCategoryType& category) {
    loading_ = true;
    categoryType_ = category.Type();
    cbUnitType->setCurrentIndex(IndexOfText(unit.Type(), UnitTypes));
    chkUnitEnabled->setChecked(unit.Enabled() == 1);
    ApplyType();
    eUnitName->setText(Text(unit.Name()));
    eUnitSymbol->setText(Text(unit.Symbol()));
    eUnitComment->setText(Text(XmlUnescape(unit.Comment())));

    for (int i = 0; i < chkKeywords->count(); ++i) {
        QListWidgetItem* item = chkKeywords->item(i);
        const bool ticked = KeywordFound(unit.Kw(), StdText(item->text()));
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }

    // Fields of the other pages are cleared so that they never show values
    // of the unit shown before.
    ClearConversionFields();
    switch (ShownPage()) {
    case CorePage:
        eInBaseUnits->setText(Text(unit.InBaseUnits()));
        break;
    case FactorPage:
        meFactor->setText(Text(unit.Factor()));
        break;
    case RulePage:
        eRule_From->setText(Text(unit.RuleFrom()));
        eRule_To->setText(Text(unit.RuleTo()));
        break;
    default:
        break;
    }
    lbUnitSymbol->setText(categoryType_ == CatTypes[2] ? "Unit Definition" : "Unit Symbol");
    loading_ = false;
}

// The conversion page and the Enabled box follow the chosen type. The fields
// keep what was typed, so that switching the type and back loses nothing.
void TfmUnitForm::ApplyType() {
    const int type = cbUnitType->currentIndex();
    int page = type >= 0 ? type : NoPage;
    if (type == CorePage && categoryType_ != CatTypes[0])
        page = NoPage;
    pcUnitType->setCurrentIndex(page);
    const bool core = type == CorePage;
    chkUnitEnabled->setEnabled(!core);
    if (core)
        chkUnitEnabled->setChecked(true);
}

void TfmUnitForm::cbUnitTypeChange() {
    const bool wasLoading = loading_;
    loading_ = true; // the Enabled box follows the type; that is no edit of its own
    ApplyType();
    loading_ = wasLoading;
    if (!loading_)
        emit TypeChanged();
}

void TfmUnitForm::StoreUnit(const TXMLUnitType& unit) {
    const int type = std::clamp(cbUnitType->currentIndex(), 0, 2);
    if (type != cbUnitType->currentIndex()) {
        loading_ = true;
        cbUnitType->setCurrentIndex(type);
        loading_ = false;
    }
    unit.SetEnabled(chkUnitEnabled->isChecked() ? 1 : 0);
    unit.SetType(UnitTypes[static_cast<size_t>(type)]);
    const std::string name = StdText(eUnitName->text());
    unit.SetName(name);
    const std::string symbol = StdText(eUnitSymbol->text());
    unit.SetSymbol(IsBlank(symbol) ? name : symbol);
    unit.SetInBaseUnits("");
    unit.SetFactor("");
    unit.SetRuleFrom("");
    unit.SetRuleTo("");
    switch (ShownPage()) {
    case CorePage:
        unit.SetInBaseUnits(StdText(eInBaseUnits->text()));
        break;
    case FactorPage:
        unit.SetFactor(WithoutBlanks(meFactor->text()));
        break;
    case RulePage:
        unit.SetRuleFrom(StdText(eRule_From->text()));
        unit.SetRuleTo(StdText(eRule_To->text()));
        break;
    default:
        break;
    }
    std::vector<std::string> ticked;
    for (int i = 0; i < chkKeywords->count(); ++i)
        if (chkKeywords->item(i)->checkState() == Qt::Checked)
            ticked.push_back(StdText(chkKeywords->item(i)->text()));
    unit.SetKw(JoinCommaText(ticked));
    unit.SetComment(XmlEscape(StdText(eUnitComment->text())));
}

} // namespace varnel
