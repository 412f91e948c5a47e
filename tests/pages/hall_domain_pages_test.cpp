#include "window/form_fixture.h"

#include <QFile>

namespace {

using HallAndDomain = FormTest;

QColor TextColour(const EditBox* edit) { return edit->palette().color(QPalette::Text); }
QColor LabelColour(const QWidget* label) { return label->palette().color(QPalette::WindowText); }

constexpr int HallPage = 2;
constexpr int DomainPage = 3;

TEST_F(HallAndDomain, HallOfMemoryControlsStandWhereTheLayoutPutsThem)
{
    EXPECT_EQ(form->Label1->geometry(), QRect(0, 8, 145, 17));
    EXPECT_EQ(form->Label1->text(), U("～心の目～ のスコア"));
    EXPECT_EQ(LabelColour(form->Label1), QColor(0, 128, 0));
    EXPECT_EQ(form->Label1->font().pixelSize(), 15);
    EXPECT_EQ(form->Label7->pos(), QPoint(0, 64));
    EXPECT_EQ(form->Label7->text(), U("～心の声～ のスコア"));
    EXPECT_EQ(LabelColour(form->Label7), QColor(0, 0, 128));
    EXPECT_EQ(form->Label10->geometry(), QRect(232, 8, 121, 20));
    EXPECT_EQ(form->Label10->text(), U("トータル スコア"));
    EXPECT_EQ(LabelColour(form->Label10), QColor(255, 0, 0));
    EXPECT_EQ(form->Label11->pos(), QPoint(0, 176));
    EXPECT_EQ(form->Label11->text(), U("計500以上デ記憶ヲ見セヨ。道ハ開カレン。"));
    EXPECT_EQ(form->Image1->geometry(), QRect(384, 32, 73, 129));

    for (EditBox* e : {form->Edit7, form->Edit8, form->Edit9}) {
        EXPECT_TRUE(e->text().isEmpty());
        EXPECT_TRUE(e->isReadOnly());
        EXPECT_FALSE(e->focusPolicy() & Qt::TabFocus);
    }
    EXPECT_EQ(form->Edit7->geometry(), QRect(224, 32, 121, 20));
    EXPECT_EQ(form->Edit8->geometry(), QRect(16, 32, 121, 20));
    EXPECT_EQ(form->Edit9->geometry(), QRect(16, 96, 121, 20));

    EXPECT_EQ(form->Bt5->geometry(), QRect(216, 168, 75, 25));
    EXPECT_EQ(form->Bt5->text(), U("記憶表示"));
    EXPECT_EQ(form->Bt5->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form->Button5->geometry(), QRect(232, 104, 113, 25));
    EXPECT_EQ(form->Button5->text(), U("【隠し】 神の領域"));
    EXPECT_TRUE(form->Button5->isHidden());
    EXPECT_EQ(form->Button5->cursor().shape(), Qt::DragCopyCursor);
    EXPECT_EQ(form->BitBtn1->geometry(), QRect(304, 168, 75, 25));
    EXPECT_EQ(form->BitBtn1->text(), U("閉じる(&C)"));
    EXPECT_EQ(form->BitBtn1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form->TabOrder(HallPage), (std::vector<QWidget*>{form->Edit7, form->Bt5, form->Edit8, form->Edit9,
                                                               form->Button5, form->BitBtn1}));
}

TEST_F(HallAndDomain, MysteryDomainShowsOnlyItsWarningUntilOpened)
{
    EXPECT_EQ(form->Label2->geometry(), QRect(16, 40, 241, 36));
    EXPECT_TRUE(form->Label2->text().isEmpty());
    EXPECT_TRUE(form->Label2->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(form->Label2->font().pixelSize(), 15);
    EXPECT_EQ(form->Label12->pos(), QPoint(136, 24));
    EXPECT_EQ(form->Label12->text(), U("7 : 7 : 7 で 斬 れ!"));
    EXPECT_EQ(form->Label13->pos(), QPoint(56, 64));
    EXPECT_EQ(form->Label13->text(), U("？ : 「ここは貴様が来ていい領域ではない。立ち去れ。」"));
    EXPECT_EQ(form->Label14->pos(), QPoint(96, 184));
    EXPECT_FALSE(form->Label14->text().isEmpty());
    EXPECT_EQ(form->Label14->font().pixelSize(), 12);
    EXPECT_EQ(LabelColour(form->Label14), QColor(0, 128, 128));
    EXPECT_TRUE(form->Label14->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(form->Edit10->geometry(), QRect(56, 64, 217, 20));
    EXPECT_EQ(form->Edit10->text(), U("偽神 : 「かかって来い..」"));
    EXPECT_TRUE(form->Edit10->isReadOnly());
    EXPECT_EQ(form->Button6->geometry(), QRect(32, 104, 75, 25));
    EXPECT_EQ(form->Button6->text(), U("いくぞ (&S)"));
    EXPECT_EQ(form->Button7->geometry(), QRect(224, 104, 75, 25));
    EXPECT_EQ(form->Button7->text(), U("見切った (&P)"));
    EXPECT_EQ(form->Edit11->geometry(), QRect(120, 152, 121, 20));
    EXPECT_EQ(form->Button8->geometry(), QRect(304, 156, 49, 25));
    EXPECT_EQ(form->Button8->text(), U("裏技(笑)"));
    EXPECT_EQ(form->Button8->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(form->TabOrder(DomainPage), (std::vector<QWidget*>{form->Edit10, form->Button6, form->Button7,
                                                                 form->Edit11, form->Button8}));

    for (QWidget* hidden : std::initializer_list<QWidget*>{form->Label12, form->Edit10, form->Button6, form->Button7,
                                                           form->Button8})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    EXPECT_FALSE(form->Label13->isHidden());

    ShowPage(DomainPage);
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form->Timer3->Interval(), 0) << "a hidden button takes no accelerator";
}

TEST_F(HallAndDomain, ScoresShowOnDemandAndTheWayOpensAt500)
{
    ShowPage(HallPage);
    form->State = {.Points = 499, .EyeTotal = 4, .VoiceTotal = 2};
    Click(form->Bt5);
    EXPECT_EQ(form->Edit7->text(), "499");
    EXPECT_EQ(form->Edit8->text(), "4");
    EXPECT_EQ(form->Edit9->text(), "2");
    EXPECT_TRUE(form->Button5->isHidden());

    form->State.Points = 500;
    EXPECT_EQ(form->Edit7->text(), "499") << "the fields do not follow the score by themselves";
    Click(form->Bt5);
    EXPECT_FALSE(form->Button5->isHidden());

    form->State.Points = -3;
    Click(form->Bt5);
    EXPECT_EQ(form->Edit7->text(), "-3");
    EXPECT_TRUE(form->Button5->isHidden());
}

TEST_F(HallAndDomain, ATrainingStopBelow500HidesTheWayAgain)
{
    ShowPage(HallPage);
    form->State.Points = 500;
    Click(form->Bt5);
    ASSERT_FALSE(form->Button5->isHidden());
    ShowPage(0);
    Click(form->Button2);  // a failure: 499 now, but judged on the 500 before it
    EXPECT_FALSE(form->Button5->isHidden());
    Click(form->Button2);
    EXPECT_TRUE(form->Button5->isHidden());
}

TEST_F(HallAndDomain, OpeningTheDomainRevealsTheTrialForGood)
{
    ShowPage(HallPage);
    form->State.Points = 600;
    Click(form->Bt5);
    Click(form->Button5);
    for (QWidget* shown : std::initializer_list<QWidget*>{form->Label12, form->Edit10, form->Button6, form->Button7})
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    EXPECT_TRUE(form->Label13->isHidden());
    EXPECT_TRUE(form->Button8->isHidden()) << "the bonus is not part of the opening";

    form->State.Points = 0;
    Click(form->Bt5);
    EXPECT_TRUE(form->Button5->isHidden());
    EXPECT_FALSE(form->Button6->isHidden()) << "the domain stays open";
    EXPECT_TRUE(form->Label13->isHidden());
}

class HiddenTrialPage : public FormTest {
protected:
    HiddenTrialPage()
    {
        form->State.Points = 500;
        ShowPage(HallPage);
        Click(form->Bt5);
        Click(form->Button5);
        ShowPage(DomainPage);
        form->State.Points = 0;
    }
};

TEST_F(HiddenTrialPage, TheReadoutRunsInRedAndStopsInGreen)
{
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form->Timer3->Interval(), 10);
    EXPECT_EQ(TextColour(form->Edit10), QColor(255, 0, 0));
    EXPECT_EQ(form->Edit10->text(), U("偽神 : 「かかって来い..」")) << "nothing shows before the first tick";
    Elapse(1234);
    EXPECT_EQ(form->Edit10->text(), "1 : 2 :3 ");
    Elapse(6466);
    EXPECT_EQ(form->Edit10->text(), "7 : 7 :0 ");
    Press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(form->Timer3->Interval(), 0);
    EXPECT_EQ(TextColour(form->Edit10), QColor(0, 128, 0));
    EXPECT_EQ(form->Edit10->text(), "7 : 7 :0 ") << "the last readout stays";
    EXPECT_EQ(form->Edit11->text(), U("敗北"));
    EXPECT_EQ(form->State.Points, 2850);
    EXPECT_EQ(form->Edit11->font().pixelSize(), 12);
}

TEST_F(HiddenTrialPage, AVictoryWritesInLargerTypeThatStays)
{
    Click(form->Button6);
    Elapse(7000);
    Elapse(775);
    Click(form->Button7);
    EXPECT_EQ(form->Edit11->text(), U("勝利"));
    EXPECT_EQ(form->State.Points, 9100);
    ASSERT_EQ(form->Edit11->logicalDpiY(), 96);
    EXPECT_EQ(form->Edit11->font().pixelSize(), 17);
    EXPECT_EQ(form->Edit11->geometry(), QRect(120, 152, 121, 25));

    Click(form->Button7);  // no start since: 0 : 0 : 0
    EXPECT_EQ(form->Edit11->text(), U("敗北"));
    EXPECT_EQ(form->State.Points, 8850);
    EXPECT_EQ(form->Edit11->font().pixelSize(), 17);
    EXPECT_EQ(form->Edit11->geometry(), QRect(120, 152, 121, 25));
}

TEST_F(HiddenTrialPage, ATrainingTrialRunningAlongsideFeedsTheSameDigits)
{
    Click(form->Button6);
    Elapse(3000);
    ShowPage(0);
    Click(form->Button1);
    Elapse(20);
    EXPECT_EQ(form->Edit10->text(), "0 : 0 :2 ");
    EXPECT_EQ(form->Timer2->Interval(), 10);
    EXPECT_EQ(form->Timer3->Interval(), 10);
}

TEST_F(HiddenTrialPage, TheBonusPaysOnceAndHides)
{
    form->Button8->show();
    Click(form->Button8);
    EXPECT_EQ(form->State.Points, 500);
    EXPECT_TRUE(form->Button8->isHidden());
}

TEST_F(HallAndDomain, ThePagePictureSitsAtTheTopLeftOfItsBox)
{
    const QPixmap picture = form->Image1->pixmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(71, 127));
    const QImage drawn = picture.toImage();
    const QColor navy = drawn.pixelColor(60, 115);
    EXPECT_LT(navy.red() + navy.green(), 30);
    EXPECT_GT(navy.blue(), 104);
    EXPECT_GT(drawn.pixelColor(2, 2).lightness(), 220);
    EXPECT_EQ(form->Image1->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST_F(HallAndDomain, ADamagedPictureLeavesThePictureEmpty)
{
    QFile asset(QStringLiteral(":/hall.jpg"));
    ASSERT_TRUE(asset.open(QIODevice::ReadOnly));
    const QByteArray jpeg = asset.readAll();
    auto show = [&](const QByteArray& data) {
        form->Image1->ShowJpeg({reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())});
    };
    show(jpeg.left(jpeg.size() / 3));
    EXPECT_TRUE(form->Image1->pixmap().isNull());
    show(jpeg);
    EXPECT_FALSE(form->Image1->pixmap().isNull());
    show(QByteArray(500, 'x'));
    EXPECT_TRUE(form->Image1->pixmap().isNull());
    show(QByteArray());
    EXPECT_TRUE(form->Image1->pixmap().isNull());
}

TEST_F(HallAndDomain, TheCloseButtonCarriesTheDoorAndItsGreyedTwin)
{
    const QIcon glyph = form->BitBtn1->icon();
    EXPECT_EQ(form->BitBtn1->iconSize(), QSize(18, 18));
    const QImage normal = glyph.pixmap(18, 18, QIcon::Normal).toImage();
    const QImage greyed = glyph.pixmap(18, 18, QIcon::Disabled).toImage();
    ASSERT_EQ(normal.size(), QSize(18, 18));
    ASSERT_EQ(greyed.size(), QSize(18, 18));
    bool coloured = false;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            const QColor c = greyed.pixelColor(x, y);
            if (c.alpha() > 0) {
                EXPECT_EQ(c.red(), c.blue()) << "greyed twin is grey at " << x << "," << y;
            }
            const QColor n = normal.pixelColor(x, y);
            coloured |= n.alpha() > 0 && n.red() != n.blue();
        }
    EXPECT_TRUE(coloured);
}

TEST_F(HallAndDomain, AltCClosesTheWindowFromTheHallOnly)
{
    Press(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(form->isVisible()) << "no close button on the first page";
    ShowPage(HallPage);
    Press(Qt::Key_C, Qt::AltModifier);
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
