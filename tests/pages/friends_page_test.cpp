#include "window/form_fixture.h"

namespace {

class FriendsPage : public FormTest {
protected:
    FriendsPage() { ShowPage(4); }

    void SetTarget(const char* text) { form->Edit12->setText(U(text)); }

    // A guess as the player makes it: start, some time counted, stop.
    void Guess(std::uint32_t ms)
    {
        Click(form->Button9);
        Elapse(ms);
        Click(form->Button10);
    }

    const QString started_guess = U(" 当 た る か ! ? ");
    const QString started_result = U(" 結 果 は 如 何 に ? ");
};

TEST_F(FriendsPage, ControlsStandWhereTheLayoutPutsThem)
{
    EXPECT_EQ(form->Label16->pos(), QPoint(88, 32));
    EXPECT_EQ(form->Label16->text(), U("←指定する秒数(半角数字で整数のみ)"));
    EXPECT_EQ(form->Label17->geometry(), QRect(16, 120, 209, 25)) << "fixed size";
    EXPECT_EQ(form->Label18->text(), U("なお、ストーリーモードのポイントには加算されません。"));
    EXPECT_EQ(form->Label25->text(), U("←結果♪"));
    EXPECT_EQ(form->Label24->pos(), QPoint(432, 128));
    EXPECT_EQ(form->Label27->pos(), QPoint(352, 8));
    EXPECT_EQ(form->Label28->y(), 24) << "the clock; where it stands across is the clock's test";

    EXPECT_EQ(form->Edit12->geometry(), QRect(32, 16, 49, 23)) << "15 px font: 23 high";
    EXPECT_EQ(form->Edit12->text(), U("5"));
    EXPECT_TRUE(form->Edit12->font().bold());
    EXPECT_EQ(form->Edit12->font().pixelSize(), 15);
    EXPECT_EQ(form->Edit13->geometry(), QRect(24, 72, 129, 24)) << "16 px font: 24 high";
    EXPECT_EQ(form->Edit13->text(), U(" 当 た る か  !  ?"));
    EXPECT_EQ(form->Edit13->palette().color(QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(form->Edit18->text(), U("\u3000結 果 は 如 何 に ？"));
    EXPECT_EQ(form->Edit17->geometry(), QRect(320, 128, 105, 20));
    EXPECT_EQ(form->Button9->text(), U("スタート (&S)"));
    EXPECT_EQ(form->Button10->geometry(), QRect(192, 112, 75, 25));
    EXPECT_EQ(form->Button10->cursor().shape(), Qt::PointingHandCursor);

    // Every edit box is an editable tab stop; Label17 lies under Button10.
    const std::vector<QWidget*> order{form->Edit12, form->Edit13, form->Button9, form->Button10, form->Edit18,
                                      form->Edit14, form->Edit15, form->Edit16, form->Edit17};
    EXPECT_EQ(form->TabOrder(4), order);
    for (EditBox* e : {form->Edit12, form->Edit13, form->Edit14, form->Edit15, form->Edit16, form->Edit17, form->Edit18}) {
        EXPECT_FALSE(e->isReadOnly()) << e->objectName().toStdString();
        EXPECT_TRUE(e->focusPolicy() & Qt::TabFocus) << e->objectName().toStdString();
    }
    const QObjectList& stack = form->TabbedNotebook1->Page(4)->children();
    EXPECT_LT(stack.indexOf(form->Label17), stack.indexOf(form->Button10));
}

TEST_F(FriendsPage, TabWalksAllNineStopsInOrder)
{
    form->Edit12->setFocus();
    for (const char* name : {"Edit13", "Button9", "Button10", "Edit18", "Edit14", "Edit15", "Edit16", "Edit17", "Edit12"}) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(Focused(), name);
    }
    EXPECT_EQ(form->Edit12->selectedText(), U("5")) << "a box reached by keyboard selects its text";
}

TEST_F(FriendsPage, TheTargetTakesAtMostThreeTypedCharacters)
{
    form->Edit12->setFocus();
    form->Edit12->selectAll();
    QTest::keyClicks(form->Edit12, QStringLiteral("1234"));
    EXPECT_EQ(form->Edit12->text(), U("123"));
}

TEST_F(FriendsPage, APlainSTypesInAnEditBoxWhileAltSStarts)
{
    form->Edit14->setFocus();
    Press(Qt::Key_S);
    EXPECT_EQ(form->Edit14->text(), U("s"));
    EXPECT_EQ(form->Timer2->Interval(), 0);
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form->Timer2->Interval(), 10);
    EXPECT_EQ(form->Edit13->text(), started_guess);
    EXPECT_EQ(Focused(), "Edit14");
    Press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(form->Timer2->Interval(), 0);
    EXPECT_EQ(form->Edit18->text(), U("はずれ～"));
}

TEST_F(FriendsPage, AHitAndAMissAndNoPointsForEither)
{
    form->State.Points = 42;
    Click(form->Button9);
    EXPECT_EQ(form->Edit13->text(), started_guess);
    EXPECT_EQ(form->Edit18->text(), started_result);
    Elapse(3000);
    Elapse(2800);
    EXPECT_EQ(form->Edit13->text(), started_guess) << "the count is silent";
    Click(form->Button10);
    EXPECT_EQ(form->Timer2->Interval(), 0);
    EXPECT_EQ(form->Edit18->text(), U("当たり!!"));
    EXPECT_EQ(form->Edit13->text(), U("5"));

    Guess(6020);
    EXPECT_EQ(form->Edit18->text(), U("はずれ～"));
    EXPECT_EQ(form->Edit13->text(), U("6"));
    EXPECT_EQ(form->State.Points, 42);
    EXPECT_EQ(form->State.Seconds, 0);
}

TEST_F(FriendsPage, EachHitFlipsTheBonusButtonAndAMissLeavesIt)
{
    ASSERT_TRUE(form->Button8->isHidden());
    Guess(5500);
    EXPECT_FALSE(form->Button8->isHidden());
    Guess(4990);
    EXPECT_FALSE(form->Button8->isHidden()) << "a miss";
    Guess(5000);
    EXPECT_TRUE(form->Button8->isHidden());
}

TEST_F(FriendsPage, TargetZeroWithNoStartIsAHit)
{
    SetTarget("0");
    Click(form->Button10);
    EXPECT_EQ(form->Edit18->text(), U("当たり!!"));
    EXPECT_EQ(form->Edit13->text(), U("0"));
    EXPECT_FALSE(form->Button8->isHidden());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FriendsPage, ATargetThatIsNoIntegerIsReportedAndTheCorrectedStopJudgesTheSameTime)
{
    Click(form->Button9);
    Elapse(7300);
    form->Edit12->setFocus();
    form->Edit12->selectAll();
    QTest::keyClicks(form->Edit12, QStringLiteral("abc"));
    Click(form->Button10);
    EXPECT_EQ(errors, QStringList{U("'abc' は整数ではありません.")});
    EXPECT_EQ(form->Timer2->Interval(), 0);
    EXPECT_EQ(form->Edit12->text(), U("abc"));
    EXPECT_EQ(form->Edit13->text(), started_guess);
    EXPECT_EQ(form->Edit18->text(), started_result);
    EXPECT_TRUE(form->Button8->isHidden());

    SetTarget("7");
    Click(form->Button10);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(form->Edit18->text(), U("当たり!!"));
    EXPECT_EQ(form->Edit13->text(), U("7"));
}

TEST_F(FriendsPage, TheTrainingPagesShareItsStopwatch)
{
    ShowPage(0);
    Click(form->Button1);
    Elapse(3000);
    ShowPage(4);
    Click(form->Button9);
    Elapse(2000);
    ShowPage(0);
    Click(form->Button2);
    EXPECT_EQ(form->Edit1->text(), U("2 : 0 : 0")) << "the friends start restarted the eye trial's count";
}

}  // namespace
