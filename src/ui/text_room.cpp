#include "ui/text_room.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <vector>

namespace lt {
namespace {
// Kept between a control that grew and the next control, or its container's edge.
constexpr int kGap = 6;

// Widgets whose children are their own business (scroll areas, spin boxes, ...).
bool isLeaf(const QWidget* w) {
    for (const char* kind :
         {"QLabel", "QAbstractButton", "QAbstractScrollArea", "QAbstractSpinBox", "QComboBox",
          "QLineEdit", "QCalendarWidget", "QAbstractSlider", "QTabBar", "QTabWidget"})
        if (w->inherits(kind)) return true;
    return false;
}

std::vector<QWidget*> childWidgets(const QWidget* c) {
    std::vector<QWidget*> out;
    for (QWidget* w : c->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow()) out.push_back(w);
    return out;
}

bool isContainer(const QWidget* w) { return !isLeaf(w) && !childWidgets(w).empty(); }

int pushButtonNeed(const QPushButton* b) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    if (b->isDefault() || b->autoDefault()) opt.features |= QStyleOptionButton::AutoDefaultButton;
    // The button's own frame and margins around the room the style draws its text in.
    const int frame =
        b->width() - b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width();
    int content = b->fontMetrics().size(Qt::TextShowMnemonic, b->text()).width();
    if (!b->icon().isNull()) content += b->iconSize().width() + 4;
    return frame + content;
}

// Everything of `all` but `except` that starts at or beyond `at` moves by `by`; what
// reaches across `at` stretches by `by`. `horizontal` picks the axis.
void openStrip(const std::vector<QWidget*>& all, const QWidget* except, int at, int by,
               bool horizontal) {
    for (QWidget* s : all) {
        if (s == except) continue;
        QRect g = s->geometry();
        const int start = horizontal ? g.x() : g.y();
        const int end = start + (horizontal ? g.width() : g.height());
        if (start >= at)
            g.translate(horizontal ? by : 0, horizontal ? 0 : by);
        else if (end > at)
            (horizontal ? g.setWidth(g.width() + by) : g.setHeight(g.height() + by));
        else
            continue;
        s->setGeometry(g);
    }
}

bool carriesText(const QWidget* w) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return !button->text().isEmpty();
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QGroupBox*>(w);
}

// Gives `w` the size `need` inside a container of `size` among `all`, opening room for
// it where the next control or the container's edge is too close. A text that covers
// the next control (a label sized to its text) is moved clear of it as well.
void grow(QWidget* w, QSize need, const std::vector<QWidget*>& all, QSize& size) {
    for (const bool horizontal : {true, false}) {
        const QRect g = w->geometry();
        const int start = horizontal ? g.x() : g.y();
        const int has = horizontal ? g.width() : g.height();
        const int wants = horizontal ? need.width() : need.height();
        const int edge = horizontal ? size.width() : size.height();
        // The nearest control beyond it on the same row (column).
        const QWidget* next = nullptr;
        if (wants > has || carriesText(w)) {
            for (const QWidget* s : all) {
                if (s == w || s->isHidden()) continue;
                const QRect o = s->geometry();
                const bool beside = horizontal
                                        ? (o.y() < g.y() + g.height() && o.y() + o.height() > g.y())
                                        : (o.x() < g.x() + g.width() && o.x() + o.width() > g.x());
                const int oStart = horizontal ? o.x() : o.y();
                if (!beside || oStart <= start) continue;
                if (!next || oStart < (horizontal ? next->x() : next->y())) next = s;
            }
        }
        const int limit = next ? (horizontal ? next->x() : next->y()) : edge;
        if (std::max(wants, has) <= limit - start) {
            if (wants <= has) continue;
        } else {
            const int by = start + std::max(wants, has) - (limit - kGap);
            openStrip(all, w, limit, by, horizontal);
            (horizontal ? size.rwidth() : size.rheight()) += by;
        }
        if (wants <= has) continue;
        QRect grown = w->geometry();
        horizontal ? grown.setWidth(wants) : grown.setHeight(wants);
        w->setGeometry(grown);
    }
}
}  // namespace

QSize textNeed(const QWidget* w) {
    QSize need = w->size();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->wordWrap())
            need.setHeight(std::max(need.height(), label->heightForWidth(need.width())));
        else
            need.setWidth(std::max(need.width(), label->sizeHint().width()));
    } else if (const auto* push = qobject_cast<const QPushButton*>(w)) {
        need.setWidth(std::max(need.width(), pushButtonNeed(push)));
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (!button->text().isEmpty())
            need.setWidth(std::max(need.width(), button->sizeHint().width()));
    } else if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QGroupBox*>(w)) {
        need.setWidth(std::max(need.width(), w->minimumSizeHint().width()));
    }
    return need.expandedTo(w->minimumSize());
}

QSize arrangeForTexts(QWidget* container) {
    const std::vector<QWidget*> all = childWidgets(container);
    if (QLayout* layout = container->layout()) {
        for (QWidget* w : all) {
            if (!isContainer(w)) continue;
            const QSize need = arrangeForTexts(w);
            if (!w->layout()) w->setMinimumSize(need.expandedTo(w->minimumSize()));
        }
        layout->invalidate();
        return container->size().expandedTo(container->minimumSizeHint());
    }
    QSize size = container->size();
    // Inner containers first: what they need is known only once they are arranged.
    for (QWidget* w : all)
        if (!w->isHidden() && isContainer(w)) grow(w, arrangeForTexts(w), all, size);
    std::vector<QWidget*> controls;
    for (QWidget* w : all)
        if (!w->isHidden() && !isContainer(w)) controls.push_back(w);
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return a->x() != b->x() ? a->x() < b->x() : a->y() < b->y();
    });
    for (QWidget* w : controls) {
        // A word-wrapped label wraps at the width it ends up with.
        QSize need = textNeed(w);
        grow(w, QSize(need.width(), w->height()), all, size);
        grow(w, textNeed(w), all, size);
    }
    return size;
}

void fitWindowToTexts(QWidget* window) {
    const QSize need = arrangeForTexts(window);
    if (need == window->size()) return;
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(need);
    else
        window->resize(need);
}

void reserveTexts(QLabel* label, const QStringList& samples) {
    QSize room = label->minimumSize();
    const QString shown = label->text();
    for (const QString& sample : samples) {
        label->setText(sample);
        if (label->wordWrap())
            room.setHeight(std::max(room.height(), label->heightForWidth(label->width())));
        else
            room.setWidth(std::max(room.width(), label->sizeHint().width()));
    }
    label->setText(shown);
    label->setMinimumSize(room);
}

}  // namespace lt
