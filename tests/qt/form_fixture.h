#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QTest>

#include "fakes.h"
#include "qt/controls.h"
#include "qt/main_window.h"

// Failures show Qt's texts as the characters they are.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// The real window as the game starts it, shown and active, on a fake clock,
// with errors collected instead of shown in a modal box: it shows itself with
// its first page and builds the others once that is drawn.
class FormTest : public ::testing::Test {
protected:
    FormTest() : window(std::make_unique<MainWindow>(ticks)), form(window->Form1)
    {
        window->ReportError = [this](const QString& text) { errors << text; };
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_TRUE(QTest::qWaitFor([this] { return form.Timer1 != nullptr; }, 5000)) << "the form was never whole";
    }

    // A key as the player presses it: it goes to whatever has the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : window.get(), key, mods);
    }
    void Click(Control* control) { QTest::mouseClick(WidgetOf(control), Qt::LeftButton); }

    // Lets `ms` of fake time pass, then delivers one tick to each running
    // refresh timer, as its timer would.
    void Elapse(std::uint32_t ms)
    {
        ticks.Advance(ms);
        if (form.Timer2->Interval() > 0)
            form.Dispatch(&TForm1::Timer2Timer);
        if (form.Timer3->Interval() > 0)
            form.Dispatch(&TForm1::Timer3Timer);
    }

    void ShowPage(int index) { window->TabbedNotebook1->SetPageIndex(index); }

    QString Focused() const
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }

    // The widgets that draw the form's controls.
    static QWidget* W(Control* control) { return WidgetOf(control); }
    static QLineEdit* E(EditBox* edit) { return static_cast<QLineEdit*>(WidgetOf(edit)); }
    static QPushButton* B(Button* button) { return static_cast<QPushButton*>(WidgetOf(button)); }
    static QtLabel* L(Label* label) { return static_cast<QtLabel*>(WidgetOf(label)); }

    static QString U(const char* text) { return QString::fromUtf8(text); }

    FakeTicks ticks;
    QStringList errors;
    std::unique_ptr<MainWindow> window;
    TForm1& form;
};
