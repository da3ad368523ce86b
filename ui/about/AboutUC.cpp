#include "ui/about/AboutUC.h"

#include "ui/about/ClickLabel.h"
#include "ui/about/WebLinks.h"
#include "units/OwnVersion.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnel {

namespace {

TClickLabel* CentredLabel(const QString& text, const char* name, qreal scale, bool bold,
                          QWidget* parent) {
    auto* label = new TClickLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(qRound(font.pixelSize() * scale));
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

TAboutUC::TAboutUC(QWidget* owner, TDescriptionFetch* fetch) : TAboutBase(owner, fetch) {
    setObjectName("AboutUC");
    FormCreate();
}

void TAboutUC::FormCreate() {
    check_.OwnVersion = varnel::OwnVersion();
    check_.Defaults = ConverterDescriptionDefaults(check_.OwnVersion);
    check_.WritableFile = WritableDescriptionFile();
    check_.LoadDescription(LocalDescriptionFile());

    CreatePanel();
    CreateMiddleRow();
    OKButton = btnOK;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1, 1);
    layout->addWidget(middle_);
    layout->addWidget(sttBottom);
    setMinimumHeight(ShownHeight);
}

void TAboutUC::CreatePanel() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Panel1->installEventFilter(this);

    imgAbout1 = new TClickLabel(Panel1);
    imgAbout1->setObjectName("imgAbout1");
    imgAbout1->setFixedSize(PictureSize, PictureSize);

    StaticText2 = CentredLabel("Varnel", "StaticText2", 2.0, true, Panel1);
    StaticText4 = CentredLabel("Units Converter", "StaticText4", 1.3, true, Panel1);
    StaticText3 =
        CentredLabel(QString::fromStdString(OwnVersionText()), "StaticText3", 1.0, false, Panel1);

    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    names->addStretch();
    names->addWidget(StaticText2);
    names->addWidget(StaticText4);
    names->addWidget(StaticText3);
    names->addStretch();

    auto* layout = new QHBoxLayout(Panel1);
    const int room = fontMetrics().height();
    layout->setContentsMargins(room, room, room * 2, room);
    layout->setSpacing(room);
    layout->addWidget(imgAbout1, 0, Qt::AlignVCenter);
    layout->addLayout(names, 1);

    for (TClickLabel* label : {imgAbout1, StaticText2, StaticText4, StaticText3})
        connect(label, &TClickLabel::Clicked, this, &TAboutUC::Panel1Click);
}

void TAboutUC::CreateMiddleRow() {
    middle_ = new QWidget(this);
    middle_->setObjectName("pnlMiddle");

    StaticText8 = new QLabel("Freeware by", middle_);
    StaticText8->setObjectName("StaticText8");

    sttAuthor = new TClickLabel("Quillmere", middle_);
    sttAuthor->setObjectName("sttAuthor");
    sttAuthor->setTextFormat(Qt::PlainText);
    sttAuthor->setCursor(Qt::PointingHandCursor);
    QPalette palette = sttAuthor->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    sttAuthor->setPalette(palette);
    connect(sttAuthor, &TClickLabel::Clicked, this, &TAboutUC::sttAuthorClick);

    btnOK = new QPushButton(" OK", middle_);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TAboutUC::btnOKClick);

    auto* layout = new QHBoxLayout(middle_);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(StaticText8);
    layout->addWidget(sttAuthor);
    layout->addStretch();
    layout->addWidget(btnOK);
}

void TAboutUC::SetPicture(const QPixmap& picture) {
    imgAbout1->setPixmap(picture);
}

void TAboutUC::sttAuthorClick() {
    OpenURL(QString::fromStdString(check_.DescriptionValue("Contact_Email")));
}

bool TAboutUC::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Panel1Click();
        return true;
    }
    return TAboutBase::eventFilter(watched, event);
}

} // namespace varnel
