#pragma once

#include "convert/DimRec.h"

#include <QFrame>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;

namespace varnel {

class TfmUnitModule;

// The value line: the one place where the user types the source and reads
// the target, shared by every page. This first form shows both sides as
// plain one-line fields; the coloured input line and the value/edit mode
// grid take their place behind the same operations.
class TfmIO : public QFrame {
    Q_OBJECT

public:
    explicit TfmIO(QWidget* parent = nullptr);

    // Called once by the main window.
    void Setup();

    QString GetSource() const;
    void SetSource(const QString& text);
    QString GetTarget() const;
    void SetTarget(const QString& text);
    // True when the target is blank or "[]".
    bool TargetEmpty() const;
    // The source (side 0) or the target (side 1) as a quantity record.
    void GetDim(int side, TDimRec& dim) const;
    void SetDim(int side, const TDimRec& dim);

    bool EditMode() const { return editMode_; }
    // Does nothing while ModeLocked.
    void SetEditMode(bool on);
    bool SwapMark() const { return swapMark_; }
    void SetSwapMark(bool on);

    // The page whose Refresh records a conversion.
    void SetLog(TfmUnitModule* log) { log_ = log; }
    void LogConversion();

    void FrameResize();
    // The input line, which takes the focus when the window opens.
    QWidget* InputLine() const;
    void ClearInputSelection();

    bool ModeLocked = false;
    // Set while the frame or the integrated converter rewrites the input
    // line: the change is then not passed on.
    bool Switching = false;
    // Bound by the main window to the active page's SourceChanged.
    std::function<void(QObject* sender)> OnSourceChange;
    std::function<void(TfmIO* frame)> OnModeChange;
    std::function<void(TfmIO* frame)> OnMarkClick;

private:
    void SourceEdited();

    QLineEdit* reSource;
    QLabel* lbSign;
    QLineEdit* eTarget;
    QLabel* lbSwapMark;
    bool editMode_ = false;
    bool swapMark_ = false;
    TfmUnitModule* log_ = nullptr;
};

} // namespace varnel
