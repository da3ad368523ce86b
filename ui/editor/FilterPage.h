#pragma once

#include "units/UnitsData.h"
#include "units/UnitsStatistics.h"

#include <QStringList>
#include <QWidget>

#include <string>
#include <vector>

class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QGroupBox;
class QTableWidget;
class QToolBar;
class QToolButton;

namespace varnel {

// The filter page (tsFilter): switches units on and off by domain and
// keyword, and shows statistics of the document. It only shows and asks;
// the editor changes the document.
class TfmFilterPage : public QWidget {
    Q_OBJECT

public:
    explicit TfmFilterPage(QWidget* parent = nullptr);

    // The domains shown in the tree, in document order, none ticked.
    void SetDomains(const std::vector<TXMLDomainType>& domains);
    void SetKeywords(const QStringList& keywords);

    std::vector<TXMLDomainType> CheckedDomains() const;
    std::vector<std::string> CheckedKeywords() const;
    bool MatchAll() const;

    bool StatsShown() const;
    // Releases the statistics button: the note shows again.
    void HideStats();
    void ShowStatistics(const TUnitsStatistics& statistics);
    void ClearStatistics();

signals:
    void SwitchRequested(bool enable);
    void StatsRequested(bool shown);

private:
    void tbStatsClick();

    QToolBar* ToolBar3;
    QToolButton* tbSwitchEnabled;
    QToolButton* tbSwtchDisabled;
    QToolButton* tbStats;
    QListWidget* chkFilterDomain;
    QGroupBox* rgFilterWhere;
    QRadioButton* rbAnyKeyword;
    QRadioButton* rbAllKeywords;
    QListWidget* chkFilterKW;
    QPlainTextEdit* Memo1;
    QTableWidget* sgStats;
    std::vector<TXMLDomainType> domains_;
};

} // namespace varnel
