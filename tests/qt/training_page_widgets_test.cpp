#include "qt/form_fixture.h"

namespace {

using TrainingPages = FormTest;

QColor TextColour(EditBox* edit) { return static_cast<QLineEdit*>(WidgetOf(edit))->palette().color(QPalette::Text); }

// The prompt's colours as Qt draws them: clNone is the box's own text colour.
TEST_F(TrainingPages, ThePromptIsDrawnInTheColoursOfTheTrial)
{
    const QColor standard = QApplication::palette().color(QPalette::Text);
    Click(form.Button1);
    EXPECT_EQ(TextColour(form.Edit1), standard);
    Elapse(5990);
    Click(form.Button2);
    EXPECT_EQ(TextColour(form.Edit1), QColor(0, 128, 0)) << "a hit";
    Click(form.Button1);
    EXPECT_EQ(TextColour(form.Edit1), standard) << "a start paints the prompt in the default colour";

    ShowPage(1);
    form.State.Points = 99;
    Click(form.Button3);
    Elapse(3540);
    Click(form.Button4);
    EXPECT_EQ(TextColour(form.Edit4), QColor(166, 202, 240)) << "a hit under the gate";
}

}  // namespace
