#include "qt/form_fixture.h"

#include <QFile>

namespace {

class HallAndDomain : public FormTest {
protected:
    QtPicture* Picture1() const { return static_cast<QtPicture*>(W(form.Image1)); }
};

QColor TextColour(EditBox* edit) { return static_cast<QLineEdit*>(WidgetOf(edit))->palette().color(QPalette::Text); }

constexpr int HallPage = 2;
constexpr int DomainPage = 3;

class HiddenTrialPage : public FormTest {
protected:
    HiddenTrialPage()
    {
        form.State.Points = 500;
        ShowPage(HallPage);
        Click(form.Bt5);
        Click(form.Button5);
        ShowPage(DomainPage);
        form.State.Points = 0;
    }
};

TEST_F(HiddenTrialPage, TheReadoutRunsInRedAndStopsInGreen)
{
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form.Timer3->Interval(), 10);
    EXPECT_EQ(TextColour(form.Edit10), QColor(255, 0, 0));
    EXPECT_EQ(E(form.Edit10)->text(), U("偽神 : 「かかって来い..」")) << "nothing shows before the first tick";
    Elapse(1234);
    EXPECT_EQ(E(form.Edit10)->text(), "1 : 2 :3 ");
    Elapse(6466);
    EXPECT_EQ(E(form.Edit10)->text(), "7 : 7 :0 ");
    Press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(form.Timer3->Interval(), 0);
    EXPECT_EQ(TextColour(form.Edit10), QColor(0, 128, 0));
    EXPECT_EQ(E(form.Edit10)->text(), "7 : 7 :0 ") << "the last readout stays";
    EXPECT_EQ(E(form.Edit11)->text(), U("敗北"));
    EXPECT_EQ(E(form.Edit11)->font().pixelSize(), 12);
}

TEST_F(HiddenTrialPage, AVictoryWritesInLargerTypeThatStays)
{
    Click(form.Button6);
    Elapse(7000);
    Elapse(775);
    Click(form.Button7);
    EXPECT_EQ(E(form.Edit11)->text(), U("勝利"));
    ASSERT_EQ(E(form.Edit11)->logicalDpiY(), 96);
    EXPECT_EQ(E(form.Edit11)->font().pixelSize(), 17);
    EXPECT_EQ(E(form.Edit11)->geometry(), QRect(120, 152, 121, 25));

    Click(form.Button7);  // no start since: 0 : 0 : 0
    EXPECT_EQ(E(form.Edit11)->text(), U("敗北"));
    EXPECT_EQ(E(form.Edit11)->font().pixelSize(), 17);
    EXPECT_EQ(E(form.Edit11)->geometry(), QRect(120, 152, 121, 25));
}

TEST_F(HallAndDomain, ThePagePictureSitsAtTheTopLeftOfItsBox)
{
    const QPixmap picture = Picture1()->pixmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(71, 127));
    const QImage drawn = picture.toImage();
    const QColor navy = drawn.pixelColor(60, 115);
    EXPECT_LT(navy.red() + navy.green(), 30);
    EXPECT_GT(navy.blue(), 104);
    EXPECT_GT(drawn.pixelColor(2, 2).lightness(), 220);
    EXPECT_EQ(Picture1()->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST_F(HallAndDomain, ADamagedPictureLeavesThePictureEmpty)
{
    QFile asset(QStringLiteral(":/hall.jpg"));
    ASSERT_TRUE(asset.open(QIODevice::ReadOnly));
    const QByteArray jpeg = asset.readAll();
    auto show = [&](const QByteArray& data) {
        Picture1()->ShowJpeg({reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())});
    };
    show(jpeg.left(jpeg.size() / 3));
    EXPECT_TRUE(Picture1()->pixmap().isNull());
    show(jpeg);
    EXPECT_FALSE(Picture1()->pixmap().isNull());
    show(QByteArray(500, 'x'));
    EXPECT_TRUE(Picture1()->pixmap().isNull());
    show(QByteArray());
    EXPECT_TRUE(Picture1()->pixmap().isNull());
}

TEST_F(HallAndDomain, TheCloseButtonCarriesTheDoorAndItsGreyedTwin)
{
    const QIcon glyph = B(form.BitBtn1)->icon();
    EXPECT_EQ(B(form.BitBtn1)->iconSize(), QSize(18, 18));
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

TEST_F(HallAndDomain, AcceleratorsOfTheHallAndOfTheClosedDomain)
{
    ShowPage(DomainPage);
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form.Timer3->Interval(), 0) << "a hidden button takes no accelerator";
    ShowPage(0);
    Press(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(window->isVisible()) << "no close button on the first page";
    ShowPage(HallPage);
    Press(Qt::Key_C, Qt::AltModifier);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
