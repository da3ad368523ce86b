#pragma once

#include "ui/about/AboutBase.h"

#include <QPixmap>

class QFrame;
class QLabel;

namespace varnel {

class TClickLabel;

// The converter's About box: its picture, name and version, the author link
// and the converter's built-in description.
class TAboutUC : public TAboutBase {
    Q_OBJECT

public:
    // Splash and About box alike need this height at the least.
    static constexpr int ShownHeight = 212;

    explicit TAboutUC(QWidget* owner = nullptr, TDescriptionFetch* fetch = nullptr);

    // The program's picture is drawn PictureSize logical pixels square.
    static constexpr int PictureSize = 64;
    void SetPicture(const QPixmap& picture);

public slots:
    void sttAuthorClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void CreatePanel();
    void CreateMiddleRow();

    QFrame* Panel1 = nullptr;
    TClickLabel* imgAbout1 = nullptr;
    TClickLabel* StaticText2 = nullptr;
    TClickLabel* StaticText4 = nullptr;
    TClickLabel* StaticText3 = nullptr;
    QLabel* StaticText8 = nullptr;
    TClickLabel* sttAuthor = nullptr;
    QPushButton* btnOK = nullptr;
    QWidget* middle_ = nullptr;
};

} // namespace varnel
