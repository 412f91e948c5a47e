#include <QRegularExpression>

#include "qt/form_fixture.h"

namespace {

using ClockAndOpacity = FormTest;

TEST_F(ClockAndOpacity, DateAndTimeAreWrittenAtCreation)
{
    EXPECT_TRUE(L(form.Label27)->text().startsWith(U("日付 : ")));
    EXPECT_GT(L(form.Label27)->text().size(), U("日付 : ").size());
    EXPECT_TRUE(L(form.Label28)->text().startsWith(U("現在の時刻 : ")));
    EXPECT_EQ(L(form.Label27)->pos(), QPoint(352, 8));
    EXPECT_EQ(L(form.Label28)->y(), 24);
    EXPECT_LE(L(form.Label28)->x(), 352) << "never further right than its row, so as not to be cut";
    EXPECT_GT(L(form.Label28)->width(), 4) << "the label grows to fit its text";
}

TEST_F(ClockAndOpacity, ClockTicksFollowANewLocaleAndTheDateStays)
{
    const QString date = L(form.Label27)->text();
    window->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    form.Dispatch(&TForm1::Timer1Timer);
    EXPECT_TRUE(QRegularExpression(U("^現在の時刻 : ([1-9]|1[0-2]):[0-5]\\d:[0-5]\\d (AM|PM)$"))
                    .match(L(form.Label28)->text())
                    .hasMatch())
        << L(form.Label28)->text().toStdString();

    window->setLocale(QLocale(QLocale::German, QLocale::Germany));
    form.Dispatch(&TForm1::Timer1Timer);
    EXPECT_TRUE(QRegularExpression(U("^現在の時刻 : ([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d$")).match(L(form.Label28)->text()).hasMatch())
        << L(form.Label28)->text().toStdString();

    window->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    form.Dispatch(&TForm1::Timer1Timer);
    EXPECT_TRUE(QRegularExpression(U("^現在の時刻 : (오전|오후) ([1-9]|1[0-2]):[0-5]\\d:[0-5]\\d$")).match(L(form.Label28)->text()).hasMatch())
        << "the designator stands before the time: " << L(form.Label28)->text().toStdString();

    window->setLocale(QLocale(QLocale::Greek, QLocale::Greece));
    form.Dispatch(&TForm1::Timer1Timer);
    EXPECT_TRUE(QRegularExpression(U("^現在の時刻 : ([1-9]|1[0-2]):[0-5]\\d:[0-5]\\d (Π\\.Μ\\.|Μ\\.Μ\\.)$")).match(L(form.Label28)->text()).hasMatch())
        << "AP writes the locale's designator in its upper case: " << L(form.Label28)->text().toStdString();

    window->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    form.Dispatch(&TForm1::Timer1Timer);
    EXPECT_TRUE(QRegularExpression(U("^現在の時刻 : (\\d|1\\d|2[0-3]):[0-5]\\d:[0-5]\\d$")).match(L(form.Label28)->text()).hasMatch())
        << L(form.Label28)->text().toStdString();
    EXPECT_EQ(L(form.Label27)->text(), date);
}

// The clock is measured only when its text changes in more than its digits:
// at every tick its size must still be the one its text measures.
TEST_F(ClockAndOpacity, TheClockKeepsTheSizeItsTextMeasuresAtEveryTick)
{
    const QTime times[] = {{9, 59, 58}, {9, 59, 59}, {10, 0, 0}, {10, 0, 1}, {11, 11, 11}, {12, 59, 59},
                           {13, 0, 0},  {0, 0, 0},   {23, 59, 59}};
    for (const QLocale& here : {QLocale(QLocale::Japanese, QLocale::Japan), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        window->setLocale(here);
        for (const QTime& time : times) {
            window->LocalClock = [time] { return time; };
            form.Dispatch(&TForm1::Timer1Timer);
            EXPECT_EQ(L(form.Label28)->size(), L(form.Label28)->sizeHint()) << L(form.Label28)->text().toStdString();
        }
    }
}

TEST_F(ClockAndOpacity, NoCharacterOfTheClockIsCutInAnyLocale)
{
    ShowPage(4);
    const QRect page = L(form.Label28)->parentWidget()->rect();
    const QLocale locales[] = {
        QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::Korean, QLocale::SouthKorea), QLocale(QLocale::Japanese, QLocale::Japan),
        QLocale(QLocale::Tamil, QLocale::India),  // long designators before the time
    };
    bool anchored = false;
    for (const QLocale& locale : locales) {
        window->setLocale(locale);
        for (const QTime& time : {QTime(10, 48, 58), QTime(22, 48, 58)}) {
            window->LocalClock = [time] { return time; };
            form.Dispatch(&TForm1::Timer1Timer);
            const QtLabel* clock = L(form.Label28);
            const std::string seen = locale.name().toStdString() + " " + clock->text().toStdString();
            EXPECT_TRUE(page.contains(clock->geometry())) << seen;
            EXPECT_GE(clock->width(), clock->fontMetrics().horizontalAdvance(clock->text())) << seen;
            EXPECT_EQ(clock->y(), 24) << seen;
            if (clock->x() != 352) {
                anchored = true;
                EXPECT_EQ(clock->geometry().right(), page.right()) << "a long text keeps its right end at the edge: " << seen;
            }
        }
    }
    EXPECT_TRUE(anchored) << "a 12-hour afternoon in en_US is too long for the designed place";
    window->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    window->LocalClock = [] { return QTime(1, 48, 58); };
    form.Dispatch(&TForm1::Timer1Timer);
    EXPECT_EQ(L(form.Label28)->pos(), QPoint(352, 24)) << "a text that fits goes back where its row puts it";
}

TEST_F(ClockAndOpacity, TransparencyStepsDownAndComesBackOpaque)
{
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
    std::vector<int> applied;
    for (int click = 0; click < 60; ++click) {
        Click(form.Button11);
        applied.push_back(qRound(window->windowOpacity() * 255));
        ASSERT_GE(applied.back(), 1);
        ASSERT_LE(applied.back(), 255);
    }
    EXPECT_EQ(applied[0], 230);
    EXPECT_EQ(applied[21], 20);
    EXPECT_EQ(applied[22], 255);
    EXPECT_EQ(applied[47], 5);
    EXPECT_EQ(applied[48], 255);
}

}  // namespace
