#pragma once

#include "ui/pages/UnitModule.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace varnel {

class TfmSimpleOne;

// The Simple page: one row per unit factor of the source, each converting
// its factor to the unit chosen in the row. Factors of positive degree stand
// in the upper panel (the numerator), the others in the lower one.
class TfmSimple : public TfmUnitModule {
    Q_OBJECT

public:
    static constexpr int MinUpperHeight = 40;

    explicit TfmSimple(QWidget* parent = nullptr);

    void LoadUnits() override;
    void PageSwitch(TPageKind oldKind, TPageKind newKind) override;
    void Refresh() override;
    void SourceChanged(QObject* sender) override;

    // The rows' "SI" buttons: shown in the multi-tab mode.
    void SetShowSI(bool on);
    bool ShowSI() const { return showSI_; }

    // One slot per factor of the source engine, in factor order; a factor
    // without a row has none.
    const std::vector<TfmSimpleOne*>& Rows() const { return rows_; }

    void SourceUnitChanged(TfmSimpleOne* row);
    void TargetUnitChanged(TfmSimpleOne* row);

    // Frees all rows (the units are typed in the value line in edit mode);
    // the next change of the source in value mode makes them anew.
    void FreeRows();

signals:
    // The rows were made anew: their lists join the keyboard's tab order.
    void RowsRebuilt();

private:
    // Target units typed after "=" pick each row's target unit, in any order.
    void FollowTypedTarget(const QString& units);
    void ReleaseRows();
    void MakeRow(int index);
    void LayOutPanels();

    bool showSI_ = true;
    std::vector<TfmSimpleOne*> rows_;
    // The units of the source the rows were made for; none before the first
    // Refresh and after a reload, whose factors are gone.
    std::optional<std::string> rowsUnits_;
    bool settingSource_ = false;
    // The target unit last chosen for each category, offered first when the
    // category comes back.
    std::map<std::string, int> lastTargets_;

    QScrollArea* sbxRows = nullptr;
    QLabel* pnlUpper = nullptr;
    QVBoxLayout* upperRows_ = nullptr;
    QWidget* ShapeDiv = nullptr;
    QWidget* pnlLower = nullptr;
    QVBoxLayout* lowerRows_ = nullptr;
};

} // namespace varnel
