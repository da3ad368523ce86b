#pragma once

#include "ui/pages/UnitModule.h"

#include <QString>

class QTableWidget;
class QTableWidgetItem;
class QToolButton;

namespace varnel {

// The Log page: the conversions made, newest first, kept in the log file
// between runs. The file is rewritten whenever a conversion is recorded, so
// that a crash loses nothing, and once more when the page goes.
class TfmUnitLog : public TfmUnitModule {
    Q_OBJECT

public:
    static constexpr int MaxRows = 200;

    explicit TfmUnitLog(QWidget* parent = nullptr);
    ~TfmUnitLog() override;

    // Reads the log file the first time only: after a reload of the units
    // data the rows on display stay as they are.
    void LoadUnits() override;
    void PageSwitch(TPageKind oldKind, TPageKind newKind) override;
    // Records the conversion on display in the value line.
    void Refresh() override;
    void SourceChanged(QObject* sender) override;

    // The time column: shown in the multi-tab mode.
    void SetShowTime(bool on);
    bool ShowTime() const { return showTime_; }

public slots:
    // " Source Back " and a double-click on a row restore the row's source
    // and target; "Target Back" makes its target the source.
    void tbSourceBackClick(QObject* sender);
    void tbCopyClick();
    void FrameResize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* AddToolButton(const char* name, const QString& caption, const QString& hint);
    void ReadLog();
    void SaveLog(bool atEnd);
    QString Cell(int row, int column) const;
    void SetCell(int row, int column, const QString& text);
    bool RowHoldsText(int row) const;
    int SelectedRow() const;
    void ColourCell(QTableWidgetItem* item, int column) const;
    int WidestText(int column) const;
    int SourceShare(int room) const;
    void SetColumnColours();

    QWidget* ToolBar1;
    QToolButton* tbSourceBack;
    QToolButton* tbTargetBack;
    QToolButton* tbCopy;
    QTableWidget* sgLog;
    bool showTime_ = true;
    bool logRead_ = false;
    // Rows recorded since the file was last written.
    bool unsaved_ = false;
    // A failing write is reported once until a write succeeds again.
    bool writeFailureShown_ = false;
};

} // namespace varnel
