#include "qt/form_fixture.h"

namespace {

class FriendsPage : public FormTest {
protected:
    FriendsPage() { ShowPage(4); }
};

TEST_F(FriendsPage, TabWalksAllNineStopsInOrder)
{
    W(form.Edit12)->setFocus();
    for (const char* name : {"Edit13", "Button9", "Button10", "Edit18", "Edit14", "Edit15", "Edit16", "Edit17", "Edit12"}) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(Focused(), name);
    }
    EXPECT_EQ(E(form.Edit12)->selectedText(), U("5")) << "a box reached by keyboard selects its text";
}

TEST_F(FriendsPage, TheTargetTakesAtMostThreeTypedCharacters)
{
    W(form.Edit12)->setFocus();
    E(form.Edit12)->selectAll();
    QTest::keyClicks(W(form.Edit12), QStringLiteral("1234"));
    EXPECT_EQ(E(form.Edit12)->text(), U("123"));
}

TEST_F(FriendsPage, APlainSTypesInAnEditBoxWhileAltSStarts)
{
    W(form.Edit14)->setFocus();
    Press(Qt::Key_S);
    EXPECT_EQ(E(form.Edit14)->text(), U("s"));
    EXPECT_EQ(form.Timer2->Interval(), 0);
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form.Timer2->Interval(), 10);
    EXPECT_EQ(E(form.Edit13)->text(), U(" 当 た る か ! ? "));
    EXPECT_EQ(Focused(), "Edit14");
    Press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(form.Timer2->Interval(), 0);
    EXPECT_EQ(E(form.Edit18)->text(), U("はずれ～"));
}

// The target reaches the error box through Qt's text and back, every
// character kept: markup, and a NUL that another program put in the box.
TEST_F(FriendsPage, TheErrorQuotesTheTargetExactlyAsTheBoxHoldsIt)
{
    W(form.Edit12)->setFocus();
    E(form.Edit12)->selectAll();
    QTest::keyClicks(W(form.Edit12), QStringLiteral("<b>"));
    Press(Qt::Key_P, Qt::AltModifier);
    E(form.Edit12)->setText(QStringLiteral("a") + QChar(0) + u'b');
    Click(form.Button10);
    EXPECT_EQ(errors, (QStringList{U("'<b>' は整数ではありません."),
                                   QStringLiteral("'a") + QChar(0) + U("b' は整数ではありません.")}));
}

}  // namespace
