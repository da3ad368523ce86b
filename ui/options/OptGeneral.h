#pragma once

#include "ui/options/KeyValueLines.h"

#include <QFrame>

class QLabel;
class QVBoxLayout;

namespace varnel {

// The base of options frames: a caption strip, the settings lines in
// memory, and the two operations that move options between the controls,
// the lines and the settings file.
class TfmOptGeneral : public QFrame {
    Q_OBJECT

public:
    explicit TfmOptGeneral(QWidget* parent = nullptr);

    // Controls to Settings to the settings file.
    virtual void SaveOptions() = 0;
    // Settings file to Settings to controls.
    virtual void LoadOptions() = 0;

    TKeyValueLines Settings;

protected:
    QVBoxLayout* ContentLayout() const { return content_; }

    QLabel* stCaption;

private:
    QVBoxLayout* content_;
};

} // namespace varnel
