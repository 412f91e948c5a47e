#include <thread>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "core/error_text.h"
#include "window/form_fixture.h"

namespace {

using MainWindow = FormTest;

// The game shows its window before it makes the tabs and the pages, and
// makes them while the window system maps it. By the time the constructor returns, that
// window must be the one built whole and then shown: the same controls in
// the same places and states, drawing the same pixels.
TEST(StartUp, ShowingBeforeTheTabsGivesTheWindowBuiltWholeThenShown)
{
    const auto describe = [](const TForm1& form) {
        QStringList lines;
        for (const QWidget* c : form.findChildren<QWidget*>()) {
            QString text;
            if (const auto* label = qobject_cast<const QLabel*>(c))
                text = label->text();
            else if (const auto* edit = qobject_cast<const QLineEdit*>(c))
                text = edit->text();
            else if (const auto* button = qobject_cast<const QAbstractButton*>(c))
                text = button->text();
            // The clock rows show the time of day, which may turn over between the two.
            if (c->objectName() == u"Label27" || c->objectName() == u"Label28")
                text.clear();
            // Hidden in itself, not only with its page: a control on a page
            // in the back must come forward with its page or stay hidden.
            lines << QStringLiteral("%1 %2 visible=%3 hidden=%4 enabled=%5 focus=%6 %7")
                         .arg(c->objectName())
                         .arg(QString::number(c->x()) + u',' + QString::number(c->y()) + u' ' +
                              QString::number(c->width()) + u'x' + QString::number(c->height()))
                         .arg(c->isVisible())
                         .arg(c->isHidden())
                         .arg(c->isEnabled())
                         .arg(c->hasFocus())
                         .arg(text);
        }
        return lines;
    };
    FakeTicks ticks;
    TForm1 whole(ticks);
    whole.show();
    TForm1 early(ticks, TForm1::Showing::BeforeTabs);
    ASSERT_TRUE(early.isVisible());
    const QStringList controls = describe(whole);
    EXPECT_GT(controls.size(), 60);
    EXPECT_EQ(describe(early), controls);
    for (int page = 0; page < early.TabbedNotebook1->PageCount(); ++page)
        EXPECT_EQ(early.TabOrder(page).size(), whole.TabOrder(page).size()) << "page " << page;
    EXPECT_EQ(early.grab().toImage(), whole.grab().toImage());
}

TEST_F(MainWindow, FixedSizeDialogWithTheGameCaption)
{
    EXPECT_EQ(form->windowTitle(), U("- ホ ル ミ ナ - Ver 1.00"));
    EXPECT_EQ(form->size(), QSize(494, 265));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the frame must not resize it";
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(form->font().pixelSize(), 12);
}

TEST_F(MainWindow, NotebookHoldsFivePagesWhoseContentStartsAt12By31)
{
    Notebook* book = form->TabbedNotebook1;
    EXPECT_EQ(book->geometry(), QRect(8, 8, 481, 249));
    const char* captions[] = {"～ 心 の 目 ～", "～ 心 の 声 ～", "- 記 憶 の 館 -", "＊謎ノ領域＊ ", "フレンズゲーム"};
    ASSERT_EQ(book->PageCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(book->TabStrip()->tabText(i), U(captions[i]));
        EXPECT_EQ(book->Page(i)->mapTo(form.get(), QPoint(0, 0)), QPoint(12, 31));
    }
    EXPECT_EQ(book->TabStrip()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(book->TabStrip()->font().pixelSize(), 13);
}

TEST_F(MainWindow, OnlyThePageInFrontIsShownAndEnabled)
{
    EXPECT_EQ(form->TabbedNotebook1->PageIndex(), 0);
    for (int front = 0; front < 5; ++front) {
        ShowPage(front);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(form->TabbedNotebook1->Page(i)->isVisible(), i == front);
            EXPECT_EQ(form->TabbedNotebook1->Page(i)->isEnabled(), i == front);
        }
    }
}

TEST_F(MainWindow, SwitchingPagesKeepsATrialRunning)
{
    Click(form->Button1);
    ShowPage(4);
    ShowPage(1);
    EXPECT_EQ(form->Timer2->Interval(), 10);
    Elapse(5300);
    ShowPage(0);
    Click(form->Button2);
    EXPECT_EQ(form->State.EyeTotal, 1);
}

TEST_F(MainWindow, AnErrorLeavingAHandlerIsReportedAndTheGameGoesOn)
{
    form->Dispatch([] { throw GameError("'abc' は整数ではありません"); });
    form->Dispatch([this] {
        form->State.Points = 42;  // what a handler did before failing stays done
        throw GameError("Stop!");
    });
    form->Dispatch([] { throw 7; });
    form->Dispatch([] { throw GameError(std::string("'a") + '\0' + "b' は整数ではありません"); });
    ASSERT_EQ(errors.size(), 4);
    EXPECT_EQ(errors[0], U("'abc' は整数ではありません."));
    EXPECT_EQ(errors[1], U("Stop!"));
    EXPECT_FALSE(errors[2].isEmpty());
    EXPECT_EQ(errors[3], QStringLiteral("'a") + QChar(0) + U("b' は整数ではありません.")) << "a NUL must not cut the message";
    EXPECT_EQ(form->State.Points, 42);
    Click(form->Button1);
    EXPECT_EQ(form->Timer2->Interval(), 10);
}

TEST_F(MainWindow, TheErrorBoxIsModalWithTheErrorIconAndTheTitleAndTimersTickOn)
{
    TForm1 real(ticks);  // its errors go to the real box
    real.show();
    real.Dispatch(&TForm1::Button1Click);  // a trial's refresh timer runs under the box
    QString seen_title, seen_text;
    QMessageBox::Icon seen_icon = QMessageBox::NoIcon;
    bool modal = false;
    int refreshes_while_open = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            seen_title = box->windowTitle();
            seen_text = box->text();
            seen_icon = box->icon();
            modal = box->isModal();
        }
        const auto counter = QObject::connect(real.Timer2, &LayoutTimer::Ticked, [&] { ++refreshes_while_open; });
        QTest::qWait(200);
        QObject::disconnect(counter);
        // Whatever was seen, the box goes, so a failure ends the test instead of hanging it.
        if (QWidget* open = QApplication::activeModalWidget())
            QTest::keyClick(open, Qt::Key_Return);
    });
    real.Dispatch([] { throw GameError("タイマーを取得できません"); });
    EXPECT_EQ(seen_text, U("タイマーを取得できません."));
    EXPECT_EQ(seen_title, real.Title);
    EXPECT_FALSE(real.Title.isEmpty());
    EXPECT_EQ(seen_icon, QMessageBox::Critical);
    EXPECT_TRUE(modal);
    EXPECT_GT(refreshes_while_open, 0) << "the trial's refresh timer stood still under the box";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindow, TimersFollowTheLayoutsIntervalRules)
{
    EXPECT_EQ(form->Timer1->Interval(), 1000);
    EXPECT_EQ(form->Timer2->Interval(), 0);
    EXPECT_EQ(form->Timer3->Interval(), 0);

    LayoutTimer timer(nullptr, "probe");
    int fired = 0;
    QObject::connect(&timer, &LayoutTimer::Ticked, [&] { ++fired; });
    timer.SetInterval(10);
    QTest::qWait(40);
    EXPECT_GT(fired, 0);
    timer.SetInterval(0);
    fired = 0;
    QTest::qWait(40);
    EXPECT_EQ(fired, 0) << "interval 0 delivers nothing";
}

TEST(LayoutTimerFailure, ATimerThePlatformCannotGiveRaisesTheTimerError)
{
    // A thread without an event loop cannot have timers.
    std::string message;
    std::thread([&] {
        LayoutTimer timer(nullptr, "orphan");
        try {
            timer.SetInterval(10);
        } catch (const GameError& error) {
            message = error.what();
        }
    }).join();
    EXPECT_EQ(message, "タイマーを取得できません");
}

TEST_F(MainWindow, CreationWritesTheEyePromptAndTheOpacityCounter)
{
    EXPECT_EQ(form->Edit1->text(), U(" 貴 様 に 見 切 れ る か ？"));
    EXPECT_EQ(form->State.OpacityCounter, 230);
    EXPECT_EQ(form->State.Points, 0);
}

TEST_F(MainWindow, TheCloseButtonOfTheHallClosesTheWindow)
{
    form->BitBtn1Click();
    EXPECT_FALSE(form->isVisible());
}

}  // namespace

// Edit boxes copy a picture of their style's panel; the copy must follow every
// change of look, the focus frame above all.
TEST_F(MainWindow, EditBoxesLookAsTheStyleDrawsThemAsTheFocusComesAndGoes)
{
    ShowPage(4);
    EditBox* box = form->Edit12;
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
    form->Edit13->setFocus();
    expect_as_drawn("after the focus left");
}
