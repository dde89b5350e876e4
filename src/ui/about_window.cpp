#include "ui/about_window.h"

#include <qdrawutil.h>

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include "core/credits.h"
#include "core/shell_open.h"
#include "ui/designed_palette.h"
#include "ui/look.h"
#include "ui/message_boxes.h"
#include "ui/text_room.h"

namespace lt {
namespace {
constexpr int kWidth = 420;
constexpr int kHeight = 337;
constexpr int kMarqueeHeight = 32;
constexpr int kBevel = 3;
// About 50 pixels a second: quick enough to move, slow enough to read.
constexpr int kMarqueeTickMs = 20;
constexpr int kMarqueeStep = 1;

// The maker's postal address, under its name.
const QString kAddress1 = QStringLiteral("17 Lantern Row");
const QString kAddress2 = QStringLiteral("Northbridge, NB 01234");

const QColor kGrey(128, 128, 128);

// Yellow at the top fading to black at the bottom.
class GradientBackground : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, Qt::yellow);
        g.setColorAt(1, Qt::black);
        p.fillRect(rect(), g);
    }
};

// A panel in the button-face colour with a raised outer and a lowered inner bevel.
class BevelPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QPalette& pal = palette();
        p.fillRect(rect(), pal.color(QPalette::Button));
        qDrawShadePanel(&p, rect(), pal, false, kBevel);
        qDrawShadePanel(&p, rect().adjusted(kBevel, kBevel, -kBevel, -kBevel), pal, true, kBevel);
    }
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment align, const QColor& colour = Qt::black) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setAlignment(align);
    label->setGeometry(geometry);
    return label;
}
}  // namespace

ScrollingLine::ScrollingLine(const QString& text, QWidget* parent)
    : QWidget(parent), text_(text), offset_(0) {
    QFont f = pixelFont(QStringLiteral("Times New Roman"), 18);
    f.setStyleHint(QFont::Serif);
    setFont(f);
    setAccessibleName(text);
    timer_.setInterval(kMarqueeTickMs);
    connect(&timer_, &QTimer::timeout, this, &ScrollingLine::step);
}

void ScrollingLine::step() {
    offset_ -= kMarqueeStep;
    if (offset_ + fontMetrics().horizontalAdvance(text_) <= 0)
        rewind();
    else
        update();
}

void ScrollingLine::rewind() {
    offset_ = width();
    update();
}

void ScrollingLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setPen(kGrey);
    p.drawText(QRect(offset_, 0, fontMetrics().horizontalAdvance(text_) + 1, height()),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

void ScrollingLine::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_.start();
}

void ScrollingLine::hideEvent(QHideEvent* event) {
    timer_.stop();
    QWidget::hideEvent(event);
}

TfrmAbout::TfrmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("TfrmAbout"));
    setWindowTitle(tr("About Lifetally"));
    setFixedSize(kWidth, kHeight);
    QFont f = QApplication::font();
    f.setPixelSize(13);
    setFont(f);
    QPalette pal = designedPalette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    EsGradient1 = new GradientBackground(this);
    EsGradient1->setObjectName(QStringLiteral("EsGradient1"));
    EsGradient1->setGeometry(0, 0, kWidth, kHeight - kMarqueeHeight);

    Panel1 = new BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    const int panelWidth = 380;
    Panel1->setGeometry((kWidth - panelWidth) / 2, 14, panelWidth, 222);
    const int inner = 2 * kBevel + 8;
    const int lineWidth = panelWidth - 2 * inner;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;

    ProductName = makeLabel(Panel1, "ProductName", tr("Lifetally version %1").arg(programVersion()),
                            QRect(inner, 14, lineWidth, 20), centred);
    Label4 = makeLabel(Panel1, "Label4", tr("Compliments of:"), QRect(inner, 44, lineWidth, 18),
                       centred, navy());
    // The maker's address reads as a block: lines aligned left, the block centred.
    const QStringList address{makerName(), kAddress1, kAddress2};
    QFont bold = font();
    bold.setBold(true);
    int blockWidth = 0;
    for (const QString& line : address)
        blockWidth = std::max(blockWidth, QFontMetrics(bold).horizontalAdvance(line));
    const int blockLeft = (panelWidth - blockWidth) / 2;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    Label1 =
        makeLabel(Panel1, "Label1", address[0], QRect(blockLeft, 66, blockWidth + 4, 18), left);
    Label2 =
        makeLabel(Panel1, "Label2", address[1], QRect(blockLeft, 84, blockWidth + 4, 18), left);
    Label3 =
        makeLabel(Panel1, "Label3", address[2], QRect(blockLeft, 102, blockWidth + 4, 18), left);
    Label7 = makeLabel(Panel1, "Label7",
                       //: %1 is the maker's name.
                       tr("Look for more programs from %1 and news of Lifetally on our home page:")
                           .arg(makerName()),
                       QRect(inner, 130, lineWidth, 50), left, navy());
    Label7->setWordWrap(true);
    Label5 =
        makeLabel(Panel1, "Label5", makerWebAddress(), QRect(inner, 188, lineWidth, 18), centred);

    OKButton = new QPushButton(tr("&OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(60, 256, 120, 27);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    //: Tallyhouse is the maker's name.
    btWeb = new QPushButton(tr("Tallyhouse &home page"), this);
    btWeb->setObjectName(QStringLiteral("btWeb"));
    btWeb->setGeometry(200, 256, 160, 27);
    //: %1 is the maker's name.
    const QString hint = tr("Open the %1 home page in your web browser").arg(makerName());
    btWeb->setToolTip(hint);
    btWeb->setAccessibleDescription(hint);
    btWeb->setAutoDefault(false);
    // The box closes after the attempt, whatever came of it.
    connect(btWeb, &QPushButton::clicked, this, &TfrmAbout::btWebClick);
    connect(btWeb, &QPushButton::clicked, this, &QDialog::accept);

    EsScrollingMarquee1 = new ScrollingLine(
        //: %1 is the maker's name, %2 its web address.
        tr("Visit the %1 home page at %2 for more programs and the latest news")
            .arg(makerName(), makerWebAddress()),
        this);
    EsScrollingMarquee1->setObjectName(QStringLiteral("EsScrollingMarquee1"));
    EsScrollingMarquee1->setGeometry(0, kHeight - kMarqueeHeight, kWidth, kMarqueeHeight);
    EsScrollingMarquee1->rewind();

    setTabOrder(OKButton, btWeb);
    OKButton->setFocus();
    fitWindowToTexts(this);

    centreOnScreen(this, owner ? owner->screen() : QGuiApplication::primaryScreen());
}

void TfrmAbout::btWebClick() {
    // The desktop's own way to an address: its web browser, and no file left behind.
    const QString address = makerWebAddress();
    if (!openWebAddress(QUrl(address)))
        //: %1 is the web address.
        showError(tr("Couldn't open web browser for home page %1").arg(address), this);
}

void showAboutBox(QWidget* owner) {
    TfrmAbout box(owner);
    execDialog(box);
}

}  // namespace lt
