#include <QRegularExpression>

#include "window/form_fixture.h"

namespace {

using ClockAndOpacity = FormTest;

TEST_F(ClockAndOpacity, DateAndTimeAreWrittenAtCreation)
{
    EXPECT_TRUE(form->Label27->text().startsWith(U("日付 : ")));
    EXPECT_GT(form->Label27->text().size(), U("日付 : ").size());
    EXPECT_TRUE(form->Label28->text().startsWith(U("現在の時刻 : ")));
    EXPECT_EQ(form->Label27->pos(), QPoint(352, 8));
    EXPECT_EQ(form->Label28->y(), 24);
    EXPECT_LE(form->Label28->x(), 352) << "never further right than its row, so as not to be cut";
    EXPECT_GT(form->Label28->width(), 4) << "the label grows to fit its text";
}

TEST_F(ClockAndOpacity, ClockTicksFollowANewLocaleAndTheDateStays)
{
    const QString date = form->Label27->text();
    form->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    emit form->Timer1->Ticked();
    EXPECT_TRUE(QRegularExpression(U("^現在の時刻 : ([1-9]|1[0-2]):[0-5]\\d:[0-5]\\d (AM|PM)$"))
                    .match(form->Label28->text())
                    .hasMatch())
        << form->Label28->text().toStdString();

    form->setLocale(QLocale(QLocale::German, QLocale::Germany));
    emit form->Timer1->Ticked();
    EXPECT_TRUE(QRegularExpression(U("^現在の時刻 : ([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d$")).match(form->Label28->text()).hasMatch())
        << form->Label28->text().toStdString();

    form->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    emit form->Timer1->Ticked();
    EXPECT_TRUE(QRegularExpression(U("^現在の時刻 : (오전|오후) ([1-9]|1[0-2]):[0-5]\\d:[0-5]\\d$")).match(form->Label28->text()).hasMatch())
        << "the designator stands before the time: " << form->Label28->text().toStdString();

    form->setLocale(QLocale(QLocale::Greek, QLocale::Greece));
    emit form->Timer1->Ticked();
    EXPECT_TRUE(QRegularExpression(U("^現在の時刻 : ([1-9]|1[0-2]):[0-5]\\d:[0-5]\\d (Π\\.Μ\\.|Μ\\.Μ\\.)$")).match(form->Label28->text()).hasMatch())
        << "AP writes the locale's designator in its upper case: " << form->Label28->text().toStdString();

    form->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    emit form->Timer1->Ticked();
    EXPECT_TRUE(QRegularExpression(U("^現在の時刻 : (\\d|1\\d|2[0-3]):[0-5]\\d:[0-5]\\d$")).match(form->Label28->text()).hasMatch())
        << form->Label28->text().toStdString();
    EXPECT_EQ(form->Label27->text(), date);
}

// The clock is measured only when its text changes in more than its digits:
// at every tick its size must still be the one its text measures.
TEST_F(ClockAndOpacity, TheClockKeepsTheSizeItsTextMeasuresAtEveryTick)
{
    const QTime times[] = {{9, 59, 58}, {9, 59, 59}, {10, 0, 0}, {10, 0, 1}, {11, 11, 11}, {12, 59, 59},
                           {13, 0, 0},  {0, 0, 0},   {23, 59, 59}};
    for (const QLocale& here : {QLocale(QLocale::Japanese, QLocale::Japan), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        form->setLocale(here);
        for (const QTime& time : times) {
            form->LocalTime = [time] { return time; };
            emit form->Timer1->Ticked();
            EXPECT_EQ(form->Label28->size(), form->Label28->sizeHint()) << form->Label28->text().toStdString();
        }
    }
}

TEST_F(ClockAndOpacity, NoCharacterOfTheClockIsCutInAnyLocale)
{
    ShowPage(4);
    const QRect page = form->Label28->parentWidget()->rect();
    const QLocale locales[] = {
        QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::Korean, QLocale::SouthKorea), QLocale(QLocale::Japanese, QLocale::Japan),
        QLocale(QLocale::Tamil, QLocale::India),  // long designators before the time
    };
    bool anchored = false;
    for (const QLocale& locale : locales) {
        form->setLocale(locale);
        for (const QTime& time : {QTime(10, 48, 58), QTime(22, 48, 58)}) {
            form->LocalTime = [time] { return time; };
            emit form->Timer1->Ticked();
            const Label* clock = form->Label28;
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
    form->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    form->LocalTime = [] { return QTime(1, 48, 58); };
    emit form->Timer1->Ticked();
    EXPECT_EQ(form->Label28->pos(), QPoint(352, 24)) << "a text that fits goes back where its row puts it";
}

TEST_F(ClockAndOpacity, TransparencyStepsDownAndComesBackOpaque)
{
    EXPECT_DOUBLE_EQ(form->windowOpacity(), 1.0);
    std::vector<int> applied;
    for (int click = 0; click < 60; ++click) {
        Click(form->Button11);
        applied.push_back(qRound(form->windowOpacity() * 255));
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
