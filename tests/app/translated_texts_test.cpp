// Every text the windows show or give to screen readers goes through the translation
// system: with a translator that marks what it is asked for, no unmarked word is left.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTranslator>
#include <functional>

#include "core/activity.h"
#include "core/chart_points.h"
#include "core/clock.h"
#include "core/timeline_rows.h"
#include "output/graph_window.h"
#include "output/timeline_window.h"
#include "support/main_window_harness.h"
#include "ui/about_window.h"
#include "ui/look_ahead_window.h"
#include "ui/money_dialog.h"
#include "ui/pick_date_window_p.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {

class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        // Qt asks for its layout direction under this context; it is no text.
        if (qstrcmp(context, "QT_LAYOUT_DIRECTION") == 0 || !source || !*source) return {};
        return u'[' + QString::fromUtf8(source) + u']';
    }
};

struct Found {
    int checked = 0;
    QStringList unmarked;
};

// The texts of the controls now visible in `window`; the labels named in `data` show
// names, addresses or a date's own parts, and only their hints are looked at.
Found textsOf(QWidget* window, const QStringList& data) {
    Found found;
    const auto look = [&](const QWidget* w, const QString& text) {
        // The program's name is the same in every language.
        if (!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))) || text == u"Lifetally")
            return;
        ++found.checked;
        if (!text.startsWith(u'['))
            found.unmarked << QStringLiteral("%1 (%2): %3")
                                  .arg(w->objectName(), QLatin1String(w->metaObject()->className()),
                                       text);
    };
    look(window, window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // A popup menu is hidden until asked for; the calendar's own month menu is not shown.
        if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->parentWidget()->isVisibleTo(window))
            for (const QAction* a : menu->actions()) look(w, a->text());
        if (!w->isVisibleTo(window)) continue;
        for (const QString& t : {w->toolTip(), w->accessibleName(), w->accessibleDescription()})
            look(w, t);
        if (auto* label = qobject_cast<QLabel*>(w); label && !data.contains(w->objectName()))
            look(w, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) look(w, button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w)) look(w, box->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i) look(w, tabs->tabText(i));
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) look(w, combo->itemText(i));
    }
    return found;
}

class TranslatedTexts : public ::testing::Test, public test::WizardHarness {
protected:
    void SetUp() override { QCoreApplication::installTranslator(&marker); }
    void TearDown() override { QCoreApplication::removeTranslator(&marker); }
    MarkingTranslator marker;
};

TEST_F(TranslatedTexts, EveryPageOfTheWizard) {
    auto w = start();
    for (int page = 0; page < w->Notebook1->count(); ++page, w->btNext->click()) {
        ASSERT_EQ(w->Notebook1->currentIndex(), page);
        const Found found = textsOf(w->window.get(), {});
        EXPECT_GE(found.checked, 4) << "page " << page;  // at least the four buttons
        EXPECT_EQ(found.unmarked.join(u'\n').toStdString(), "") << "page " << page;
    }
}

TEST_F(TranslatedTexts, EveryDialog) {
    const DateTime birth = toDateTime(QDate(1990, 3, 1));
    const QString birthText = QStringLiteral("3/1/1990");
    const auto frequency = [&] {
        auto* d = new TfrmMoney(nullptr, birth, birthText);
        d->moneyMode = false;
        return d;
    };
    LookAheadInput ahead{QStringLiteral("Ann"), QDate(1990, 3, 1), {}};
    for (TableKind kind : {TableKind::Hours, TableKind::Money, TableKind::Freq})
        ahead.tables[size_t(tableIndex(kind))] = emptyActivities(kind);
    const struct {
        const char* name;
        std::function<QWidget*()> make;
        QStringList data;
    } dialogs[] = {
        {"about", [] { return new TfrmAbout(nullptr); }, {"Label1", "Label2", "Label3", "Label5"}},
        {"time", [&] { return new TfrmTime(nullptr, birth, birthText); }, {}},
        {"money", [&] { return new TfrmMoney(nullptr, birth, birthText); }, {}},
        {"frequency", frequency, {}},
        {"look ahead", [&] { return new TfrmLookAhead(nullptr, ahead, 80); }, {}},
        {"chart",
         [] {
             auto* g = new TfrmGraph(nullptr);
             g->setTitle(chartTitle(TableKind::Hours, QStringLiteral("Ann"), QString()));
             g->setPoints(chartPoints({{QStringLiteral("Reading"), 10}}, 40, 10, {}));
             return g;
         },
         {}},
        {"timeline",
         [&] {
             return new TfrmTimeline(nullptr, timelineOf(QStringLiteral("Ann"), ahead.tables,
                                                         ahead.birth, 80, toDateTime(now())));
         },
         {}},
        // The month's name and the year are the date's, in the locale's formats.
        {"date picker", [&] { return new TfrmPickDate(birth); }, {"pnlMonth", "pnlYear"}},
    };
    for (const auto& d : dialogs) {
        const std::unique_ptr<QWidget> window(d.make());
        window->show();
        const Found found = textsOf(window.get(), d.data);
        EXPECT_GE(found.checked, 6) << d.name;  // the check is not empty
        EXPECT_EQ(found.unmarked.join(u'\n').toStdString(), "") << d.name;
    }
}

}  // namespace
}  // namespace lt
