#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "qt/form_fixture.h"

namespace {

using TheWindow = FormTest;

// The game shows its window with the first page alone, and builds the pages
// behind it once the first picture is drawn: that picture must stay as it
// is when they are built. Input that comes sooner waits for the rest, and so
// does a press that is no input (a screen reader's action clicks the button
// itself).
TEST(StartUp, TheFirstPictureStaysAsTheRestIsBuiltAndNothingComesTooSoon)
{
    FakeTicks ticks;
    MainWindow early(ticks);
    ASSERT_TRUE(early.isVisible());
    ASSERT_EQ(early.Form1.Timer2, nullptr) << "the pages behind the first are not built yet";
    const QImage first = early.grab().toImage();
    // The grab drew the first picture: the rest follows as soon as the
    // event loop has sent it on.
    EXPECT_TRUE(QTest::qWaitFor([&] { return early.Form1.Timer2 != nullptr; }, 1000));
    EXPECT_GT(early.findChildren<QWidget*>().size(), 60);
    EXPECT_EQ(early.grab().toImage(), first);

    MainWindow pressed_at_once(ticks);
    QApplication::setActiveWindow(&pressed_at_once);
    ASSERT_EQ(pressed_at_once.Form1.Timer2, nullptr);
    QTest::keyClick(WidgetOf(pressed_at_once.Form1.Button1), Qt::Key_S, Qt::AltModifier);
    ASSERT_NE(pressed_at_once.Form1.Timer2, nullptr);
    EXPECT_EQ(pressed_at_once.Form1.Timer2->Interval(), 10) << "Alt+S started the trial";

    MainWindow clicked_at_once(ticks);
    ASSERT_EQ(clicked_at_once.Form1.Timer2, nullptr);
    static_cast<QPushButton*>(WidgetOf(clicked_at_once.Form1.Button1))->click();
    ASSERT_NE(clicked_at_once.Form1.Timer2, nullptr);
    EXPECT_EQ(clicked_at_once.Form1.Timer2->Interval(), 10) << "the press started the trial";
}

TEST_F(TheWindow, FixedSizeDialogWithTheGameCaption)
{
    EXPECT_EQ(window->windowTitle(), U("- ホ ル ミ ナ - Ver 1.00"));
    EXPECT_EQ(window->size(), QSize(494, 265));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the frame must not resize it";
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(window->font().pixelSize(), 12);
}

TEST_F(TheWindow, NotebookHoldsFivePagesWhoseContentStartsAt12By31)
{
    QtNotebook* book = window->TabbedNotebook1;
    EXPECT_EQ(book->geometry(), QRect(8, 8, 481, 249));
    const char* captions[] = {"～ 心 の 目 ～", "～ 心 の 声 ～", "- 記 憶 の 館 -", "＊謎ノ領域＊ ", "フレンズゲーム"};
    ASSERT_EQ(book->PageCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(book->TabStrip()->tabText(i), U(captions[i]));
        EXPECT_EQ(book->Page(i)->mapTo(window.get(), QPoint(0, 0)), QPoint(12, 31));
    }
    EXPECT_EQ(book->TabStrip()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(book->TabStrip()->font().pixelSize(), 13);
}

TEST_F(TheWindow, OnlyThePageInFrontIsShownAndEnabled)
{
    EXPECT_EQ(window->TabbedNotebook1->PageIndex(), 0);
    for (int front = 0; front < 5; ++front) {
        ShowPage(front);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(window->TabbedNotebook1->Page(i)->isVisible(), i == front);
            EXPECT_EQ(window->TabbedNotebook1->Page(i)->isEnabled(), i == front);
        }
    }
}

TEST_F(TheWindow, SwitchingPagesKeepsATrialRunning)
{
    Click(form.Button1);
    ShowPage(4);
    ShowPage(1);
    EXPECT_EQ(form.Timer2->Interval(), 10);
    Elapse(5300);
    ShowPage(0);
    Click(form.Button2);
    EXPECT_EQ(form.State.EyeTotal, 1);
}

// The box quotes the target as typed: markup in it shows as the characters
// it is made of.
TEST_F(TheWindow, TheErrorBoxIsModalWithTheErrorIconAndTheTitleShowsPlainTextAndTimersTickOn)
{
    MainWindow real(ticks);  // its errors go to the real box
    int seconds = 0;
    real.LocalClock = [&] { return QTime(9, 0, 0).addSecs(seconds++); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return real.Form1.Timer1 != nullptr; }, 5000));
    E(real.Form1.Edit12)->setText(U("<b>"));
    QString seen_title, seen_text, seen_name;
    Qt::TextFormat seen_format = Qt::AutoText;
    QMessageBox::Icon seen_icon = QMessageBox::NoIcon;
    bool modal = false, clock_running = false;
    // A zero timer that fires under the box: the box's own loop serves timers.
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen_title = box->windowTitle();
            seen_text = box->text();
            seen_format = box->textFormat();
            seen_icon = box->icon();
            modal = box->isModal();
            if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                if (QAccessibleInterface* read = QAccessible::queryAccessibleInterface(label))
                    seen_name = read->text(QAccessible::Name);
        }
        // The clock's next second shows under the box.
        const QString clock = L(real.Form1.Label28)->text();
        clock_running = QTest::qWaitFor([&] { return L(real.Form1.Label28)->text() != clock; }, 2000);
        // Whatever was seen, the box goes, so a failure ends the test instead of hanging it.
        if (QWidget* open = QApplication::activeModalWidget())
            QTest::keyClick(open, Qt::Key_Return);
    });
    real.Form1.Dispatch(&TForm1::Button10Click);
    EXPECT_EQ(seen_text, U("'<b>' は整数ではありません."));
    EXPECT_EQ(seen_format, Qt::PlainText);
    EXPECT_EQ(seen_name, seen_text) << "what a screen reader reads of the box";
    EXPECT_EQ(seen_title, QString::fromStdString(real.Form1.Title));
    EXPECT_FALSE(seen_title.isEmpty());
    EXPECT_EQ(seen_icon, QMessageBox::Critical);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(clock_running) << "the clock's timer stopped under the box";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TheWindow, TheCloseButtonOfTheHallClosesTheWindow)
{
    ShowPage(2);
    Click(form.BitBtn1);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace

// Edit boxes copy a picture of their style's panel; the copy must follow every
// change of look, the focus frame above all.
TEST_F(TheWindow, EditBoxesLookAsTheStyleDrawsThemAsTheFocusComesAndGoes)
{
    ShowPage(4);
    QLineEdit* box = E(form.Edit12);
    QStyle* copying = box->style();
    const auto expect_as_drawn = [&](const char* when) {
        const QImage copied = box->grab().toImage();
        box->setStyle(QApplication::style());
        const QImage drawn = box->grab().toImage();
        box->setStyle(copying);
        EXPECT_EQ(copied, drawn) << when;
    };
    expect_as_drawn("at start");
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    expect_as_drawn("with the focus");
    W(form.Edit13)->setFocus();
    expect_as_drawn("after the focus left");
}
