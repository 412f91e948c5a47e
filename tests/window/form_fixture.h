#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QTest>

#include "fakes.h"
#include "window/tform1.h"

// The real window, shown and active, on a fake clock, with errors collected
// instead of shown in a modal box.
class FormTest : public ::testing::Test {
protected:
    FormTest()
    {
        form = std::make_unique<TForm1>(ticks);
        form->ReportError = [this](const QString& text) { errors << text; };
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // A key as the player presses it: it goes to whatever has the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : form.get(), key, mods);
    }
    void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // Lets `ms` of fake time pass, then delivers one tick to each running timer.
    void Elapse(std::uint32_t ms)
    {
        ticks.Advance(ms);
        for (LayoutTimer* timer : {form->Timer2, form->Timer3})
            if (timer->Interval() > 0)
                emit timer->Ticked();
    }

    void ShowPage(int index) { form->TabbedNotebook1->SetPageIndex(index); }

    QString Focused() const
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }

    static QString U(const char* text) { return QString::fromUtf8(text); }

    FakeTicks ticks;
    QStringList errors;
    std::unique_ptr<TForm1> form;
};
