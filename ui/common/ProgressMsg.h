#pragma once

#include "units/ValidationProgress.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

namespace varnel {

// The small window that shows what a long validation is working on. Its bar
// advances one step every 100 ms while it is shown: it tells elapsed time,
// not the share done.
class TfrmProgressMsg : public QDialog, public TValidationProgress {
    Q_OBJECT

public:
    explicit TfrmProgressMsg(QWidget* parent = nullptr);
    ~TfrmProgressMsg() override;

    // The current subject, shown at once.
    void ShowText(const QString& text);
    // Lets the window repaint; the user's input waits, so that nothing
    // changes the data under the validation.
    static void ProcessMessages();

    // The process-wide instance: the last one created and still alive.
    static TfrmProgressMsg* Instance();

    void Started() override;
    void SetMaximum(int categories) override;
    void ShowCategory(const std::string& name) override;
    void ProcessEvents() override;
    void Finished() override;

public slots:
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CenterOnOwner();

    QLabel* Msg;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;
    int counter_ = 0;
};

} // namespace varnel
