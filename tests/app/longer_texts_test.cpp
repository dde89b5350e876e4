#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QToolButton>
#include <map>

#include "app/window_journey_util.h"
#include "core/language.h"
#include "support/pseudo_translator.h"
#include "support/ui_seams.h"

namespace lt {
namespace {

// Where `w`'s text does not fit it whole, why.
QString cutText(const QWidget* w) {
    const QFontMetrics fm = w->fontMetrics();
    const auto wide = [&](const QString& t) { return fm.size(Qt::TextShowMnemonic, t).width(); };
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return (l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                              : l->sizeHint().boundedTo(l->size()) == l->sizeHint())
                   ? QString()
                   : l->text();
    if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        const int room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width();
        return wide(b->text()) <= room ? QString() : b->text();
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))  // radio and check boxes
        return b->sizeHint().width() <= b->width() ? QString() : b->text();
    if (const auto* t = qobject_cast<const QTableWidget*>(w))  // cells are drawn 2 pixels in
        for (int r = 0; r < t->rowCount() * t->columnCount(); ++r)
            if (const auto* i = t->item(r / t->columnCount(), r % t->columnCount());
                i && wide(i->text()) + 4 > t->columnWidth(i->column()))
                return i->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w))
        return g->minimumSizeHint().width() <= g->width() ? QString() : g->title();
    if (const auto* c = qobject_cast<const QComboBox*>(w))
        return c->sizeHint().width() <= c->width() ? QString() : c->currentText();
    if (const auto* h = qobject_cast<const QHeaderView*>(w)) {
        const int margins = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        for (int i = 0; i < h->count(); ++i) {
            const QString t = h->model()->headerData(i, h->orientation()).toString();
            if (!h->isSectionHidden(i) && wide(t) + margins > h->sectionSize(i)) return t;
        }
    }
    return {};
}

// Every text of `window` whole, no control over another or past its parent's edge, and
// the window within a 1024 x 768 screen.
QStringList faults(QWidget* window) {
    const auto isControl = [](const QWidget* w) {
        return w->inherits("QAbstractButton") || w->inherits("QLineEdit") ||
               w->inherits("QAbstractSpinBox") || w->inherits("QComboBox") ||
               (w->inherits("QLabel") && !static_cast<const QLabel*>(w)->text().isEmpty());
    };
    QStringList out;
    const QString name = QString::fromLatin1(window->metaObject()->className());
    const QSize size = window->size().expandedTo(window->minimumSize());
    if (size.width() > 1024 || size.height() > 768)
        out << QStringLiteral("%1 is %2 x %3").arg(name).arg(size.width()).arg(size.height());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        const QString where = name + u' ' + w->objectName() + u' ' + w->metaObject()->className();
        if (const QString cut = cutText(w); !cut.isEmpty())
            out << where + QStringLiteral(" cuts ") + cut;
        if (!isControl(w) || w->isWindow()) continue;
        if (!w->parentWidget()->rect().contains(w->geometry()))
            out << where + QStringLiteral(" leaves its parent");
        for (QWidget* s : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (s < w && isControl(s) && s->isVisibleTo(window) &&
                s->geometry().intersects(w->geometry()))
                out << where + QStringLiteral(" covers ") + s->objectName();
    }
    return out;
}

// Goes through every page and opens every dialog of the sample's window, as a user
// would: none may have a fault. Gives each window's size.
std::map<QString, QSize> expectEveryWindowWhole() {
    test::WizardHarness h;
    h.writeIni(test::readFile(QStringLiteral(LT_SAMPLE_SETTINGS)));
    auto w = h.start();
    QStringList out;
    std::map<QString, QSize> sizes;
    const auto look = [&](QWidget* window) {
        out << faults(window);
        sizes[QLatin1String(window->metaObject()->className())] = window->size();
    };
    test::ScriptedBoxes boxes;
    boxes.onDialog = [&](QDialog& d) {
        d.show();
        look(&d);
        // The calendar of an activity's starting date.
        if (auto* start = d.findChild<QToolButton*>(QStringLiteral("btStart"))) start->click();
        return int(QDialog::Rejected);
    };
    look(w->window.get());
    w->btAbout->click();
    const std::map<int, const char*> opens{
        {1, "SpeedButton1"}, {2, "btAdd1"}, {3, "btAdd2"}, {4, "btAdd3"}};
    for (int page = 1; page <= 5; ++page) {
        w->btNext->click();
        look(w->window.get());
        if (opens.count(page))
            test::named<QAbstractButton>(w->window.get(), opens.at(page))->click();
    }
    for (const char* button : {"btGrHour", "btGrMoney", "btLookAhead", "btTimeline"})
        test::named<QPushButton>(w->window.get(), button)->click();
    EXPECT_TRUE(out.isEmpty()) << out.join(u'\n').toStdString();
    return sizes;
}

TEST(LongerTexts, EveryTextFitsInEnglishAndTheWindowsKeepTheirDesignedSizes) {
    std::map<QString, QSize> sizes = expectEveryWindowWhole();
    const std::map<QString, QSize> designed{
        {"lt::TfrmMain", {623, 419}},  {"lt::TfrmTime", {444, 336}},
        {"lt::TfrmMoney", {441, 311}}, {"lt::TfrmPickDate", {370, 353}},
        {"lt::TfrmAbout", {420, 337}}, {"lt::TfrmLookAhead", {820, 440}}};
    for (const auto& [window, size] : designed)
        EXPECT_EQ(sizes[window], size) << window.toStdString();
}

TEST(LongerTexts, TextsFortyPercentLongerFitTheirControls) {
    test::PseudoTranslator longer;
    QCoreApplication::installTranslator(&longer);
    EXPECT_EQ(test::PseudoTranslator::lengthen(QStringLiteral("&Once %1 <b>%n</b> %Ln s")),
              QStringLiteral("&Oññçéé %1 <b>%n</b> %Ln š"));
    std::map<QString, QSize> sizes = expectEveryWindowWhole();
    // The dialogs grew for the longer texts; none kept its English size.
    EXPECT_GT(sizes["lt::TfrmTime"].width(), 444);
    EXPECT_GT(sizes["lt::TfrmMain"].width(), 623);
}

TEST(LongerTexts, EveryShippedLanguageFitsTheScreen) {
    for (const QString& language : shippedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(installTranslations(language));
        expectEveryWindowWhole();
    }
    installTranslations(QStringLiteral("en"));
}

}  // namespace
}  // namespace lt
