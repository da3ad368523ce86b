#pragma once

#include <QDialog>

class QPushButton;
class QVBoxLayout;
class QWidget;

namespace varnel {

class TfmOptGeneral;

// The options window: shows an options frame modally above its OK, Cancel
// and Help buttons.
class TfrmOptCont : public QDialog {
    Q_OBJECT

public:
    explicit TfrmOptCont(QWidget* parent = nullptr);

    // True when the user confirmed with OK; the options are then saved,
    // otherwise the frame's controls go back to the stored values.
    bool ShowOptions(TfmOptGeneral* frame);

public slots:
    void btnOKClick();
    void btnCancelClick();
    void btnHelpClick();

private:
    void PlaceFrame(TfmOptGeneral* frame);

    QVBoxLayout* frameArea_;
    QWidget* pnlAttached;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnHelp;
};

} // namespace varnel
