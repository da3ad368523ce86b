#include "ui/editor/FilterPage.h"

#include "ui/common/StdText.h"
#include "ui/editor/EditorLook.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace varnel {

namespace {

const char* const Note = "\n"
                         "Enabled property of a unit or category will switch the ithem On/Off, \n"
                         "only for the units converter. Disabled items can be turned back On.\n"
                         "\n"
                         "You can manually Enable/Disable any unit or category - select it \n"
                         "and use Enabled checkbox.\n"
                         "The filter works you only with units, categories don't have keywords.";

QListWidget* CheckList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

void FillCheckList(QListWidget* list, const QStringList& texts) {
    list->clear();
    for (const QString& text : texts) {
        auto* item = new QListWidgetItem(text, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

QToolButton* Button(QToolBar* bar, const char* name, const QString& caption) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(button);
    return button;
}

} // namespace

TfmFilterPage::TfmFilterPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tsFilter");
    ToolBar3 = new QToolBar(this);
    ToolBar3->setObjectName("ToolBar3");
    tbSwitchEnabled = Button(ToolBar3, "tbSwitchEnabled", "Enable the units ");
    tbSwtchDisabled = Button(ToolBar3, "tbSwtchDisabled", " Disable the units ");
    ToolBar3->addSeparator();
    tbStats = Button(ToolBar3, "tbStats", "   Statistics");
    tbStats->setCheckable(true);

    auto* domains = new QGroupBox(" From selected domains ", this);
    chkFilterDomain = CheckList(domains, "chkFilterDomain");
    auto* domainsLayout = new QVBoxLayout(domains);
    domainsLayout->addWidget(chkFilterDomain);

    rgFilterWhere = new QGroupBox(" Where... ", this);
    rgFilterWhere->setObjectName("rgFilterWhere");
    rbAnyKeyword =
        new QRadioButton(" ... at least one of the checked keywords is found (OR)", rgFilterWhere);
    rbAnyKeyword->setObjectName("rbFilterOr");
    rbAllKeywords = new QRadioButton(" ...all the checked keywords are found (AND)", rgFilterWhere);
    rbAllKeywords->setObjectName("rbFilterAnd");
    rbAnyKeyword->setChecked(true);
    chkFilterKW = CheckList(rgFilterWhere, "chkFilterKW");
    chkFilterKW->setFlow(QListView::LeftToRight);
    chkFilterKW->setWrapping(true);
    chkFilterKW->setResizeMode(QListView::Adjust);
    auto* whereLayout = new QVBoxLayout(rgFilterWhere);
    whereLayout->addWidget(rbAnyKeyword);
    whereLayout->addWidget(rbAllKeywords);
    whereLayout->addWidget(chkFilterKW, 1);

    Memo1 = new QPlainTextEdit(Note, this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    sgStats = new QTableWidget(3, 4, this);
    sgStats->setObjectName("sgStats");
    sgStats->horizontalHeader()->hide();
    sgStats->verticalHeader()->hide();
    sgStats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgStats->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const QStringList heads = {"", "Enabled", "Total", "Possible Conversions"};
    for (int column = 0; column < 4; ++column)
        sgStats->setItem(0, column, new QTableWidgetItem(heads[column]));
    sgStats->setItem(1, 0, new QTableWidgetItem("Categories"));
    sgStats->setItem(2, 0, new QTableWidgetItem("Units"));
    sgStats->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading(this, "F i l t e r"));
    layout->addWidget(ToolBar3);
    layout->addWidget(domains, 1);
    layout->addWidget(rgFilterWhere, 2);
    layout->addWidget(Memo1, 1);
    layout->addWidget(sgStats, 1);

    connect(tbSwitchEnabled, &QToolButton::clicked, this, [this] { emit SwitchRequested(true); });
    connect(tbSwtchDisabled, &QToolButton::clicked, this, [this] { emit SwitchRequested(false); });
    connect(tbStats, &QToolButton::clicked, this, &TfmFilterPage::tbStatsClick);
}

void TfmFilterPage::SetDomains(const std::vector<TXMLDomainType>& domains) {
    domains_ = domains;
    QStringList names;
    for (const TXMLDomainType& domain : domains_)
        names.append(Text(domain.Name()));
    FillCheckList(chkFilterDomain, names);
}

void TfmFilterPage::SetKeywords(const QStringList& keywords) {
    FillCheckList(chkFilterKW, keywords);
}

std::vector<TXMLDomainType> TfmFilterPage::CheckedDomains() const {
    std::vector<TXMLDomainType> checked;
    for (int i = 0; i < chkFilterDomain->count(); ++i)
        if (chkFilterDomain->item(i)->checkState() == Qt::Checked)
            checked.push_back(domains_[static_cast<size_t>(i)]);
    return checked;
}

std::vector<std::string> TfmFilterPage::CheckedKeywords() const {
    std::vector<std::string> checked;
    for (int i = 0; i < chkFilterKW->count(); ++i)
        if (chkFilterKW->item(i)->checkState() == Qt::Checked)
            checked.push_back(StdText(chkFilterKW->item(i)->text()));
    return checked;
}

bool TfmFilterPage::MatchAll() const {
    return rbAllKeywords->isChecked();
}

bool TfmFilterPage::StatsShown() const {
    return tbStats->isChecked();
}

void TfmFilterPage::HideStats() {
    tbStats->setChecked(false);
    tbStatsClick();
}

void TfmFilterPage::tbStatsClick() {
    sgStats->setVisible(tbStats->isChecked());
    Memo1->setVisible(!tbStats->isChecked());
    if (tbStats->isChecked())
        emit StatsRequested(true);
}

void TfmFilterPage::ShowStatistics(const TUnitsStatistics& statistics) {
    auto cell = [this](int row, int column, const QString& text) {
        sgStats->setItem(row, column, new QTableWidgetItem(text));
    };
    cell(1, 1, QString::number(statistics.EnabledCategories));
    cell(1, 2, QString::number(statistics.TotalCategories));
    cell(1, 3, QString());
    cell(2, 1, QString::number(statistics.EnabledUnits));
    cell(2, 2, QString::number(statistics.TotalUnits));
    cell(2, 3, QString::number(statistics.PossibleConversions));
}

void TfmFilterPage::ClearStatistics() {
    for (int row = 1; row < 3; ++row)
        for (int column = 1; column < 4; ++column)
            sgStats->setItem(row, column, new QTableWidgetItem(QString()));
}

} // namespace varnel
