// Text from the user or the settings file is shown as it was typed, never as markup.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>
#include <vector>

#include "support/test_env.h"
#include "support/ui_seams.h"
#include "ui/activity_form.h"
#include "ui/activity_grid.h"
#include "ui/message_boxes.h"
#include "ui/pick_date_window_p.h"
#include "ui/table_editing.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {

struct SeenBox {
    QString title;
    QString text;
    Qt::TextFormat format;       // the box's own setting
    Qt::TextFormat labelFormat;  // the label inside that shows the text
};

// The program's real boxes, built as for the user; only their modal loop is answered.
class RealBoxes {
public:
    explicit RealBoxes(int answer) {
        resetMessageSeams();
        messageSeams().execBox = [this, answer](QMessageBox& b) {
            const auto* label = b.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            seen.push_back({b.windowTitle(), b.text(), b.textFormat(),
                            label ? label->textFormat() : Qt::AutoText});
            return answer;
        };
    }
    ~RealBoxes() { test::installFailingSeams(); }
    std::vector<SeenBox> seen;
};

void expectPlain(const SeenBox& b, const QString& title, const QString& text) {
    EXPECT_EQ(b.title, title);
    EXPECT_EQ(b.text, text);
    EXPECT_EQ(b.format, Qt::PlainText) << text.toStdString();
    EXPECT_EQ(b.labelFormat, Qt::PlainText) << text.toStdString();
}

TEST(PlainText, DeleteConfirmationQuotesTheActivityAsTyped) {
    test::PinnedEnv env;
    const QString name = QStringLiteral("<b>Sleep</b> <i>well</i>");
    ActivityGrid grid;
    grid.setCell(0, 1, name);
    grid.selectRow(1);
    RealBoxes boxes(QMessageBox::No);
    deleteSelectedRow(&grid, nullptr);
    ASSERT_EQ(boxes.seen.size(), 1u);
    expectPlain(boxes.seen[0], QStringLiteral("Confirm"),
                QStringLiteral("Really delete <b>Sleep</b> <i>well</i>?"));
    EXPECT_EQ(grid.cell(0, 1), name);  // answered No
}

TEST(PlainText, ErrorBoxesAndTheDefaultReportShowTheirTextAsTyped) {
    test::PinnedEnv env;
    RealBoxes boxes(QMessageBox::Ok);
    const QString picture = QStringLiteral("<img src=\"/tmp/x.png\"> went wrong");
    showError(picture);
    showQuietError(picture);
    reportDefaultError(QStringLiteral("'<b>1</b>' is not a valid date"));
    ASSERT_EQ(boxes.seen.size(), 3u);
    expectPlain(boxes.seen[0], QStringLiteral("Error"), picture);
    expectPlain(boxes.seen[1], QStringLiteral("Error"), picture);
    expectPlain(boxes.seen[2], QStringLiteral("Lifetally"),
                QStringLiteral("'<b>1</b>' is not a valid date"));
}

TEST(PlainText, ConversionFailureQuotesTheTypedDateAsTyped) {
    test::PinnedEnv env;
    TfrmTime d(nullptr, toDateTime(QDate(1990, 3, 20)), QStringLiteral("3/20/1990"));
    d.edDate->setText(QStringLiteral("<i>soon</i>"));
    RealBoxes boxes(QMessageBox::Ok);
    d.btStart->click();
    ASSERT_EQ(boxes.seen.size(), 1u);
    expectPlain(boxes.seen[0], QStringLiteral("Lifetally"),
                QStringLiteral("'<i>soon</i>' is not a valid date"));
}

TEST(PlainText, LabelsShowMarkupLiterally) {
    test::PinnedEnv env;
    const QString markup = QStringLiteral("<b>x</b>");
    QWidget parent;
    parent.resize(400, 100);
    QLabel* caption = form::placeLabel(&parent, markup, 0, 0);
    QLabel* wording = form::wordingLabel(&parent, 0, 40);
    wording->setText(markup);
    TfrmPickDate picker(toDateTime(QDate(1990, 3, 20)));
    auto* when = picker.findChild<QLabel*>(QStringLiteral("pnlWhen"));
    ASSERT_NE(when, nullptr);
    when->setText(markup);
    for (QLabel* l : {caption, wording, when}) {
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
        // As rich text only the "x" would take room.
        EXPECT_GE(l->sizeHint().width(), l->fontMetrics().horizontalAdvance(markup));
    }
}

}  // namespace
}  // namespace lt
