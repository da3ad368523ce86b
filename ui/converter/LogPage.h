#pragma once

#include "ui/converter/UnitModule.h"

namespace varnel {

// The Log page: the conversions made, newest first, kept in the log file
// between runs.
class TfmUnitLog : public TfmUnitModule {
    Q_OBJECT

public:
    explicit TfmUnitLog(QWidget* parent = nullptr);

    void LoadUnits() override;
    void PageSwitch(TPageKind oldKind, TPageKind newKind) override;
    void Refresh() override;
    void SourceChanged(QObject* sender) override;

    // The time column: shown in the multi-tab mode.
    void SetShowTime(bool on);
    bool ShowTime() const { return showTime_; }

private:
    bool showTime_ = true;
};

} // namespace varnel
