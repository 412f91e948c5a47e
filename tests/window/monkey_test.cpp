// Random play through the real window: clicks, keys, page turns, typing and
// jumps of the clock, checking after every event what must always hold.
//
//   HORUMINA_MONKEY_SEED=<n>    replay a seed (a failure prints its seed)
//   HORUMINA_MONKEY_EVENTS=<n>  how many events (100000 by default)
#include <random>

#include <QClipboard>
#include <QRegularExpression>

#include "window/form_fixture.h"

namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toULongLong();
}

class Monkey : public FormTest {
protected:
    template <class T>
    T* Pick(const QList<T*>& list)
    {
        return list.isEmpty() ? nullptr : list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(rng)];
    }
    int Roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng); }

    QList<Button*> VisibleButtons()
    {
        QList<Button*> buttons;
        for (Button* b : form->TabbedNotebook1->CurrentPage()->findChildren<Button*>())
            if (b->isVisible() && b->isEnabled())
                buttons << b;
        return buttons;
    }
    QList<EditBox*> EditableBoxes()
    {
        QList<EditBox*> boxes;
        for (EditBox* e : form->TabbedNotebook1->CurrentPage()->findChildren<EditBox*>())
            if (e->isVisible() && !e->isReadOnly())
                boxes << e;
        return boxes;
    }

    QString RandomText(int max_length)
    {
        static const char16_t pool[] = u"0123456789 +-$xXabcdefABCDEF.,'\t\n\u3000０１２３あ当𝄞\u00e9\u200b";
        QString text;
        for (int n = Roll(max_length + 1); n > 0; --n)
            text += QChar(pool[Roll(int(std::size(pool) - 1))]);
        return text;
    }
    // What another program could put in a box: any bytes, read as UTF-8.
    QString RandomBytes(int max_length)
    {
        QByteArray bytes;
        for (int n = Roll(max_length + 1); n > 0; --n)
            bytes += char(Roll(256));
        return QString::fromUtf8(bytes);
    }

    // Typed as the keyboard would: letters and digits by their keys, Tab and
    // Enter as such, anything else as the text an input method delivers.
    void Type(const QString& text)
    {
        for (QChar c : text) {
            QWidget* target = QApplication::focusWidget();
            if (!target)
                return;
            if (c == u'\t' || c == u'\n')
                QTest::keyClick(target, c == u'\t' ? Qt::Key_Tab : Qt::Key_Return);
            else if (c.unicode() < 0x80 && c.isLetterOrNumber())
                QTest::keyClick(target, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    void RandomEvent()
    {
        static const Qt::Key keys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,
                                       Qt::Key_Down, Qt::Key_Return,  Qt::Key_Enter,  Qt::Key_Space, Qt::Key_Escape,
                                       Qt::Key_S,    Qt::Key_P,       Qt::Key_C,      Qt::Key_A,     Qt::Key_Z};
        switch (Roll(10)) {
        case 0:
        case 1:
            if (Button* b = Pick(VisibleButtons()))
                Click(b);
            break;
        case 2: {
            const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::AltModifier, Qt::ShiftModifier, Qt::ControlModifier};
            Press(keys[Roll(int(std::size(keys)))], mods[Roll(4)]);
            break;
        }
        case 3: {
            QTabBar* tabs = form->TabbedNotebook1->TabStrip();
            if (Roll(2))
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(Roll(5)).center());
            else
                ShowPage(Roll(5));
            break;
        }
        case 4:
            if (EditBox* box = Pick(EditableBoxes())) {
                box->setFocus();
                Type(RandomText(6));
            }
            break;
        case 5:
            if (EditBox* box = Pick(EditableBoxes())) {
                const QString text = Roll(2) ? RandomBytes(Roll(10) ? 8 : 5000) : RandomText(Roll(10) ? 8 : 5000);
                if (Roll(2)) {
                    box->setText(text);  // as another program would put it there
                } else {
                    QApplication::clipboard()->setText(text);
                    box->setFocus();
                    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                }
            }
            break;
        case 6:
            emit form->Timer1->Ticked();
            break;
        default:
            Jump();
            break;
        }
    }

    // Small steps mostly, now and then seconds, rarely anything up to a wrap.
    void Jump()
    {
        const int kind = Roll(20);
        const std::uint32_t ms = kind < 14 ? std::uint32_t(Roll(40))
                                 : kind < 19 ? std::uint32_t(Roll(12000))
                                             : std::uniform_int_distribution<std::uint32_t>()(rng);
        Elapse(ms);
    }

    void CheckInvariants(int event)
    {
        const GameState& s = form->State;
        ASSERT_TRUE(s.TenthsDigit >= 0 && s.TenthsDigit <= 9) << "event " << event;
        ASSERT_TRUE(s.HundredthsDigit >= 0 && s.HundredthsDigit <= 9) << "event " << event;
        ASSERT_GE(s.Seconds, 0) << "event " << event;
        const int opacity = qRound(form->windowOpacity() * 255);
        ASSERT_TRUE(opacity >= 1 && opacity <= 255) << "event " << event << ": opacity " << opacity;
        for (LayoutTimer* t : {form->Timer2, form->Timer3})
            ASSERT_TRUE(t->Interval() == 0 || t->Interval() == 10) << "event " << event;
        ASSERT_EQ(form->Timer1->Interval(), 1000);
        static const QRegularExpression conversion(QStringLiteral("^'.*' は整数ではありません\\.$"),
                                                   QRegularExpression::DotMatchesEverythingOption);
        for (const QString& e : std::as_const(errors))
            ASSERT_TRUE(conversion.match(e).hasMatch()) << "event " << event << ": " << e.toStdString();
        conversion_errors += errors.size();
        errors.clear();
        if (!form->isVisible()) {
            // Only the close button of the Hall of Memory closes the window.
            ASSERT_EQ(form->TabbedNotebook1->PageIndex(), 2) << "event " << event;
            ++closes;
            form->show();
            QApplication::setActiveWindow(form.get());
        }
    }

    std::mt19937_64 rng;
    long conversion_errors = 0;
    long closes = 0;
};

TEST_F(Monkey, RandomPlayNeverBreaksTheGame)
{
    const std::uint64_t seed = FromEnvironment("HORUMINA_MONKEY_SEED", 20261208);
    const int events = int(FromEnvironment("HORUMINA_MONKEY_EVENTS", 100000));
    rng.seed(seed);
    std::printf("monkey: seed %llu, %d events\n", static_cast<unsigned long long>(seed), events);
    RecordProperty("seed", std::to_string(seed));
    for (int event = 0; event < events; ++event) {
        RandomEvent();
        CheckInvariants(event);
        if (HasFatalFailure()) {
            std::printf("monkey: failed at event %d; replay with HORUMINA_MONKEY_SEED=%llu\n", event,
                        static_cast<unsigned long long>(seed));
            return;
        }
    }
    std::printf("monkey: %d events, %ld conversion errors, %ld closes, %d points at the end\n", events,
                conversion_errors, closes, form->State.Points);
}

}  // namespace
