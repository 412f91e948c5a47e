#include "window/form_fixture.h"

namespace {

using TrainingPages = FormTest;

QColor TextColour(const EditBox* edit) { return edit->palette().color(QPalette::Text); }
QColor LabelColour(const QWidget* label) { return label->palette().color(QPalette::WindowText); }

TEST_F(TrainingPages, MindsEyeControlsStandWhereTheLayoutPutsThem)
{
    EXPECT_EQ(form->Label3->geometry(), QRect(160, 24, 137, 25)) << "fixed size";
    EXPECT_EQ(form->Label3->text(), U(" 5  秒 を 心 で ヨ メ !"));
    EXPECT_TRUE(form->Label3->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(form->Label4->pos(), QPoint(40, 150));
    EXPECT_EQ(LabelColour(form->Label4), QColor(128, 128, 128));
    EXPECT_EQ(form->Label4->font().pixelSize(), 13);
    EXPECT_EQ(form->Label6->font().pixelSize(), 11);
    EXPECT_EQ(form->Label6->text(), U("1 . 1/10 . 1/100 (秒) の順だ。"));

    EXPECT_EQ(form->Edit1->geometry(), QRect(136, 48, 233, 20));
    EXPECT_EQ(form->Edit2->geometry(), QRect(120, 144, 161, 21)) << "13 px font: 21 high";
    EXPECT_EQ(form->Edit2->text(), U("0  回 、 見 切 っ た !"));
    EXPECT_EQ(TextColour(form->Edit2), QColor(0, 0, 255));
    EXPECT_EQ(form->Edit3->text(), U("0  H i t !"));
    EXPECT_EQ(TextColour(form->Edit3), QColor(0, 128, 128));
    for (EditBox* e : {form->Edit1, form->Edit2, form->Edit3}) {
        EXPECT_TRUE(e->isReadOnly());
        EXPECT_FALSE(e->focusPolicy() & Qt::TabFocus);
    }

    EXPECT_EQ(form->Button1->geometry(), QRect(80, 96, 75, 25));
    EXPECT_EQ(form->Button1->text(), U("スタート(&S)"));
    EXPECT_EQ(form->Button2->text(), U("ストップ(&P)"));
    EXPECT_EQ(form->Button11->geometry(), QRect(304, 184, 153, 33));
    EXPECT_EQ(form->Button11->text(), U("透明化 (Win2000/XP 以上)"));
    EXPECT_EQ(form->Button11->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form->TabOrder(0), (std::vector<QWidget*>{form->Edit1, form->Button1, form->Button2, form->Edit2,
                                                        form->Edit3, form->Button11}));
}

TEST_F(TrainingPages, HeartsVoiceControlsStandWhereTheLayoutPutsThem)
{
    EXPECT_EQ(form->Label8->geometry(), QRect(40, 146, 65, 20));
    EXPECT_EQ(form->Label15->pos(), QPoint(160, 24));
    EXPECT_EQ(form->Label15->text(), U("1/10 の 位 を 5 で 断 て !"));
    EXPECT_EQ(form->Edit4->text(), U("・・・そろそろいけるか？"));
    EXPECT_EQ(form->Button3->geometry(), QRect(80, 96, 73, 25));
    EXPECT_EQ(form->Button4->text(), U("ストップ (&P)"));
    EXPECT_EQ(form->Edit5->text(), U("0 回 、 ヨ  ん だ !"));
    EXPECT_EQ(form->Edit6->text(), U("0 H i t !"));
    EXPECT_EQ(form->Edit6->geometry(), QRect(120, 176, 161, 20));
}

TEST_F(TrainingPages, LabelsLieBeneathEditBoxesAndButtons)
{
    QWidget* page = form->TabbedNotebook1->Page(0);
    const QObjectList& stack = page->children();  // bottom to top
    auto depth = [&](QObject* o) { return stack.indexOf(o); };
    for (QWidget* label : {static_cast<QWidget*>(form->Label3), static_cast<QWidget*>(form->Label6)})
        for (QWidget* control : {static_cast<QWidget*>(form->Edit1), static_cast<QWidget*>(form->Button11)})
            EXPECT_LT(depth(label), depth(control));
}

TEST_F(TrainingPages, AnEyeTrialPlayedThroughTheWindow)
{
    const QColor standard = QApplication::palette().color(QPalette::Text);
    Click(form->Button1);
    EXPECT_EQ(TextColour(form->Edit1), standard);
    Elapse(2000);
    Elapse(3000);
    EXPECT_EQ(form->Edit1->text(), U(" 貴 様 に 見 切 れ る か ？")) << "the count is silent";
    Elapse(990);
    Click(form->Button2);
    EXPECT_EQ(form->Edit1->text(), U(" 貴 様 は す ご い ぞ ! !\u3000ジ ャ ス ト だ !"));
    EXPECT_EQ(TextColour(form->Edit1), QColor(0, 128, 0));
    EXPECT_EQ(form->Edit2->text(), U("1\u3000回 、 見 切 っ た !"));
    EXPECT_EQ(form->Edit3->text(), U("1\u3000H i t !"));
    EXPECT_EQ(form->State.Points, 8);

    Click(form->Button1);
    EXPECT_EQ(TextColour(form->Edit1), standard) << "a start paints the prompt in the default colour";
    Elapse(15234);
    Click(form->Button2);
    EXPECT_EQ(form->Edit1->text(), U("15 : 2 : 3"));
    EXPECT_EQ(TextColour(form->Edit1), standard);
    EXPECT_EQ(form->Edit3->text(), U("0\u3000H i t !"));
    EXPECT_EQ(form->State.Points, 7);
}

TEST_F(TrainingPages, AStopBeforeTheFirstTickJudgesTheOldDigits)
{
    Click(form->Button1);
    ticks.Advance(5500);  // time passes but no tick arrives
    Click(form->Button2);
    EXPECT_EQ(form->Edit1->text(), U("0 : 0 : 0"));
}

TEST_F(TrainingPages, AVoiceTrialUnderTheGate)
{
    ShowPage(1);
    form->State.Points = 99;
    Click(form->Button3);
    EXPECT_EQ(form->Edit4->text(), U("100Pointまで修行してから参れ"));
    Elapse(3540);
    Click(form->Button4);
    EXPECT_EQ(form->Edit4->text(), U("100Pointまで修行してから参れ"));
    EXPECT_EQ(TextColour(form->Edit4), QColor(166, 202, 240));
    EXPECT_EQ(form->Edit5->text(), U("1\u3000回 、 見 切 っ た !"));
    EXPECT_EQ(form->State.Points, 214);

    Click(form->Button3);
    EXPECT_EQ(form->Edit4->text(), U(" 貴 様 に 聞 こ え る か ？"));
    Elapse(3490);
    Click(form->Button4);
    EXPECT_EQ(form->Edit4->text(), U("4 "));
    EXPECT_EQ(form->Edit6->text(), U("0\u3000H i t !"));
}

TEST_F(TrainingPages, StopsBelow500PointsHideTheHiddenDomainButton)
{
    form->Button5->show();
    form->State.Points = 500;
    Click(form->Button2);
    EXPECT_FALSE(form->Button5->isHidden()) << "500 before the stop: stays";
    EXPECT_EQ(form->State.Points, 499);
    ShowPage(1);
    Click(form->Button4);
    EXPECT_TRUE(form->Button5->isHidden());
}

}  // namespace
